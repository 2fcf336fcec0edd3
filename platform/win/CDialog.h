// The dialog object: a window made from a dialog template and run modally. OK runs the data
// exchange in the saving direction and ends the dialog only if it succeeds.
#pragma once

#include "platform/win/CWnd.h"
#include "platform/win/WindowCreationError.h"

namespace platform {
class DialogWindow;
struct DialogTemplate;
} // namespace platform

constexpr int kDoModalFailed = -1;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog window, runs it until it ends and destroys it; returns the result
    // given to EndDialog, or -1 when the window could not be created.
    virtual intptr_t DoModal();
    void EndDialog(int nResult);
    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel();
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    // Makes the dialog window of a template, owned by pOwner's window when there is one,
    // attached to this object and with its controls; nullptr when that fails.
    platform::DialogWindow* CreateDialogWindow(const platform::DialogTemplate& t, CWnd* pOwner);
};
