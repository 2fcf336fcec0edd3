// Which wrapper stands for a handle, and that no wrapper outlives its handle.
#include "GdiCanvas.h"

#include "platform/afx/CBrush.h"
#include "platform/afx/CPen.h"
#include "platform/afx/CRgn.h"

#include <gtest/gtest.h>

#include <memory>

TEST(HandleMap, TemporaryWrappersHaveTheObjectsClassAndDieWithIt) {
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
    // Deleting through a temporary wrapper deletes the object and the wrapper with it (the
    // sanitizers see a leak or a use after free otherwise).
    EXPECT_TRUE(regionWrapper->DeleteObject());
    EXPECT_TRUE(DeleteObject(reinterpret_cast<HGDIOBJ>(pen)));
}

TEST(HandleMap, APermanentWrapperLetsGoOfADeletedHandle) {
    CBrush brush(RGB(9, 9, 9));
    HGDIOBJ handle = brush.m_hObject;
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(CGdiObject::FromHandle(handle), &brush);
    EXPECT_TRUE(DeleteObject(handle));
    EXPECT_EQ(brush.m_hObject, nullptr) << "the wrapper would otherwise delete it again";
    EXPECT_FALSE(brush.DeleteObject());
}

TEST(HandleMap, DeviceContextWrappersFollowTheContext) {
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
    CDC survivor;
    ASSERT_TRUE(survivor.Attach(hdc));
    canvas.reset();
    EXPECT_EQ(survivor.GetSafeHdc(), nullptr) << "the context is gone";
    EXPECT_EQ(survivor.GetBkMode(), 0);
}
