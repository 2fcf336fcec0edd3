#include "platform/linux/user/ButtonWindow.h"

#include "platform/linux/user/BridgeWidget.h"
#include <windows.h>

#include <QCheckBox>
#include <QPushButton>

namespace engine {

namespace {

// A check box for the check-box style, a push button for every other.
QAbstractButton* MakeButton(Window* window, DWORD style) {
    if ((style & BS_TYPEMASK) == BS_AUTOCHECKBOX) {
        return new BridgeWidget<QCheckBox>(window);
    }
    auto* button = new BridgeWidget<QPushButton>(window);
    button->setAutoDefault(true);
    return button;
}

} // namespace

ButtonWindow::ButtonWindow(const WindowParams& params)
    : Window(params), m_button(MakeButton(this, params.style)) {
    m_button->setText(QString::fromStdString(params.text));
    SetWidget(m_button);
    QObject::connect(m_button, &QAbstractButton::clicked, m_button,
                     [this] { NotifyParent(BN_CLICKED); });
}

LRESULT ButtonWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == BM_GETCHECK) {
        return m_button->isChecked() ? BST_CHECKED : BST_UNCHECKED;
    }
    if (message == BM_SETCHECK) {
        m_button->setChecked(wParam == BST_CHECKED);
        return 0;
    }
    if (message == WM_PAINT && IsOwnerDraw()) {
        RequestDrawItem();
        return 0;
    }
    if (message == WM_ERASEBKGND && IsOwnerDraw()) {
        EraseWithParentBrush(reinterpret_cast<HDC>(wParam));
        return 1;
    }
    return Window::ClassProc(message, wParam, lParam);
}

void ButtonWindow::SetText(const std::string& text) {
    m_button->setText(QString::fromStdString(text));
    Window::SetText(text);
}

void ButtonWindow::SetStyle(DWORD style) {
    Window::SetStyle(style);
    Invalidate(true);
}

UINT ButtonWindow::ItemState() const {
    UINT state = 0;
    if (m_button->hasFocus()) {
        state |= ODS_FOCUS;
    }
    if (m_button->isDown()) {
        state |= ODS_SELECTED;
    }
    if (!m_button->isEnabled()) {
        state |= ODS_DISABLED;
    }
    // The dialog manager cannot make an owner-drawn button its default push button (the
    // style's type bits are taken), so only a push button made default says so.
    const auto* push = qobject_cast<const QPushButton*>(m_button);
    if (!IsOwnerDraw() && push != nullptr && push->isDefault()) {
        state |= ODS_DEFAULT;
    }
    return state;
}

void ButtonWindow::EraseWithParentBrush(HDC hdc) {
    Window* owner = Parent() != nullptr ? Parent() : this;
    auto brush = reinterpret_cast<HBRUSH>(
        owner->Send(WM_CTLCOLORBTN, reinterpret_cast<WPARAM>(hdc), reinterpret_cast<LPARAM>(this)));
    if (brush == nullptr) {
        brush = GetSysColorBrush(COLOR_3DFACE);
    }
    RECT rc{0, 0, ClientRect().width(), ClientRect().height()};
    FillRect(hdc, &rc, brush);
}

void ButtonWindow::RequestDrawItem() {
    HDC hdc = BeginPaint();
    DRAWITEMSTRUCT dis;
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = Id();
    dis.itemAction = ODA_DRAWENTIRE;
    dis.itemState = ItemState();
    dis.hwndItem = this;
    dis.hDC = hdc;
    dis.rcItem = RECT{0, 0, ClientRect().width(), ClientRect().height()};
    if (Parent() != nullptr) {
        Parent()->Send(WM_DRAWITEM, Id(), reinterpret_cast<LPARAM>(&dis));
    }
    EndPaint(hdc);
}

} // namespace engine
