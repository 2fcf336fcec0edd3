// Bookkeeping of device contexts: defaults, saved states, selections.
#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/CPen.h"
#include "platform/gdi/DeviceContext.h"

#include <gtest/gtest.h>

TEST(DeviceContextState, FreshContextHasWin32Defaults) {
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    platform::DeviceContext dc(image, {0, 0}, image.rect());
    CDC* pDC = CDC::FromHandle(&dc);
    ASSERT_NE(pDC, nullptr);
    EXPECT_EQ(pDC->GetCurrentPen()->m_hObject, GetStockObject(BLACK_PEN));
    EXPECT_EQ(pDC->GetCurrentBrush()->m_hObject, GetStockObject(WHITE_BRUSH));
    EXPECT_EQ(pDC->GetBkMode(), OPAQUE);
}
