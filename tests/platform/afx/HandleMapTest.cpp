// Which object stands for a handle, and how long a temporary one lives.
#include "winapi/Canvas.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CHandleMap.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CRgn.h"

#include <gtest/gtest.h>

#include <memory>

TEST(HandleMap, TemporaryObjectsHaveTheHandlesClassAndLeaveTheHandleAlone) {
    HPEN pen = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
    HRGN region = CreateRectRgn(0, 0, 4, 4);
    CGdiObject* wrapper = CGdiObject::FromHandle(reinterpret_cast<HGDIOBJ>(pen));
    ASSERT_NE(wrapper, nullptr);
    EXPECT_NE(dynamic_cast<CPen*>(wrapper), nullptr);
    EXPECT_EQ(CPen::FromHandle(pen), wrapper);
    CRgn* regionWrapper = CRgn::FromHandle(region);
    ASSERT_NE(regionWrapper, nullptr);
    EXPECT_TRUE(regionWrapper->PtInRegion(3, 3));
    EXPECT_FALSE(regionWrapper->PtInRegion(4, 3));
    // Deleting through a temporary object deletes the handle; the object itself stays valid
    // until the temporaries go (the sanitizers see a use after free otherwise).
    EXPECT_TRUE(regionWrapper->DeleteObject());
    EXPECT_EQ(regionWrapper->m_hObject, nullptr);
    AfxDeleteTempMaps();
    // Freeing the temporaries leaves their handles alive.
    EXPECT_EQ(GetObjectType(reinterpret_cast<HGDIOBJ>(pen)), static_cast<DWORD>(OBJ_PEN));
    EXPECT_TRUE(DeleteObject(reinterpret_cast<HGDIOBJ>(pen)));
}

TEST(HandleMap, APermanentObjectStandsForItsHandleUntilItLetsGo) {
    CBrush brush(RGB(9, 9, 9));
    HGDIOBJ handle = brush.m_hObject;
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(handle), &brush);
    AfxDeleteTempMaps();
    EXPECT_EQ(CGdiObject::FromHandle(handle), &brush) << "permanent objects are not temporaries";
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_EQ(brush.m_hObject, nullptr);
    EXPECT_FALSE(brush.DeleteObject());
}

TEST(HandleMap, DeviceContextObjectsFollowAttachAndDetach) {
    auto canvas = std::make_unique<gdi_test::Canvas>(4, 4);
    HDC hdc = canvas->Handle();
    CDC* temporary = CDC::FromHandle(hdc);
    ASSERT_NE(temporary, nullptr);
    EXPECT_EQ(temporary->GetSafeHdc(), hdc);
    {
        CDC attached;
        ASSERT_TRUE(attached.Attach(hdc));
        EXPECT_FALSE(attached.Attach(hdc));
        EXPECT_EQ(CDC::FromHandle(hdc), &attached);
        EXPECT_EQ(attached.Detach(), hdc);
    }
    EXPECT_EQ(CDC::FromHandle(hdc), temporary);
    AfxDeleteTempMaps();
    EXPECT_EQ(CDC::FromHandle(hdc)->GetSafeHdc(), hdc);
    AfxDeleteTempMaps();
}
