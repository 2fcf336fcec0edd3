#include "platform/win/CDialog.h"

#include "platform/win/CWinApp.h"
#include "platform/win/DialogWindow.h"
#include "platform/win/MessageMapEntries.h"
#include "platform/win/Resources.h"

#include <QWidget>

BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, OnOK)
ON_COMMAND(IDCANCEL, OnCancel)
ON_MESSAGE(WM_INITDIALOG, HandleInitDialog)
END_MESSAGE_MAP()

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

intptr_t CDialog::DoModal() {
    platform::SetWindowCreationError({});
    const platform::DialogTemplate* t = platform::FindDialogTemplate(m_nIDTemplate);
    if (t == nullptr) {
        platform::SetWindowCreationError("没有对话框模板 " + std::to_string(m_nIDTemplate) + "。");
        return kDoModalFailed;
    }
    // Without a parent a dialog is owned by the main window, as the framework does, so that
    // the About box stays above the dialog that opened it.
    CWnd* pOwner = m_pParentWnd;
    if (pOwner == nullptr && AfxGetApp() != nullptr && AfxGetApp()->m_pMainWnd != this) {
        pOwner = AfxGetApp()->m_pMainWnd;
    }
    platform::DialogWindow* window = CreateDialogWindow(*t, pOwner);
    if (window == nullptr) {
        return kDoModalFailed;
    }
    if (SendMessage(WM_INITDIALOG, 0, 0) != FALSE) {
        window->FocusFirstTabStop();
    }
    const int result = window->RunModal();
    DestroyWindow();
    return result;
}

platform::DialogWindow* CDialog::CreateDialogWindow(const platform::DialogTemplate& t,
                                                    CWnd* pOwner) {
    const platform::DialogBaseUnits units = platform::BaseUnitsForFont(t.fontFace, t.pointSize);
    const RECT px = platform::MapDialogRect(RECT{0, 0, t.cx, t.cy}, units);
    platform::WindowParams params;
    params.style = t.style;
    params.exStyle = t.exStyle;
    params.rect = QRect(0, 0, px.right, px.bottom);
    params.text = t.caption;
    auto owned = std::make_unique<platform::DialogWindow>(params);
    if (pOwner != nullptr && pOwner->m_hWnd != nullptr && pOwner->m_hWnd->Widget()) {
        owned->Widget()->setParent(pOwner->m_hWnd->Widget(), owned->Widget()->windowFlags());
    }
    platform::DialogWindow* window = owned.get();
    CREATESTRUCT cs;
    cs.cx = px.right;
    cs.cy = px.bottom;
    cs.style = static_cast<LONG>(t.style);
    cs.lpszName = t.caption.c_str();
    cs.dwExStyle = t.exStyle;
    if (!AttachCreated(std::move(owned), &cs)) {
        platform::SetWindowCreationError("窗口拒绝了创建请求。");
        return nullptr;
    }
    if (!window->CreateControls(t)) {
        DestroyWindow();
        return nullptr;
    }
    return window;
}

void CDialog::EndDialog(int nResult) {
    if (auto* window = dynamic_cast<platform::DialogWindow*>(m_hWnd)) {
        window->EndModal(nResult);
    }
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

void CDialog::OnCancel() {
    EndDialog(IDCANCEL);
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    return OnInitDialog();
}
