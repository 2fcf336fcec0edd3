#include "platform/win/Window.h"

#include "platform/gdi/CBrush.h"
#include "platform/gdi/CDC.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/GdiFont.h"
#include "platform/gdi/GdiRegion.h"
#include "platform/gdi/WinGdi.h"
#include "platform/win/CException.h"
#include "platform/win/CWnd.h"
#include "platform/win/Menu.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
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
    explicit SystemException(CString text) : m_text(std::move(text)) {}
    CString GetErrorMessage() const override { return m_text; }

private:
    CString m_text;
};

WPARAM MouseKeyFlags(const QMouseEvent* event) {
    WPARAM flags = 0;
    if (event->buttons() & Qt::LeftButton) {
        flags |= MK_LBUTTON;
    }
    if (event->buttons() & Qt::RightButton) {
        flags |= MK_RBUTTON;
    }
    if (event->modifiers() & Qt::ShiftModifier) {
        flags |= MK_SHIFT;
    }
    if (event->modifiers() & Qt::ControlModifier) {
        flags |= MK_CONTROL;
    }
    return flags;
}

} // namespace

Window::Window(const WindowParams& params)
    : m_parent(params.parent), m_id(params.id), m_style(params.style), m_exStyle(params.exStyle),
      m_text(params.text), m_rect(params.rect) {
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
    case WM_ERASEBKGND: {
        HDC hdc = reinterpret_cast<HDC>(wParam);
        if (HBRUSH brush = ClassBrush()) {
            RECT rc{0, 0, ClientRect().width(), ClientRect().height()};
            FillRect(hdc, &rc, brush);
        } else if (hdc != nullptr) {
            // The device context already paints on the surface: clear through its painter.
            QPainter& clear = hdc->Painter();
            clear.save();
            clear.setCompositionMode(QPainter::CompositionMode_Clear);
            clear.fillRect(QRect(QPoint(0, 0), ClientRect().size()), Qt::transparent);
            clear.restore();
        }
        return 1;
    }
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

void Window::SetText(const CString& text) {
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

void Window::Invalidate(bool erase) {
    m_erasePending = m_erasePending || erase;
    ScheduleRepaint();
}

void Window::InvalidateFrame() {
    m_framePending = true;
    ScheduleRepaint();
}

void Window::ScheduleRepaint() {
    if (m_widget == nullptr) {
        return;
    }
    if (m_inPaint) {
        // Qt drops an update asked for during the paint itself: ask again once it is over.
        QMetaObject::invokeMethod(m_widget, qOverload<>(&QWidget::update), Qt::QueuedConnection);
    } else {
        m_widget->update();
    }
}

HDC Window::BeginPaint() {
    return GetDC(false);
}

void Window::EndPaint(HDC hdc) {
    delete hdc;
}

HDC Window::GetDC(bool wholeWindow) {
    EnsureSurface();
    if (wholeWindow) {
        return new DeviceContext(m_surface, QPoint(0, 0), m_surface.rect());
    }
    const QRect client(ClientOrigin(), ClientRect().size());
    return new DeviceContext(m_surface, ClientOrigin(), client);
}

void Window::ReleaseDC(HDC hdc) {
    delete hdc;
    if (m_widget != nullptr && !m_inPaint) {
        m_widget->update();
    }
}

void Window::SetRegion(HRGN region, bool redraw) {
    if (m_region != nullptr && m_region != region) {
        DeleteObject(m_region);
    }
    m_region = region;
    if (m_widget != nullptr) {
        if (region != nullptr) {
            m_widget->setMask(region->Region());
        } else {
            m_widget->clearMask();
        }
        if (redraw) {
            Invalidate(true);
        }
    }
}

HMENU Window::SystemMenu(bool revert) {
    if (!m_systemMenu || revert) {
        m_systemMenu = std::make_unique<Menu>();
        m_systemMenu->Append({MF_STRING, SC_CLOSE, "关闭(&C)\tAlt+F4"});
    }
    return m_systemMenu.get();
}

bool Window::TrackMouse(DWORD flags, DWORD hoverTime) {
    if (m_widget == nullptr) {
        return false;
    }
    if (flags & TME_CANCEL) {
        m_trackHover = m_trackHover && !(flags & TME_HOVER);
        m_trackLeave = m_trackLeave && !(flags & TME_LEAVE);
        return true;
    }
    const bool inside = m_widget->isVisible() && m_widget->underMouse();
    if (flags & TME_LEAVE) {
        m_trackLeave = true;
        if (!inside) {
            m_trackLeave = false;
            Post(WM_MOUSELEAVE);
        }
    }
    if ((flags & TME_HOVER) && inside) {
        if (m_hoverTimer == nullptr) {
            m_hoverTimer = new QTimer(m_widget);
            m_hoverTimer->setSingleShot(true);
            QObject::connect(m_hoverTimer, &QTimer::timeout, m_widget, [this] { HoverElapsed(); });
        }
        m_trackHover = true;
        constexpr DWORD kDefaultHoverMs = 400;
        m_hoverTimer->start(
            static_cast<int>(hoverTime == HOVER_DEFAULT ? kDefaultHoverMs : hoverTime));
    }
    return true;
}

void Window::HoverElapsed() {
    if (!m_trackHover || m_widget == nullptr) {
        return;
    }
    m_trackHover = false;
    // The pointer has rested where the last move left it (a move restarts the timer).
    Send(WM_MOUSEHOVER, 0,
         MAKELPARAM(static_cast<WORD>(m_lastMouse.x()), static_cast<WORD>(m_lastMouse.y())));
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

void Window::DrawDefaultFrame() {
    const int frame = FrameWidth();
    if (frame == 0) {
        return;
    }
    HDC hdc = GetDC(true);
    RECT rc{0, 0, m_surface.width(), m_surface.height()};
    if (m_exStyle & WS_EX_CLIENTEDGE) {
        DrawEdge(hdc, &rc, EDGE_SUNKEN, BF_RECT);
    } else {
        CDC* pDC = CDC::FromHandle(hdc);
        CBrush frameBrush(GetSysColor(COLOR_WINDOWFRAME));
        pDC->FrameRect(&rc, &frameBrush);
    }
    delete hdc;
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

bool Window::HandleEvent(QEvent* event) {
    QEvent* savedEvent = m_currentEvent;
    const UINT savedMessage = m_eventMessage;
    const bool savedDefault = m_defaultRan;
    QPointer<QWidget> guard(m_widget);
    m_currentEvent = event;
    const bool handled = Translate(event);
    if (guard.isNull() || !IsWindow(this)) {
        return true;
    }
    m_currentEvent = savedEvent;
    m_eventMessage = savedMessage;
    m_defaultRan = savedDefault;
    return handled;
}

bool Window::Deliver(QEvent* event, UINT message, WPARAM wParam, LPARAM lParam) {
    m_eventMessage = message;
    m_defaultRan = false;
    Send(message, wParam, lParam);
    if (!m_defaultRan) {
        event->accept();
    }
    return true;
}

bool Window::Translate(QEvent* event) {
    auto* bridge = dynamic_cast<BridgeBase*>(m_widget);
    switch (event->type()) {
    case QEvent::Paint:
        Paint();
        return true;
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(event);
        if (m_trackHover && m_hoverTimer != nullptr) {
            m_hoverTimer->start();
        }
        const QPoint pos = me->position().toPoint() - ClientOrigin();
        m_lastMouse = pos;
        return Deliver(event, WM_MOUSEMOVE, MouseKeyFlags(me),
                       MAKELPARAM(static_cast<WORD>(pos.x()), static_cast<WORD>(pos.y())));
    }
    case QEvent::Leave:
        if (m_hoverTimer != nullptr) {
            m_hoverTimer->stop();
        }
        m_trackHover = false;
        if (m_trackLeave) {
            m_trackLeave = false;
            Post(WM_MOUSELEAVE);
        }
        return bridge->BaseEvent(event);
    case QEvent::Resize:
        EnsureSurface();
        m_erasePending = true;
        m_framePending = true;
        return Deliver(event, WM_SIZE, 0,
                       MAKELPARAM(static_cast<WORD>(ClientRect().width()),
                                  static_cast<WORD>(ClientRect().height())));
    case QEvent::Show:
        m_erasePending = true;
        m_framePending = true;
        return bridge->BaseEvent(event);
    case QEvent::FocusIn:
        return Deliver(event, WM_SETFOCUS, 0, 0);
    case QEvent::FocusOut:
        return Deliver(event, WM_KILLFOCUS, 0, 0);
    case QEvent::Close:
        event->ignore();
        Send(WM_SYSCOMMAND, SC_CLOSE, 0);
        return true;
    case QEvent::KeyPress:
        if (TranslateDialogKey(event)) {
            return true;
        }
        return bridge->BaseEvent(event);
    default:
        if (HandleOtherEvent(event)) {
            return true;
        }
        return bridge->BaseEvent(event);
    }
}

void Window::EnsureSurface() {
    const QSize size = m_widget != nullptr ? m_widget->size() : m_rect.size();
    if (m_surface.size() == size) {
        return;
    }
    QImage grown(size, QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    if (!m_surface.isNull()) {
        QPainter copy(&grown);
        copy.drawImage(0, 0, m_surface);
    }
    m_surface = std::move(grown);
}

void Window::Paint() {
    EnsureSurface();
    m_inPaint = true;
    if (m_erasePending) {
        m_erasePending = false;
        HDC hdc = GetDC(false);
        Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0);
        delete hdc;
    }
    if (m_framePending) {
        m_framePending = false;
        if (FrameWidth() > 0) {
            Send(WM_NCPAINT, 1, 0);
        }
    }
    m_nativePaint = false;
    Send(WM_PAINT);
    m_inPaint = false;
    if (m_widget == nullptr) {
        return;
    }
    {
        QPainter show(m_widget);
        show.drawImage(0, 0, m_surface);
    }
    if (m_nativePaint) {
        if (auto* bridge = dynamic_cast<BridgeBase*>(m_widget)) {
            bridge->BaseEvent(m_currentEvent);
        }
    }
}

} // namespace platform
