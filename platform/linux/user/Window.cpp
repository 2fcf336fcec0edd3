#include "platform/linux/user/Window.h"

#include "platform/linux/gdi/DrawingSurface.h"
#include "platform/linux/gdi/GdiFont.h"
#include "platform/linux/user/Menu.h"
#include "platform/linux/user/StringResources.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <QtGlobal>
#include <algorithm>
#include <exception>
#include <unordered_set>

namespace engine {

namespace {

std::unordered_set<const HWND__*>& LiveWindows() {
    static std::unordered_set<const HWND__*> windows;
    return windows;
}

std::vector<std::unique_ptr<Window>>& TopLevelWindows() {
    static std::vector<std::unique_ptr<Window>> windows;
    return windows;
}

} // namespace

Window::Window(const WindowParams& params)
    : m_parent(params.parent), m_id(params.id), m_style(params.style), m_exStyle(params.exStyle),
      m_text(params.text), m_rect(params.rect), m_surface(std::make_shared<DrawingSurface>()) {
    LiveWindows().insert(this);
}

Window::~Window() {
    m_children.clear();
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

bool Window::IsWindow(HWND hWnd) {
    return hWnd != nullptr && LiveWindows().count(hWnd) != 0;
}

Window* Window::AdoptTopLevel(std::unique_ptr<Window> window) {
    TopLevelWindows().push_back(std::move(window));
    return TopLevelWindows().back().get();
}

void Window::Destroy() {
    SendDestroy();
    SendNcDestroy();
    auto& owners = m_parent != nullptr ? m_parent->m_children : TopLevelWindows();
    auto it = std::find_if(owners.begin(), owners.end(),
                           [this](const auto& p) { return p.get() == this; });
    if (it != owners.end()) {
        std::unique_ptr<Window> doomed = std::move(*it);
        owners.erase(it);
    }
}

// WM_DESTROY goes to the window first and then to its children; WM_NCDESTROY to the
// children first, once each of them is gone as far as its procedure can tell.
void Window::SendDestroy() {
    Send(WM_DESTROY);
    for (const auto& child : m_children) {
        child->SendDestroy();
    }
}

void Window::SendNcDestroy() {
    for (const auto& child : m_children) {
        child->SendNcDestroy();
    }
    Send(WM_NCDESTROY);
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) {
    // The procedures above the engine catch what their handlers throw; an exception that
    // still gets here must not unwind through the toolkit's event loop.
    try {
        return m_proc(this, message, wParam, lParam);
    } catch (const std::exception& e) {
        qCritical("window procedure failed: %s", e.what());
    }
    return 0;
}

LRESULT CALLBACK Window::ClassWindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return WindowOf(hWnd)->ClassProc(message, wParam, lParam);
}

void Window::Post(UINT message, WPARAM wParam, LPARAM lParam) {
    QTimer::singleShot(0, qApp, [this, message, wParam, lParam] {
        if (IsWindow(this)) {
            Send(message, wParam, lParam);
        }
    });
}

LRESULT Window::ClassProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        const int face = message == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_3DFACE;
        SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(hdc, GetSysColor(face));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(face));
    }
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
    case WM_GETTEXTLENGTH:
        return static_cast<LRESULT>(Text().size());
    case WM_GETTEXT:
        return CopyText(Text(), reinterpret_cast<TCHAR*>(lParam), static_cast<int>(wParam));
    case WM_SETFONT:
        SetFont(reinterpret_cast<HFONT>(wParam));
        if (lParam != 0) {
            Invalidate(true);
        }
        return 0;
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_font);
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
        m_widget->setFont(ObjectOf(font)->Font());
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

} // namespace engine
