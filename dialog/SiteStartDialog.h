// The dialog that starts the site mode: the record file (a new one, or an earlier site's to
// continue), an optional plan, and whether the controller address and the MAC advance after
// each unit. OK opens the site; what keeps it from opening is said, and the dialog stays for
// the technician to put it right or cancel.
#pragma once

#include "platform/afx/CDialog.h"
#include "site/SiteSession.h"

#include <optional>
#include <string>

class CSiteStartDialog : public CDialog {
public:
    explicit CSiteStartDialog(CWnd* pParent = nullptr);

    // The site opened by OK; none after Cancel.
    std::optional<site::SiteSession>& Session() { return m_session; }
    // What to tell although the site opened (a broken last line of the record left out).
    const std::string& Notice() const { return m_notice; }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

    // Command handlers.
    void OnBrowseRecord();
    void OnBrowsePlan();

    DECLARE_MESSAGE_MAP()

private:
    // Lets the technician choose a file for the box with the system's dialog: one to save to
    // (a new record, or an existing one to continue, without asking to replace it, since
    // lines are only appended) or one to open.
    void Browse(int boxId, bool save);
    CString BoxText(int boxId) const;

    std::optional<site::SiteSession> m_session;
    std::string m_notice;
};
