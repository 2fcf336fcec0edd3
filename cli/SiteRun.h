// A run's site mode, over the same site logic as the dialog: the record it checks before
// sending and appends to after, the plan --next takes the unit from, and the checks (--check)
// before anything is sent.
#pragma once

#include "cli/CliOptions.h"
#include "cli/WriteJob.h"
#include "site/Guards.h"
#include "site/RecordAppender.h"
#include "site/RecordState.h"
#include "site/SiteSession.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace cli {

// How the frames of a write went out.
struct WriteOutcome {
    std::size_t framesSent = 0;
    // Empty when every frame went out; else the message that stopped the write.
    std::string error;
    // Whether a stop request ended it between two frames (none of the rest began to go out).
    bool stoppedBetweenFrames = false;
    // "COM1（/dev/ttyS0）", or the device path alone.
    std::string port;
};

struct SiteRecorded {
    // One per record line, in the order they were appended.
    std::vector<site::AppendResult> appends;
    // After a write-all from the plan: which unit is next, or that the plan is done.
    std::string message;
};

class SiteRun {
public:
    // Opens what the options ask for: the record and the plan. Throws RunStop: status 6 when
    // the record cannot take a line (or cannot be read), 2 for a plan with bad lines (all of
    // them listed).
    explicit SiteRun(const CliOptions& options);

    // Something to tell although the record opened (a broken last line left out).
    const std::string& Notice() const { return m_notice; }
    bool HasRecord() const { return m_session.has_value(); }
    // The label the next write-all records: the plan's next row's; empty without a plan.
    std::string Label() const { return m_session ? m_session->NextLabel() : std::string(); }

    // --next: the settings of the plan's next row, with the command line's for the settings
    // the plan does not give. Throws RunStop (status 7) when the plan is done, and UsageError
    // for a setting both give (the record's label would not match what was written) or
    // neither.
    SettingTexts NextUnit(const SettingTexts& given) const;
    // The warnings for what each record line of job would hold: one list for a write-all,
    // else one per frame, each checked as its setting's button is.
    std::vector<std::vector<site::Warning>> Check(const WriteJob& job) const;
    // Appends the lines of a write whose frames began to go out: a write-all is one line;
    // otherwise each frame sent is one single write, as pressing its button records it, and
    // the frame an error stopped is one more with the error. overridden holds the warnings
    // sent anyway, as Check gave them (or none).
    SiteRecorded Record(const WriteJob& job, const WriteOutcome& outcome,
                        const std::vector<std::vector<site::Warning>>& overridden);

private:
    std::optional<site::SiteSession> m_session;
    std::string m_notice;
    std::string m_planFile;
    site::RecordState m_noRecord; // what --check compares with without a record
};

} // namespace cli
