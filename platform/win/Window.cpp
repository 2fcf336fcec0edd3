#include "platform/win/Window.h"

#include "platform/gdi/CDC.h"
#include "platform/gdi/DrawingSurface.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/WinGdi.h"
#include "platform/win/CException.h"
#include "platform/win/CWnd.h"
#include "platform/win/Menu.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <exception>
#include <unordered_set>

namespace platform {

namespace {

std::unordered_set<const Window*>& LiveWindows() {
    static std::unordered_set<const Window*> windows;
    return windows;
}

std::vector<std::unique_ptr<Window>>& TopLevelWindows() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

thread_local Window::Message t_currentMessage;

// Restores the thread's current message when a dispatch ends, also by exception.
class MessageScope {
public:
    explicit MessageScope(const Window::Message& message) : m_saved(t_currentMessage) {
        t_currentMessage = message;
    }
    ~MessageScope() { t_currentMessage = m_saved; }
    MessageScope(const MessageScope&) = delete;
    MessageScope& operator=(const MessageScope&) = delete;

private:
    Window::Message m_saved;
};

class SystemException : public CException {
public:
    explicit SystemException(std::string text) : m_text(std::move(text)) {}
    CString GetErrorMessage() const override { return CString(m_text); }

private:
    std::string m_text;
};

} // namespace

Window::Window(const WindowParams& params)
    : m_parent(params.parent), m_id(params.id), m_style(params.style), m_exStyle(params.exStyle),
      m_text(params.text), m_rect(params.rect), m_surface(std::make_shared<DrawingSurface>()) {
    LiveWindows().insert(this);
}

Window::~Window() {
    m_children.clear();
    if (m_permanent != nullptr) {
        m_permanent->m_hWnd = nullptr;
        m_permanent = nullptr;
    }
    if (m_temporary) {
        m_temporary->m_hWnd = nullptr;
    }
    if (m_region != nullptr) {
        DeleteObject(m_region);
    }
    if (auto* bridge = dynamic_cast<BridgeBase*>(m_widget)) {
        bridge->Disown();
    }
    if (m_currentEvent != nullptr) {
        m_widget->hide();
        m_widget->deleteLater(); // still inside one of the widget's own events
    } else {
        delete m_widget;
    }
    LiveWindows().erase(this);
}

bool Window::IsWindow(const Window* pWindow) {
    return pWindow != nullptr && LiveWindows().count(pWindow) != 0;
}

Window* Window::AdoptTopLevel(std::unique_ptr<Window> window) {
    TopLevelWindows().push_back(std::move(window));
    return TopLevelWindows().back().get();
}

void Window::Destroy() {
    Send(WM_DESTROY);
    for (const auto& child : m_children) {
        child->Send(WM_DESTROY);
    }
    Send(WM_NCDESTROY);
    auto& owners = m_parent != nullptr ? m_parent->m_children : TopLevelWindows();
    auto it = std::find_if(owners.begin(), owners.end(),
                           [this](const auto& p) { return p.get() == this; });
    if (it != owners.end()) {
        std::unique_ptr<Window> doomed = std::move(*it);
        owners.erase(it);
    }
}

const Window::Message& Window::CurrentMessage() {
    return t_currentMessage;
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    MessageScope scope({this, message, wParam, lParam});
    CWnd* target = m_permanent;
    try {
        return target != nullptr ? target->WindowProc(message, wParam, lParam)
                                 : ClassProc(message, wParam, lParam);
    } catch (const CException& e) {
        e.ReportError();
    } catch (const std::exception& e) {
        SystemException(e.what()).ReportError();
    }
    return 0;
}

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    QTimer::singleShot(0, qApp, [this, message, wParam, lParam] {
        if (IsWindow(this)) {
            Send(message, wParam, lParam);
        }
    });
}

LRESULT Window::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        EraseBackground(reinterpret_cast<HDC>(wParam));
        return 1;
    case WM_NCPAINT:
        DrawDefaultFrame();
        return 0;
    case WM_PAINT:
        m_nativePaint = PaintsNatively();
        return 0;
    case WM_SETTEXT:
        SetText(reinterpret_cast<LPCTSTR>(lParam));
        return TRUE;
    case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wParam));
        if (lParam != 0) {
            Invalidate(true);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC: {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        const bool window = message == WM_CTLCOLOREDIT || message == WM_CTLCOLORLISTBOX;
        const int face = window ? COLOR_WINDOW : COLOR_3DFACE;
        CDC* pDC = CDC::FromHandle(hdc);
        pDC->SetTextColor(GetSysColor(COLOR_WINDOWTEXT));
        pDC->SetBkColor(GetSysColor(face));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
    }
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_CLOSE) {
            Send(WM_CLOSE);
        }
        return 0;
    case WM_ICONERASEBKGND:
        return 1;
    default:
        DefaultEvent(message);
        return 0;
    }
}

Window* Window::AddChild(std::unique_ptr<Window> child) {
    m_children.push_back(std::move(child));
    return m_children.back().get();
}

Window* Window::FindChild(UINT id) const {
    for (const auto& child : m_children) {
        if (child->m_id == id) {
            return child.get();
        }
    }
    return nullptr;
}

CWnd* Window::Temporary() {
    if (!m_temporary) {
        m_temporary = std::make_unique<CWnd>();
        m_temporary->m_hWnd = this;
    }
    return m_temporary.get();
}

void Window::SetStyle(DWORD style) {
    m_style = style;
    if (m_widget != nullptr) {
        m_widget->setEnabled((style & WS_DISABLED) == 0);
    }
}

void Window::SetText(const std::string& text) {
    m_text = text;
    if (m_widget != nullptr) {
        if (m_parent == nullptr) {
            m_widget->setWindowTitle(QString::fromStdString(text));
        }
        Invalidate(true);
    }
}

void Window::SetFont(HFONT font) {
    m_font = font;
    if (m_widget != nullptr && font != nullptr) {
        m_widget->setFont(font->Font());
    }
}

QRect Window::WindowRect() const {
    return m_widget != nullptr ? m_widget->geometry() : m_rect;
}

QRect Window::ScreenRect() const {
    if (m_widget == nullptr) {
        return m_rect;
    }
    return QRect(m_widget->mapToGlobal(QPoint(0, 0)), m_widget->size());
}

int Window::FrameWidth() const {
    if (m_parent == nullptr) {
        return 0; // a top-level window's frame and caption are the window manager's
    }
    if (m_exStyle & WS_EX_CLIENTEDGE) {
        return GetSystemMetrics(SM_CXEDGE);
    }
    if (m_style & WS_BORDER) {
        return GetSystemMetrics(SM_CXBORDER);
    }
    return 0;
}

QRect Window::ClientRect() const {
    const QSize outer = WindowRect().size();
    const int frame = FrameWidth();
    return QRect(0, 0, std::max(0, outer.width() - 2 * frame),
                 std::max(0, outer.height() - 2 * frame));
}

HMENU Window::SystemMenu(bool revert) {
    if (!m_systemMenu || revert) {
        m_systemMenu = std::make_unique<Menu>();
        m_systemMenu->Append({MF_STRING, SC_CLOSE, "关闭(&C)\tAlt+F4"});
    }
    return m_systemMenu.get();
}

Window* Window::FromWidget(const QWidget* widget) {
    for (; widget != nullptr; widget = widget->parentWidget()) {
        if (auto* bridge = dynamic_cast<const BridgeBase*>(widget)) {
            return bridge->OwnerWindow();
        }
    }
    return nullptr;
}

void Window::SetWidget(QWidget* widget) {
    m_widget = widget;
    if (m_parent != nullptr) {
        widget->setParent(m_parent->Widget());
    }
    widget->setGeometry(m_rect);
    widget->setMouseTracking(true);
    widget->setAttribute(Qt::WA_NoSystemBackground);
    widget->setAutoFillBackground(false);
    widget->setEnabled((m_style & WS_DISABLED) == 0);
    if (m_parent != nullptr) {
        widget->setFocusPolicy((m_style & WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
        widget->setVisible((m_style & WS_VISIBLE) != 0);
    }
}

void Window::DefaultEvent(UINT message) {
    if (m_currentEvent == nullptr || m_defaultRan || message != m_eventMessage) {
        return;
    }
    m_defaultRan = true;
    if (auto* bridge = dynamic_cast<BridgeBase*>(m_widget)) {
        bridge->BaseEvent(m_currentEvent);
    }
}

bool Window::TranslateDialogKey(QEvent* event) {
    Window* top = this;
    while (top->m_parent != nullptr) {
        top = top->m_parent;
    }
    return top->DialogKey(event, this);
}

bool Window::DialogKey(QEvent*, Window*) {
    return false;
}

bool Window::HandleOtherEvent(QEvent*) {
    return false;
}

} // namespace platform
