// The site mode's start dialog.
#include "dialog/SiteStartDialog.h"

#include "dialog/SiteText.h"
#include "platform/afx/AfxMessageBox.h"
#include "platform/afx/MessageMapEntries.h"
#include "res/Resource.h"

#include <commdlg.h>

#include <algorithm>
#include <array>
#include <chrono>

namespace {

// The file dialogs' types, as pairs of a description and its patterns.
constexpr LPCTSTR kCsvFilter = TEXT("CSV 文件 (*.csv)\0*.csv\0所有文件 (*)\0*\0");
constexpr LPCTSTR kCsvExtension = TEXT("csv");
constexpr LPCTSTR kRecordTitle = TEXT("选择记录文件（新文件，或继续已有的记录）");
constexpr LPCTSTR kPlanTitle = TEXT("选择计划文件");
constexpr const char* kNoRecordMessage = "请填写记录文件的路径，或按“浏览...”选择一个文件。";
// Long enough for the deepest path either system takes in a file dialog.
constexpr std::size_t kFileNameChars = 4096;

} // namespace

BEGIN_MESSAGE_MAP(CSiteStartDialog, CDialog)
ON_BN_CLICKED(IDC_SITE_RECORD_BROWSE, OnBrowseRecord)
ON_BN_CLICKED(IDC_SITE_PLAN_BROWSE, OnBrowsePlan)
END_MESSAGE_MAP()

CSiteStartDialog::CSiteStartDialog(CWnd* pParent) : CDialog(IDD_SITE_START, pParent) {}

BOOL CSiteStartDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_SITE_RECORD)
        ->SetWindowText(TextOf(DefaultRecordPath(std::chrono::system_clock::now())));
    SendDlgItemMessage(m_hWnd, IDC_SITE_ADVANCE, BM_SETCHECK, BST_CHECKED, 0);
    return TRUE;
}

void CSiteStartDialog::OnOK() {
    site::SiteOptions options;
    options.record = PathOf(BoxText(IDC_SITE_RECORD));
    options.plan = PathOf(BoxText(IDC_SITE_PLAN));
    options.advance =
        SendDlgItemMessage(m_hWnd, IDC_SITE_ADVANCE, BM_GETCHECK, 0, 0) == BST_CHECKED;
    if (options.record.empty()) {
        AfxMessageBox(CString(std::string(kNoRecordMessage)), MB_ICONEXCLAMATION);
        return;
    }
    site::SiteOpening opening = site::SiteSession::Open(options);
    if (!opening.session) {
        AfxMessageBox(CString(opening.message), MB_ICONERROR);
        return;
    }
    m_session = std::move(opening.session);
    m_notice = std::move(opening.notice);
    EndDialog(IDOK);
}

void CSiteStartDialog::OnBrowseRecord() {
    Browse(IDC_SITE_RECORD, true);
}

void CSiteStartDialog::OnBrowsePlan() {
    Browse(IDC_SITE_PLAN, false);
}

void CSiteStartDialog::Browse(int boxId, bool save) {
    std::array<TCHAR, kFileNameChars> name{};
    const CString current = BoxText(boxId);
    std::copy_n(current.GetString(),
                std::min(static_cast<std::size_t>(current.GetLength()), name.size() - 1),
                name.begin());
    OPENFILENAME ofn{};
    ofn.lStructSize = sizeof(ofn);
    ofn.hwndOwner = m_hWnd;
    ofn.lpstrFilter = kCsvFilter;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = kCsvExtension;
    ofn.lpstrTitle = save ? kRecordTitle : kPlanTitle;
    ofn.Flags = OFN_HIDEREADONLY | (save ? OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST);
    if (save ? GetSaveFileName(&ofn) : GetOpenFileName(&ofn)) {
        GetDlgItem(boxId)->SetWindowText(name.data());
    }
}

CString CSiteStartDialog::BoxText(int boxId) const {
    CString text;
    GetDlgItem(boxId)->GetWindowText(text);
    return text;
}
