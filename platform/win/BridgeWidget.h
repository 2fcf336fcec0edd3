// A Qt widget class whose events go to the window it shows before the widget sees them.
#pragma once

#include "platform/win/Window.h"

#include <QEvent>
#include <utility>

namespace platform {

template <class QBase> class BridgeWidget : public QBase, public BridgeBase {
public:
    template <class... Args>
    explicit BridgeWidget(Window* window, Args&&... args)
        : QBase(std::forward<Args>(args)...), m_window(window) {}

    Window* OwnerWindow() const override { return m_window; }
    void Disown() override { m_window = nullptr; }
    bool BaseEvent(QEvent* event) override { return QBase::event(event); }

protected:
    bool event(QEvent* event) override {
        // Until the window has taken the widget (while it is being set up) Qt handles alone.
        if (m_window == nullptr || m_window->Widget() != this) {
            return QBase::event(event);
        }
        return m_window->HandleEvent(event);
    }

private:
    Window* m_window;
};

} // namespace platform
