// The drop-down list combo box window class, over a Qt combo box.
#pragma once

#include "platform/win/Window.h"

#include <string>

class QComboBox;

namespace platform {

class ComboBoxWindow : public Window {
public:
    explicit ComboBoxWindow(const WindowParams& params);

    std::string Text() const override;
    void SetFont(HFONT font) override;
    // Adds a string (in order when the list is sorted); returns its index.
    int AddString(const std::string& text);
    int GetCurSel() const;
    int SetCurSel(int index);
    std::string GetLBText(int index) const;

protected:
    bool PaintsNatively() const override { return true; }

private:
    void FitHeight();

    QComboBox* m_combo;
};

} // namespace platform
