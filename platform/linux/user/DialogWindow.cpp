#include "platform/linux/user/DialogWindow.h"

#include "platform/linux/gdi/DeviceContext.h"
#include "platform/linux/gdi/FontResolver.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/gdi/Icon.h"
#include "platform/linux/gdi/ImageResources.h"
#include "platform/linux/user/AccessibleNames.h"
#include "platform/linux/user/BridgeWidget.h"
#include "platform/linux/user/ButtonWindow.h"
#include "platform/linux/user/ComboBoxWindow.h"
#include "platform/linux/user/Menu.h"
#include "platform/linux/user/StaticWindow.h"
#include "platform/linux/user/WindowClasses.h"
#include <windows.h>

#include <QContextMenuEvent>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QPixmap>

namespace engine {

namespace {

QIcon WindowIconOf(HICON big, HICON small) {
    QIcon icon;
    for (HICON h : {big, small}) {
        if (h != nullptr) {
            icon.addPixmap(QPixmap::fromImage(IconOf(h)->Image()));
        }
    }
    return icon;
}

} // namespace

DialogWindow::DialogWindow(const WindowParams& params, DLGPROC dialogProc)
    : Window(params), m_dialog(new BridgeWidget<QDialog>(this)), m_dialogProc(dialogProc) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (params.style & WS_SYSMENU) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    m_dialog->setWindowFlags(flags);
    m_dialog->setWindowTitle(QString::fromStdString(params.text));
    m_dialog->setSizeGripEnabled(false);
    SetWidget(m_dialog);
    m_dialog->setFixedSize(params.rect.size());
}

DialogWindow::~DialogWindow() {
    if (m_dialogFont != nullptr) {
        DeleteObject(m_dialogFont);
    }
}

// The dialog procedure sees each message first; what it leaves (FALSE) gets the dialog
// manager's default processing. Its answer to WM_INITDIALOG says whether the dialog
// manager sets the focus.
LRESULT DialogWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (m_dialogProc != nullptr) {
        const INT_PTR handled = m_dialogProc(this, message, wParam, lParam);
        if (message == WM_INITDIALOG ||
            (handled != 0 && message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)) {
            return handled;
        }
        if (handled != 0) {
            return 0;
        }
    }
    switch (message) {
    case WM_ERASEBKGND: {
        auto brush =
            reinterpret_cast<HBRUSH>(Send(WM_CTLCOLORDLG, wParam, reinterpret_cast<LPARAM>(this)));
        RECT rc{0, 0, ClientRect().width(), ClientRect().height()};
        FillRect(reinterpret_cast<HDC>(wParam), &rc,
                 brush != nullptr ? brush : GetSysColorBrush(COLOR_3DFACE));
        return 1;
    }
    case WM_CLOSE:
        Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return 0;
    case WM_SETICON:
        return reinterpret_cast<LRESULT>(SetIcon(wParam, reinterpret_cast<HICON>(lParam)));
    case WM_INITDIALOG:
        return TRUE;
    case WM_COMMAND:
        return 0;
    default:
        return Window::ClassProc(message, wParam, lParam);
    }
}

HICON DialogWindow::SetIcon(WPARAM kind, HICON icon) {
    HICON& slot = kind == ICON_BIG ? m_bigIcon : m_smallIcon;
    HICON previous = slot;
    slot = icon;
    m_dialog->setWindowIcon(WindowIconOf(m_bigIcon, m_smallIcon));
    return previous;
}

bool DialogWindow::CreateControls(const DialogResource& dialogTemplate) {
    const DialogBaseUnits units =
        BaseUnitsForFont(dialogTemplate.fontFace, dialogTemplate.pointSize);
    m_units = units;
    if (!dialogTemplate.fontFace.empty()) {
        constexpr int kPointsPerInch = 72;
        LOGFONT logFont;
        logFont.lfHeight =
            -(dialogTemplate.pointSize * FontResolver::kDotsPerInch / kPointsPerInch);
        dialogTemplate.fontFace.copy(logFont.lfFaceName, LF_FACESIZE - 1);
        m_dialogFont = new GdiFont(logFont);
        Window::SetFont(m_dialogFont);
    }
    for (const DialogResourceItem& item : dialogTemplate.items) {
        HWND child = AnnounceWindow(CreateItem(item, units), item.className.c_str(), nullptr);
        if (child == nullptr) {
            return false;
        }
        if (Font() != nullptr) {
            WindowOf(child)->Send(WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        }
    }
    NameControlsByLabels(Children());
    return true;
}

std::unique_ptr<Window> DialogWindow::CreateItem(const DialogResourceItem& item,
                                                 DialogBaseUnits units) {
    const RECT du{item.x, item.y, item.x + item.cx, item.y + item.cy};
    const RECT px = MapDialogUnits(du, units);
    WindowParams params;
    params.parent = this;
    params.id = item.id;
    params.style = item.style | WS_CHILD;
    params.exStyle = item.exStyle;
    params.rect = QRect(px.left, px.top, px.right - px.left, px.bottom - px.top);
    params.text = item.text;
    const bool edit = item.className == "edit" || item.className == "EDIT";
    if (edit && (params.style & WS_BORDER)) {
        // The dialog manager gives bordered edits the sunken client edge.
        params.style &= ~WS_BORDER;
        params.exStyle |= WS_EX_CLIENTEDGE;
    }
    std::unique_ptr<Window> window = CreateClassWindow(item.className, params);
    if (auto* picture = dynamic_cast<StaticWindow*>(window.get());
        picture && picture->IsIcon() && item.ordinal) {
        picture->SetIcon(LoadIconResource(*item.ordinal));
    }
    return window;
}

void DialogWindow::FocusFirstTabStop() {
    for (const auto& child : Children()) {
        const DWORD style = child->Style();
        if ((style & WS_TABSTOP) && (style & WS_VISIBLE) && !(style & WS_DISABLED) &&
            child->Widget() != nullptr) {
            child->Widget()->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

int DialogWindow::RunModal() {
    if (m_ended) {
        return m_result;
    }
    m_dialog->exec(); // shows the dialog application-modal; showing it first would not
    return m_result;
}

void DialogWindow::EndModal(int result) {
    m_ended = true;
    m_result = result;
    m_dialog->done(result);
}

void DialogWindow::ShowSystemMenu(const QPoint& globalPos) {
    HMENU menu = SystemMenu(false);
    if (const UINT id = MenuOf(menu)->Popup(m_dialog, globalPos)) {
        Send(WM_SYSCOMMAND, id, 0);
    }
}

bool DialogWindow::DialogKey(QEvent* event, Window* focus) {
    auto* key = static_cast<QKeyEvent*>(event);
    const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
    if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && mods == Qt::NoModifier) {
        // A focused push button takes Enter itself; an owner-drawn one never does.
        if (auto* button = dynamic_cast<ButtonWindow*>(focus); button && !button->IsOwnerDraw()) {
            return false;
        }
        Send(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        return true;
    }
    if (key->key() == Qt::Key_Escape && mods == Qt::NoModifier) {
        Send(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        return true;
    }
    if (key->key() == Qt::Key_Space && mods == Qt::AltModifier && (Style() & WS_SYSMENU)) {
        ShowSystemMenu(m_dialog->mapToGlobal(QPoint(0, 0)));
        return true;
    }
    if (key->key() == Qt::Key_F4 && mods == Qt::AltModifier && (Style() & WS_SYSMENU)) {
        Send(WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    }
    return false;
}

bool DialogWindow::HandleOtherEvent(QEvent* event) {
    if (event->type() != QEvent::ContextMenu || !(Style() & WS_SYSMENU)) {
        return false;
    }
    auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    QWidget* under = m_dialog->childAt(menuEvent->pos());
    if (under != nullptr && dynamic_cast<StaticWindow*>(FromWidget(under)) == nullptr) {
        return false; // a control's own context menu, not the dialog's
    }
    ShowSystemMenu(menuEvent->globalPos());
    return true;
}

} // namespace engine
