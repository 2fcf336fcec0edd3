#include "platform/win/DialogWindow.h"

#include "platform/gdi/CFont.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/Icon.h"
#include "platform/gdi/ImageResources.h"
#include "platform/gdi/WinGdi.h"
#include "platform/ole/ControlHost.h"
#include "platform/win/BridgeWidget.h"
#include "platform/win/ButtonWindow.h"
#include "platform/win/CDialog.h"
#include "platform/win/ComboBoxWindow.h"
#include "platform/win/EditWindow.h"
#include "platform/win/IpAddressWindow.h"
#include "platform/win/Menu.h"
#include "platform/win/StandardWindows.h"
#include "platform/win/StaticWindow.h"

#include <QContextMenuEvent>
#include <QDialog>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <map>

namespace platform {

namespace {

QIcon IconOf(HICON big, HICON small) {
    QIcon icon;
    for (HICON h : {big, small}) {
        if (h != nullptr) {
            icon.addPixmap(QPixmap::fromImage(h->Image()));
        }
    }
    return icon;
}

bool IsTextLabel(const Window* window) {
    const auto* label = dynamic_cast<const StaticWindow*>(window);
    return label != nullptr && !label->IsIcon() && !label->Text().empty();
}

bool IsInputControl(const Window* window) {
    return (window->Style() & WS_VISIBLE) &&
           (dynamic_cast<const EditWindow*>(window) != nullptr ||
            dynamic_cast<const IpAddressWindow*>(window) != nullptr ||
            dynamic_cast<const ComboBoxWindow*>(window) != nullptr);
}

// Whether two rectangles share a row: the middle of either lies within the other's height.
bool SameRow(const QRect& a, const QRect& b) {
    const auto within = [](int y, const QRect& r) { return y >= r.top() && y <= r.bottom(); };
    return within(a.center().y(), b) || within(b.center().y(), a);
}

// Screen readers name the visible text: the label's, without its mnemonic markers ("&&"
// shows one "&").
QString LabelName(const Window* label) {
    const QString text = QString::fromStdString(label->Text());
    QString name;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && ++i == text.size()) {
            break;
        }
        name += text[i];
    }
    return name;
}

} // namespace

DialogWindow::DialogWindow(const WindowParams& params)
    : Window(params), m_dialog(new BridgeWidget<QDialog>(this)) {
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

DialogWindow::~DialogWindow() = default;

LRESULT DialogWindow::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
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

void DialogWindow::SetText(const CString& text) {
    Window::SetText(text);
    m_dialog->setWindowTitle(QString::fromStdString(text));
}

HBRUSH DialogWindow::ClassBrush() const {
    return GetSysColorBrush(COLOR_3DFACE);
}

HICON DialogWindow::SetIcon(WPARAM kind, HICON icon) {
    HICON& slot = kind == ICON_BIG ? m_bigIcon : m_smallIcon;
    HICON previous = slot;
    slot = icon;
    m_dialog->setWindowIcon(IconOf(m_bigIcon, m_smallIcon));
    return previous;
}

bool DialogWindow::CreateControls(const DialogTemplate& dialogTemplate) {
    const DialogBaseUnits units =
        BaseUnitsForFont(dialogTemplate.fontFace, dialogTemplate.pointSize);
    if (!dialogTemplate.fontFace.empty()) {
        m_font = std::make_unique<CFont>();
        m_font->CreatePointFont(dialogTemplate.pointSize * 10, dialogTemplate.fontFace.c_str());
        Window::SetFont(static_cast<HFONT>(m_font->GetSafeHandle()));
    }
    for (const DialogItemTemplate& item : dialogTemplate.items) {
        std::unique_ptr<Window> control = CreateItem(item, units);
        if (!control) {
            SetWindowCreationError("无法创建控件 " + std::to_string(static_cast<int>(item.id)) +
                                   "（" + item.windowClass + "）：该控件类没有注册。");
            return false;
        }
        Window* child = AddChild(std::move(control));
        if (Font() != nullptr) {
            child->Send(WM_SETFONT, reinterpret_cast<WPARAM>(Font()), FALSE);
        }
        if (auto* combo = dynamic_cast<ComboBoxWindow*>(child)) {
            for (const CString& text : item.initStrings) {
                combo->AddString(text);
            }
        }
    }
    NameControlsByLabels();
    return true;
}

const Window* DialogWindow::LabelOf(size_t index) const {
    const auto& children = Children();
    const QRect control = children[index]->WindowRect();
    const Window* nearest = nullptr;
    for (const auto& child : children) {
        const QRect label = child->WindowRect();
        if (IsTextLabel(child.get()) && label.left() < control.left() && SameRow(label, control) &&
            (nearest == nullptr || label.left() > nearest->WindowRect().left())) {
            nearest = child.get();
        }
    }
    if (nearest == nullptr && index > 0 && IsTextLabel(children[index - 1].get())) {
        nearest = children[index - 1].get(); // a label above its control, just before it
    }
    return nearest;
}

void DialogWindow::NameControlsByLabels() {
    std::map<const Window*, std::vector<Window*>> named; // label -> its controls in order
    for (size_t i = 0; i < Children().size(); ++i) {
        Window* control = Children()[i].get();
        if (IsInputControl(control) && control->Widget()->accessibleName().isEmpty()) {
            if (const Window* label = LabelOf(i)) {
                named[label].push_back(control);
            }
        }
    }
    for (const auto& [label, controls] : named) {
        // The label of a single control is also its labelled-by relation, which is where
        // AT-SPI screen readers take a combo box's label from (Qt on Linux names a combo box
        // by its current item).
        if (auto* text = qobject_cast<QLabel*>(label->Widget()); text && controls.size() == 1) {
            text->setBuddy(controls.front()->Widget());
        }
        for (size_t i = 0; i < controls.size(); ++i) {
            // Several boxes behind one label (the six of a MAC address) are numbered.
            QString name = LabelName(label);
            if (controls.size() > 1) {
                name += QStringLiteral(" %1").arg(i + 1);
            }
            QWidget* widget = controls[i]->Widget();
            widget->setAccessibleName(name);
            // A control made of fields (an IP address) names its fields after itself.
            const auto fields = widget->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
            for (qsizetype f = 0; f < fields.size(); ++f) {
                fields[f]->setAccessibleName(QStringLiteral("%1 %2").arg(name).arg(f + 1));
            }
        }
    }
}

std::unique_ptr<Window> DialogWindow::CreateItem(const DialogItemTemplate& item,
                                                 DialogBaseUnits units) {
    const RECT du{item.x, item.y, item.x + item.cx, item.y + item.cy};
    const RECT px = MapDialogRect(du, units);
    WindowParams params;
    params.parent = this;
    params.id = item.id;
    params.style = item.style | WS_CHILD;
    params.exStyle = item.exStyle;
    params.rect = QRect(px.left, px.top, px.right - px.left, px.bottom - px.top);
    params.text = item.text;
    if (!item.windowClass.empty() && item.windowClass.front() == '{') {
        return CreateHostedControl(item.windowClass, params);
    }
    const bool edit = item.windowClass == "edit" || item.windowClass == "EDIT";
    if (edit && (params.style & WS_BORDER)) {
        // The dialog manager gives bordered edits the sunken client edge.
        params.style &= ~WS_BORDER;
        params.exStyle |= WS_EX_CLIENTEDGE;
    }
    std::unique_ptr<Window> window = CreateStandardWindow(item.windowClass, params);
    if (auto* picture = dynamic_cast<StaticWindow*>(window.get()); picture && picture->IsIcon()) {
        picture->SetIcon(LoadIconResource(static_cast<UINT>(std::stoul("0" + item.text))));
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
    if (const UINT id = menu->Popup(m_dialog, globalPos)) {
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

} // namespace platform
