// The site mode as the setup dialog shows it: its entries in the system menu, the caption
// that carries the count and the next unit, and each write while it is on: the record's
// check and the guards' questions before any byte is sent, the record's line after, and
// after a write-all that went out, what was sent and the next unit's values in the boxes.
// While it is off, none of this does anything.
#pragma once

#include "platform/afx/CMenu.h"
#include "platform/afx/CWnd.h"
#include "site/SiteSession.h"

#include <functional>
#include <optional>
#include <string>

class SiteMode {
public:
    // Sends a write's frames; false when it stopped before the last one.
    using Send = std::function<bool()>;
    // Puts a unit's values into the dialog's boxes.
    using ShowValues = std::function<void(const site::UnitValues&)>;
    // Reads the values the dialog's boxes hold now.
    using ReadValues = std::function<site::UnitValues()>;

    SiteMode(CWnd& dialog, ShowValues show, ReadValues read)
        : m_dialog(dialog), m_show(std::move(show)), m_read(std::move(read)) {}

    bool IsOn() const { return m_session.has_value(); }
    // Appends a separator and the mode's entries to the system menu.
    void AddMenuEntries(CMenu& menu);
    // Runs a system-menu command of the mode; false for any other command.
    bool OnSysCommand(UINT id);
    // Starts the mode with a session already open (the start dialog's, or a test's).
    void Start(site::SiteSession session);
    void End();

    // Sends a write of kind with send once the record can take its line and the technician
    // has answered every guard's question "Yes"; then records it. An error of send is
    // recorded and passed on.
    void Write(site::WriteKind kind, const site::UnitValues& values, const std::string& port,
               const Send& send);

private:
    void AskAndStart();
    void OpenRecord();
    // Records the write as it ended and tells the technician what became of it.
    void Finish(const site::WriteReport& report);
    // Greys the entries that do not apply now.
    void UpdateMenu();
    void UpdateCaption();

    CWnd& m_dialog;
    ShowValues m_show;
    ReadValues m_read;
    std::optional<site::SiteSession> m_session;
    // The dialog's caption before the mode started, put back when it ends.
    CString m_caption;
};
