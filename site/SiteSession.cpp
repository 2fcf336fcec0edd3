// A site while its mode is on.
#include "site/SiteSession.h"

#include "site/Advance.h"
#include "site/LocalTime.h"
#include "site/PlanReader.h"
#include "site/RecordReader.h"

namespace site {

SiteOpening SiteSession::Open(const SiteOptions& options) {
    SiteOpening opening;
    RecordReading record = RecordReader::ReadFile(options.record);
    if (!record.ok) {
        opening.message = record.message;
        return opening;
    }
    std::optional<Plan> plan;
    if (!options.plan.empty()) {
        PlanReading reading = PlanReader::ReadFile(options.plan);
        if (!reading.ok) {
            opening.message = reading.message;
            return opening;
        }
        plan = std::move(reading.plan);
    }
    RecordAppender appender(options.record);
    if (std::string problem = appender.Check(); !problem.empty()) {
        opening.message = std::move(problem);
        return opening;
    }
    opening.notice = record.droppedTail;
    opening.session.emplace(SiteSession(std::move(appender), std::move(record.state),
                                        std::move(plan), options.advance));
    return opening;
}

const PlanRow* SiteSession::NextPlanRow() const {
    return m_plan ? m_plan->NextRow(m_record) : nullptr;
}

std::string SiteSession::NextLabel() const {
    const PlanRow* row = NextPlanRow();
    return row ? row->label : std::string();
}

std::string SiteSession::Status() const {
    std::string status = "现场：已写 " + std::to_string(UnitsSent()) + " 台";
    if (const PlanRow* row = NextPlanRow()) {
        status += "，下一台 " + row->label;
    } else if (m_plan) {
        status += "，计划已全部写完";
    }
    return status;
}

UnitValues SiteSession::Prefill(const UnitValues& current) const {
    const PlanRow* row = NextPlanRow();
    return row ? row->Over(current) : current;
}

std::vector<Warning> SiteSession::Check(WriteKind kind, const UnitValues& values) const {
    return Guards::Check(kind, values, m_record);
}

WriteRecorded SiteSession::Record(const WriteReport& report,
                                  std::chrono::system_clock::time_point when) {
    RecordEntry entry;
    entry.sequence = m_record.NextSequence();
    entry.time = LocalTimestamp(when);
    entry.label = NextLabel();
    entry.port = report.port;
    entry.kind = report.kind;
    entry.values = report.values;
    entry.result = report.error.empty() ? std::string(kResultSent) : report.error;
    entry.note = Guards::Note(report.overridden);
    WriteRecorded recorded;
    recorded.append = m_appender.Append(entry);
    m_record.Add(entry);
    if (entry.kind == WriteKind::All && entry.Sent()) {
        const WriteRecorded next = NextUnit(entry.values);
        recorded.next = next.next;
        recorded.message = next.message;
    }
    return recorded;
}

WriteRecorded SiteSession::NextUnit(const UnitValues& sent) const {
    WriteRecorded next;
    if (m_plan) {
        if (const PlanRow* row = m_plan->NextRow(m_record)) {
            next.next = row->Over(sent);
        } else {
            next.message =
                "计划中的 " + std::to_string(m_plan->rows.size()) + " 台中控已全部写完。";
        }
    } else if (m_advance) {
        AdvanceResult advanced = Advance::Next(sent, m_record);
        next.next = advanced.next;
        next.message = std::move(advanced.message);
    }
    return next;
}

} // namespace site
