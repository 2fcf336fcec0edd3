#include "platform/afx/CDialog.h"

#include "platform/afx/CWinApp.h"
#include "platform/afx/ControlHost.h"
#include "platform/afx/MessageMapEntries.h"
#include "platform/afx/Resources.h"
#include <commctrl.h>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

namespace {

std::string g_creationError;

// The dialog procedure of every dialog: the dialog object, which sees each message first,
// passes on what it leaves; of that only WM_INITDIALOG needs an answer.
INT_PTR CALLBACK AfxDlgProc(HWND hWnd, UINT message, WPARAM, LPARAM) {
    if (message != WM_INITDIALOG) {
        return FALSE;
    }
    auto* pDialog = dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(hWnd));
    return pDialog != nullptr ? pDialog->OnInitDialog() : TRUE;
}

} // namespace

const std::string& afx::LastWindowCreationError() {
    return g_creationError;
}

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

intptr_t CDialog::DoModal() {
    g_creationError.clear();
    m_pTemplate = afx::FindDialogTemplate(m_nIDTemplate);
    if (m_pTemplate == nullptr) {
        g_creationError = "没有对话框模板 " + std::to_string(m_nIDTemplate) + "。";
        return kDoModalFailed;
    }
    // Without a parent a dialog is owned by the main window, as the framework does, so that
    // the About box stays above the dialog that opened it.
    CWnd* pOwner = m_pParentWnd;
    if (pOwner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != this) {
        pOwner = AfxGetApp()->m_pMainWnd;
    }
    // The IP address control is a common control: its class exists once registered.
    INITCOMMONCONTROLSEX controls;
    controls.dwSize = sizeof(controls);
    controls.dwICC = ICC_STANDARD_CLASSES | ICC_INTERNET_CLASSES;
    InitCommonControlsEx(&controls);
    const std::vector<WORD> dialogTemplate = afx::BuildDialogTemplate(*m_pTemplate);
    AfxHookWindowCreate(this);
    const INT_PTR result =
        DialogBoxIndirectParam(nullptr, reinterpret_cast<LPCDLGTEMPLATE>(dialogTemplate.data()),
                               pOwner != nullptr ? pOwner->m_hWnd : nullptr, &AfxDlgProc, 0);
    AfxUnhookWindowCreate();
    m_pTemplate = nullptr;
    if (result == kDoModalFailed && g_creationError.empty()) {
        g_creationError = "系统无法创建对话框或其中的控件。";
    }
    return result;
}

BOOL CDialog::CreateDlgControls() {
    for (const afx::DialogItemTemplate& item : m_pTemplate->items) {
        if (afx::IsHostedItem(item)) {
            RECT rect{item.x, item.y, item.x + item.cx, item.y + item.cy};
            ::MapDialogRect(m_hWnd, &rect);
            if (afx::CreateHostedControl(item.windowClass, CString(item.text),
                                         item.style | WS_CHILD, rect, m_hWnd, item.id) == nullptr) {
                g_creationError = "无法创建控件 " + std::to_string(static_cast<int>(item.id)) +
                                  "（" + item.windowClass + "）：该控件类没有注册。";
                return FALSE;
            }
        }
        for (const std::string& entry : item.initStrings) {
            SendDlgItemMessage(m_hWnd, static_cast<int>(item.id), CB_ADDSTRING, 0,
                               reinterpret_cast<LPARAM>(CString(entry).GetString()));
        }
    }
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE)) {
        EndDialog(IDOK);
    }
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    if (m_pTemplate != nullptr && !CreateDlgControls()) {
        EndDialog(kDoModalFailed);
        return FALSE;
    }
    return Default();
}
