// The button window class: a Qt push button underneath (a check box for BS_AUTOCHECKBOX); with the
// owner-draw style every pixel comes from the parent's owner-draw handling instead.
#pragma once

#include "platform/linux/user/Window.h"

#include <string>

class QAbstractButton;

namespace engine {

class ButtonWindow : public Window {
public:
    explicit ButtonWindow(const WindowParams& params);

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SetText(const std::string& text) override;
    void SetStyle(DWORD style) override;
    bool IsOwnerDraw() const { return (Style() & BS_TYPEMASK) == BS_OWNERDRAW; }
    // The owner-draw state bits (ODS_*) the button is in now.
    UINT ItemState() const;

protected:
    bool PaintsNatively() const override { return !IsOwnerDraw(); }

private:
    void EraseWithParentBrush(HDC hdc);
    void RequestDrawItem();

    QAbstractButton* m_button;
};

} // namespace engine
