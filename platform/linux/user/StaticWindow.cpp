#include "platform/linux/user/StaticWindow.h"

#include "platform/linux/user/BridgeWidget.h"
#include <windows.h>

#include <QLabel>
#include <QTimer>

namespace engine {

StaticWindow::StaticWindow(const WindowParams& params) : Window(params) {
    // A QLabel that paints nothing itself (the window paints it): screen readers see a
    // label, and a control's label-for relation can point at it (DialogWindow sets that).
    auto* widget = new BridgeWidget<QLabel>(this);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks go to the parent
    if (!IsIcon()) { // an icon's text is the number of its resource, nothing to read out
        widget->setAccessibleName(QString::fromStdString(params.text));
    }
    SetWidget(widget);
    widget->setFocusPolicy(Qt::NoFocus);
}

LRESULT StaticWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        PaintLabel();
        return 0;
    case WM_SETTEXT:
        Widget()->setAccessibleName(QString::fromUtf8(reinterpret_cast<LPCTSTR>(lParam)));
        Invalidate(true);
        return Window::ClassProc(message, wParam, lParam);
    default:
        return Window::ClassProc(message, wParam, lParam);
    }
}

void StaticWindow::SetIcon(HICON icon) {
    m_icon = icon;
    Invalidate(true);
}

void StaticWindow::GrowToFit(int missing) {
    // A label draws with its parent's clipping, so text longer than the label is not cut
    // off: the label widens to the right (never for centred text, which stays centred).
    const DWORD type = Style() & SS_TYPEMASK;
    if (missing <= 0 || (type != SS_LEFT && type != SS_LEFTNOWORDWRAP)) {
        return;
    }
    QWidget* widget = Widget();
    QTimer::singleShot(0, widget, [widget, missing] {
        widget->resize(widget->width() + missing, widget->height());
    });
}

UINT StaticWindow::TextFormat() const {
    const DWORD type = Style() & SS_TYPEMASK;
    UINT format = DT_LEFT | DT_WORDBREAK;
    if (type == SS_CENTER) {
        format = DT_CENTER | DT_WORDBREAK;
    } else if (type == SS_LEFTNOWORDWRAP) {
        format = DT_LEFT;
    }
    if (Style() & SS_CENTERIMAGE) {
        format = (format & ~DT_WORDBREAK) | DT_VCENTER | DT_SINGLELINE;
    }
    if (Style() & SS_NOPREFIX) {
        format |= DT_NOPREFIX;
    }
    return format;
}

void StaticWindow::PaintLabel() {
    HDC hdc = BeginPaint();
    if (Font() != nullptr) {
        SelectObject(hdc, Font());
    }
    Window* owner = Parent() != nullptr ? Parent() : this;
    auto brush = reinterpret_cast<HBRUSH>(owner->Send(
        WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(this)));
    RECT rc{0, 0, ClientRect().width(), ClientRect().height()};
    if (brush != nullptr) {
        FillRect(hdc, &rc, brush);
    }
    if (IsIcon()) {
        if (m_icon != nullptr) {
            DrawIcon(hdc, 0, 0, m_icon);
        }
    } else {
        const std::string text = Text();
        DrawText(hdc, text.c_str(), static_cast<int>(text.size()), &rc, TextFormat());
        RECT needed = rc;
        DrawText(hdc, text.c_str(), static_cast<int>(text.size()), &needed,
                 TextFormat() | DT_CALCRECT);
        GrowToFit(needed.right - rc.right);
    }
    EndPaint(hdc);
}

} // namespace engine
