// The dialog object: a window made from a dialog template and run modally. OK runs the data
// exchange in the saving direction and ends the dialog only if it succeeds.
#pragma once

#include "platform/afx/CWnd.h"

#include <string>

namespace afx {
struct DialogTemplate;

// Why the last dialog window could not be created (empty if it was): the dialog records the
// reason where it fails (a refused creation request, a missing template, a control it cannot
// make), so that the program can tell the user instead of vanishing.
const std::string& LastWindowCreationError();
} // namespace afx

constexpr int kDoModalFailed = -1;

class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIDTemplate, CWnd* pParentWnd = nullptr);

    // Creates the dialog window, runs it until it ends and destroys it; returns the result
    // given to EndDialog, or -1 when the window could not be created.
    virtual intptr_t DoModal();
    void EndDialog(int nResult) { ::EndDialog(m_hWnd, nResult); }
    virtual BOOL OnInitDialog();

protected:
    virtual void OnOK();
    virtual void OnCancel() { EndDialog(IDCANCEL); }
    // Makes what the system's dialog manager cannot (hosted controls, combo box entries),
    // then lets the dialog procedure call OnInitDialog.
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);

    UINT m_nIDTemplate;
    CWnd* m_pParentWnd;

    DECLARE_MESSAGE_MAP()

private:
    // Creates the template's hosted controls and fills its combo boxes; FALSE, with the
    // reason recorded, when a hosted control cannot be made.
    BOOL CreateDlgControls();

    const afx::DialogTemplate* m_pTemplate = nullptr;
};
