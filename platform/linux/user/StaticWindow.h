// The static window class: a text label or an icon. Each paint asks the parent for its
// colours and draws with the font, colours, mode and brush that come back.
#pragma once

#include "platform/linux/user/Window.h"

namespace engine {

class StaticWindow : public Window {
public:
    explicit StaticWindow(const WindowParams& params);

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool IsIcon() const { return (Style() & SS_TYPEMASK) == SS_ICON; }
    void SetIcon(HICON icon);

private:
    void PaintLabel();
    UINT TextFormat() const;
    void GrowToFit(int missing);

    HICON m_icon = nullptr;
};

} // namespace engine
