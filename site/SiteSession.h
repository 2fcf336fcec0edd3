// A site while its mode is on: the record read back and appended to, the optional plan, the
// advance after each unit, and the guards. The dialog and the command line drive a write the
// same way through it:
//
//   before: CheckRecord() (say so and send nothing when it fails), Check(kind, values) (ask,
//           default No), with a plan Prefill() into the boxes beforehand;
//   after:  Record(report) with how the write ended; show its append's MissingLineMessage()
//           when the line could not be appended, put next into the boxes, show message.
#pragma once

#include "site/Guards.h"
#include "site/Plan.h"
#include "site/RecordAppender.h"
#include "site/RecordState.h"
#include "site/UnitValues.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace site {

struct SiteOptions {
    // A new file, or an existing record to continue.
    std::filesystem::path record;
    // Empty without a plan.
    std::filesystem::path plan;
    // Whether the controller address and the MAC advance after each unit (without a plan).
    bool advance = true;
};

// One write as it ended.
struct WriteReport {
    WriteKind kind = WriteKind::All;
    // The values as sent (for a single write, the one it sends counts).
    UnitValues values;
    // The port and its device, "COM1（/dev/ttyUSB0）".
    std::string port;
    // Empty when every frame went out; else the message that stopped the write.
    std::string error;
    // The warnings the technician answered "Yes" to.
    std::vector<Warning> overridden;
};

struct WriteRecorded {
    AppendResult append;
    // After a sent write-all: the next unit's values for the boxes (the plan's next row, or
    // the advanced values); none when the boxes stay as they are.
    std::optional<UnitValues> next;
    // Why they did not change (values ran out, the plan is done); empty otherwise.
    std::string message;
};

struct SiteOpening;

class SiteSession {
public:
    // Reads the record (a missing file is a new site) and the plan, and checks that the record
    // can be appended to.
    static SiteOpening Open(const SiteOptions& options);

    std::uint64_t UnitsSent() const { return m_record.UnitsSent(); }
    bool HasPlan() const { return m_plan.has_value(); }
    // The plan's next row; null without a plan or when every row is done.
    const PlanRow* NextPlanRow() const;
    // The label the next write records: the plan's next row's; empty without one.
    std::string NextLabel() const;
    // "现场：已写 12 台，下一台 301 教室", for the caption.
    std::string Status() const;
    // The values for the boxes before the next write-all: the plan's next row over current.
    UnitValues Prefill(const UnitValues& current) const;

    // Empty when the record can take a line now; else the message, and nothing may be sent.
    std::string CheckRecord() const { return m_appender.Check(); }
    // The questions to ask before sending.
    std::vector<Warning> Check(WriteKind kind, const UnitValues& values) const;
    // Appends the write's line (numbered, timed now, labelled) and takes it into the state,
    // even when the append failed, since the frames went out; after a sent write-all, the
    // next unit's values.
    WriteRecorded
    Record(const WriteReport& report,
           std::chrono::system_clock::time_point when = std::chrono::system_clock::now());

    const RecordState& State() const { return m_record; }
    const std::filesystem::path& RecordPath() const { return m_appender.Path(); }

private:
    SiteSession(RecordAppender appender, RecordState record, std::optional<Plan> plan, bool advance)
        : m_appender(std::move(appender)), m_record(std::move(record)), m_plan(std::move(plan)),
          m_advance(advance) {}
    // The boxes' values after a sent write-all, or the message why they stay.
    WriteRecorded NextUnit(const UnitValues& sent) const;

    RecordAppender m_appender;
    RecordState m_record;
    std::optional<Plan> m_plan;
    bool m_advance = true;
};

struct SiteOpening {
    // None when the site cannot start; message says why.
    std::optional<SiteSession> session;
    std::string message;
    // Something to tell although the site started (a broken last record line left out).
    std::string notice;
};

} // namespace site
