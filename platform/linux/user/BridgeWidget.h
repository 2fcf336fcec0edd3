// A Qt widget class whose events go to the window it shows before the widget sees them.
#pragma once

#include "platform/linux/user/Window.h"

#include <QEvent>
#include <utility>

namespace engine {

template <class QBase> class BridgeWidget : public QBase, public BridgeBase {
public:
    template <class... Args>
    explicit BridgeWidget(Window* window, Args&&... args)
        : QBase(std::forward<Args>(args)...), m_window(window) {}

    Window* OwnerWindow() const override { return m_window; }
    void Disown() override { m_window = nullptr; }
    bool BaseEvent(QEvent* event) override { return QBase::event(event); }

protected:
    // Until the window has taken the widget (its constructor is still setting it up), and
    // after it has let it go, the widget handles its events alone.
    bool event(QEvent* event) override {
        const bool bridged = m_window != nullptr && m_window->Widget() == this;
        return bridged ? m_window->HandleEvent(event) : QBase::event(event);
    }

private:
    Window* m_window;
};

} // namespace engine
