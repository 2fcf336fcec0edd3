// The single-line edit window class: a Qt line edit for typing, selection and the clipboard,
// drawn over the edit's own surface, whose frame a window class may paint itself.
#pragma once

#include "platform/linux/user/Window.h"

#include <string>

class QLineEdit;

namespace engine {

class EditWindow : public Window {
public:
    explicit EditWindow(const WindowParams& params);

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    std::string Text() const override;
    void SetText(const std::string& text) override;
    // Selects characters [start, end) of the text; end -1 selects to the end.
    void SetSel(int start, int end);

protected:
    bool PaintsNatively() const override { return true; }

private:
    void FillBackground();

    QLineEdit* m_edit;
};

} // namespace engine
