// The dialog window class: a top-level Qt dialog built from a template, with the dialog
// manager's keys (Enter is OK, Esc is Cancel), its own system menu (Alt+Space, or a right
// click on the dialog's empty area) and the modal run.
#pragma once

#include "platform/linux/user/DialogResource.h"
#include "platform/linux/user/Window.h"

#include <string>

class QDialog;

namespace engine {

class DialogWindow : public Window {
public:
    DialogWindow(const WindowParams& params, DLGPROC dialogProc);
    ~DialogWindow() override;

    LRESULT ClassProc(UINT message, WPARAM wParam, LPARAM lParam) override;

    // Makes the controls of a template (in template order, which is the tab order) in the
    // template's font; false when one of them cannot be made.
    bool CreateControls(const DialogResource& dialogTemplate);
    // The dialog units of the template's font.
    DialogBaseUnits Units() const { return m_units; }
    // Puts the focus on the first visible, enabled control with a tab stop.
    void FocusFirstTabStop();
    // Shows the dialog and runs it until EndModal; returns the result given there.
    int RunModal();
    void EndModal(int result);
    // Shows the system menu at a screen position and sends the command chosen.
    void ShowSystemMenu(const QPoint& globalPos);

protected:
    bool DialogKey(QEvent* event, Window* focus) override;
    bool HandleOtherEvent(QEvent* event) override;

private:
    std::unique_ptr<Window> CreateItem(const DialogResourceItem& item, DialogBaseUnits units);
    HICON SetIcon(WPARAM kind, HICON icon);

    QDialog* m_dialog;
    DLGPROC m_dialogProc;
    HFONT m_dialogFont = nullptr;
    DialogBaseUnits m_units;
    HICON m_bigIcon = nullptr;
    HICON m_smallIcon = nullptr;
    bool m_ended = false;
    int m_result = 0;
};

} // namespace engine
