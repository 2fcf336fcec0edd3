#include "platform/win/StaticWindow.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/WinGdi.h"
#include "platform/win/BridgeWidget.h"

#include <QWidget>

namespace platform {

StaticWindow::StaticWindow(const WindowParams& params) : Window(params) {
    auto* widget = new BridgeWidget<QWidget>(this);
    widget->setAttribute(Qt::WA_TransparentForMouseEvents); // clicks go to the parent
    widget->setAccessibleName(QString::fromStdString(params.text));
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

UINT StaticWindow::TextFormat() const {
    UINT format = DT_EXPANDTABS;
    switch (Style() & SS_TYPEMASK) {
    case SS_CENTER:
        format |= DT_CENTER | DT_WORDBREAK;
        break;
    case SS_RIGHT:
        format |= DT_RIGHT | DT_WORDBREAK;
        break;
    case SS_LEFTNOWORDWRAP:
        format |= DT_LEFT;
        break;
    default:
        format |= DT_LEFT | DT_WORDBREAK;
        break;
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
    CDC* pDC = CDC::FromHandle(hdc);
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
            pDC->DrawIcon(0, 0, m_icon);
        }
    } else {
        const CString text = Text();
        pDC->DrawText(text.c_str(), static_cast<int>(text.size()), &rc, TextFormat());
    }
    EndPaint(hdc);
}

} // namespace platform
