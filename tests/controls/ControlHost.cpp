#include "tests/controls/ControlHost.h"

#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/user/Window.h"

#include <QCoreApplication>
#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace test {

namespace {

constexpr RECT kHostRect{0, 0, 320, 200};

QColor ToQColor(COLORREF color) {
    return QColor(GetRValue(color), GetGValue(color), GetBValue(color));
}

} // namespace

ControlHost::ControlHost() {
    m_parent.Create("static", "host", WS_POPUP, kHostRect, nullptr, 0);
    m_parent.ShowWindow(SW_SHOW);
    // The first paint of a shown window needs the window system's expose event.
    QCoreApplication::processEvents();
}

ControlHost::~ControlHost() {
    m_parent.DestroyWindow();
}

void ControlHost::Attach(CWnd& control, LPCTSTR className, LPCTSTR text, DWORD style, DWORD exStyle,
                         const CRect& rect, UINT id) {
    HWND hWnd =
        CreateWindowEx(exStyle, className, text, WS_CHILD | style, rect.left, rect.top,
                       rect.Width(), rect.Height(), m_parent.m_hWnd,
                       reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), nullptr, nullptr);
    ASSERT_TRUE(control.SubclassWindow(hWnd));
}

QImage Repaint(CWnd& wnd) {
    wnd.UpdateWindow();
    return engine::WindowOf(wnd.m_hWnd)->Surface().convertToFormat(QImage::Format_RGB32);
}

QImage RenderItem(CButton& button, UINT itemState, QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(ToQColor(kBackgroundColor));
    {
        engine::DeviceContext dc(image, {0, 0}, image.rect());
        CBrush interior(kInteriorColor);
        CDC* pDC = CDC::FromHandle(&dc);
        CBrush* pOld = pDC->SelectObject(&interior);
        DRAWITEMSTRUCT dis;
        dis.CtlType = ODT_BUTTON;
        dis.itemAction = ODA_DRAWENTIRE;
        dis.itemState = itemState;
        dis.hwndItem = button.m_hWnd;
        dis.hDC = &dc;
        dis.rcItem = RECT{0, 0, size.width(), size.height()};
        button.DrawItem(&dis);
        pDC->SelectObject(pOld);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

COLORREF PixelAt(const QImage& image, int x, int y) {
    const QRgb rgb = image.pixel(x, y);
    return RGB(static_cast<BYTE>(qRed(rgb)), static_cast<BYTE>(qGreen(rgb)),
               static_cast<BYTE>(qBlue(rgb)));
}

COLORREF PixelAt(const QImage& image, QPoint point) {
    return PixelAt(image, point.x(), point.y());
}

QImage Difference(const QImage& a, const QImage& b) {
    QImage mask(a.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y)) {
                mask.setPixel(x, y, 1);
            }
        }
    }
    return mask;
}

QRect MaskBounds(const QImage& mask) {
    QRect bounds;
    for (int y = 0; y < mask.height(); ++y) {
        for (int x = 0; x < mask.width(); ++x) {
            if (mask.pixelIndex(x, y) != 0) {
                bounds |= QRect(x, y, 1, 1);
            }
        }
    }
    return bounds;
}

void KeepImage(const QImage& image, const QString& name, int scale) {
    const QString root = qEnvironmentVariable("TAVRIN_ARTIFACTS");
    if (root.isEmpty()) {
        return; // run outside ctest: nowhere to keep it
    }
    const QString folder = root + "/controls";
    ASSERT_TRUE(QDir().mkpath(folder));
    const QImage shown =
        image.scaled(image.size() * scale, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    EXPECT_TRUE(shown.save(folder + "/" + name + ".png"));
}

} // namespace test
