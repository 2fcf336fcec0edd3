// Helpers for the control tests: a shown top-level window that hosts controls, owner-draw
// requests rendered into images, pixel colours and the images kept for people to look at.
#pragma once

#include "platform/afx/Afx.h"

#include <QImage>
#include <QString>

#include <memory>

namespace test {

// A visible top-level window whose children are the controls under test. It is the
// parent that hands owner-draw requests back to its buttons.
class ControlHost {
public:
    ControlHost();
    ~ControlHost();
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;

    CWnd& Window() { return m_parent; }
    // Creates a standard child window and attaches `control` to it, as the dialog's
    // control binding does (so PreSubclassWindow runs).
    void Attach(CWnd& control, LPCTSTR className, LPCTSTR text, DWORD style, DWORD exStyle,
                const CRect& rect, UINT id);

private:
    CWnd m_parent;
};

// The window's surface after a synchronous repaint of everything that is pending.
QImage Repaint(CWnd& wnd);

// Runs an owner-draw request of the button on a `size` image that starts out in
// kBackgroundColor, with a kInteriorColor brush as the surface's current brush.
QImage RenderItem(CButton& button, UINT itemState, QSize size = {88, 27});

// The colour of a pixel as a Win32 colour value.
COLORREF PixelAt(const QImage& image, int x, int y);
COLORREF PixelAt(const QImage& image, QPoint point);

// The pixels in which two equally sized images differ, as a mask image.
QImage Difference(const QImage& a, const QImage& b);
// The bounding box of the set pixels of a mask; empty when there are none.
QRect MaskBounds(const QImage& mask);

// Keeps an image under the test run's artifact folder ($TAVRIN_ARTIFACTS/controls), drawn
// at `scale` times its size so that single pixels can be seen.
void KeepImage(const QImage& image, const QString& name, int scale = 4);

// The interior colour RenderItem selects, so tests can tell it from the gradient.
constexpr COLORREF kInteriorColor = RGB(255, 0, 255);
// The colour the image of RenderItem starts out in, outside the outline.
constexpr COLORREF kBackgroundColor = RGB(0, 128, 128);

} // namespace test
