// The drop-down list combo box window class, over a Qt combo box: CB_ADDSTRING and
// CB_SETCURSEL, and CBN_SELCHANGE when the user picks an item.
#pragma once

#include "platform/linux/user/Window.h"

#include <string>

class QComboBox;

namespace engine {

class ComboBoxWindow : public Window {
public:
    explicit ComboBoxWindow(const WindowParams& params);

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string Text() const override;
    void SetFont(HFONT font) override;

protected:
    bool PaintsNatively() const override { return true; }

private:
    // Adds a string (in order when the list is sorted); returns its index.
    int AddString(const std::string& text);
    int SetCurSel(int index);
    void FitHeight();

    QComboBox* m_combo;
};

} // namespace engine
