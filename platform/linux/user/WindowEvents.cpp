// The Qt event bridge: each Qt event of the window's widget becomes the window message it
// stands for, and the widget's own handling runs only when the window procedure leaves the
// message to DefWindowProc.
#include "platform/linux/user/Window.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QWidget>

namespace engine {

namespace {

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
        const QPoint pos = me->position().toPoint() - ClientOrigin();
        m_mouse.Moved(pos);
        return Deliver(event, WM_MOUSEMOVE, MouseKeyFlags(me),
                       MAKELPARAM(static_cast<WORD>(pos.x()), static_cast<WORD>(pos.y())));
    }
    case QEvent::Leave:
        m_mouse.Left();
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
    case QEvent::ScreenChangeInternal:
        // Another screen may have another ratio: the next paint draws on a surface at it.
        Invalidate(true);
        InvalidateFrame();
        return bridge->BaseEvent(event);
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

} // namespace engine
