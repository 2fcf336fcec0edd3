// A run's site mode.
#include "cli/SiteRun.h"

#include "cli/ExitCode.h"
#include "cli/SettingNames.h"
#include "site/FileBytes.h"
#include "site/PlanReader.h"
#include "site/ValueText.h"

namespace cli {

namespace {

constexpr const char* kNothingSent = "什么也没有发送。";

// The text of a plan row's value for a setting; none where the plan does not give it.
std::optional<std::string> PlannedText(const site::PlanRow& row, DeviceOpcode opcode) {
    const auto address = [](const std::optional<Ipv4Octets>& value) {
        return value ? std::optional<std::string>(site::FormatIpv4(*value)) : std::nullopt;
    };
    switch (opcode) {
    case DeviceOpcode::ServerAddress:
        return address(row.server);
    case DeviceOpcode::ControllerAddress:
        return site::FormatIpv4(row.controller);
    case DeviceOpcode::SubnetMask:
        return address(row.mask);
    case DeviceOpcode::GatewayAddress:
        return address(row.gateway);
    case DeviceOpcode::MacAddress:
        break;
    }
    return site::FormatMac(row.mac);
}

// "--server、--mask".
void AddOption(std::string& list, std::string_view key) {
    list.append(list.empty() ? "--" : "、--").append(key);
}

} // namespace

SiteRun::SiteRun(const CliOptions& options) : m_planFile(options.planFile) {
    if (options.recordFile.empty()) {
        return;
    }
    site::SiteOptions siteOptions;
    siteOptions.record = site::PathFromText(options.recordFile);
    if (!options.planFile.empty()) {
        siteOptions.plan = site::PathFromText(options.planFile);
    }
    siteOptions.advance = false;
    site::SiteOpening opening = site::SiteSession::Open(siteOptions);
    if (!opening.session) {
        // The opening stops at the first of record, plan and append check that fails; only a
        // bad plan is the command line's fault.
        if (!siteOptions.plan.empty()) {
            const site::PlanReading plan = site::PlanReader::ReadFile(siteOptions.plan);
            if (!plan.ok) {
                throw RunStop(ExitCode::BadArguments, plan.message + "\n" + kNothingSent);
            }
        }
        throw RunStop(ExitCode::RecordFailed, opening.message + "\n" + kNothingSent);
    }
    m_session.emplace(std::move(*opening.session));
    m_notice = std::move(opening.notice);
}

SettingTexts SiteRun::NextUnit(const SettingTexts& given) const {
    const site::PlanRow* row = m_session ? m_session->NextPlanRow() : nullptr;
    if (row == nullptr) {
        throw RunStop(ExitCode::PlanDone,
                      "计划表“" + m_planFile + "”中的每一台都已写入，记录中已有 " +
                          std::to_string(m_session ? m_session->UnitsSent() : 0) +
                          " 台：计划已全部写完。" + kNothingSent);
    }
    SettingTexts texts = given;
    std::string both;
    std::string missing;
    for (const SettingName& name : kSettingNames) {
        std::optional<std::string>& text = texts.*name.text;
        const std::optional<std::string> planned = PlannedText(*row, name.opcode);
        if (planned && text) {
            AddOption(both, name.key);
        } else if (planned) {
            text = planned;
        } else if (!text) {
            AddOption(missing, name.key);
        }
    }
    std::string problems;
    if (!both.empty()) {
        problems = "计划表第 " + std::to_string(row->line) + " 行（" + row->label + "）已给出 " +
                   both + " 的值，命令行上不能再给：否则记录中这一行的标签与写入的值不符。";
    }
    if (!missing.empty()) {
        problems.append(problems.empty() ? "" : "\n")
            .append("计划表没有给出 " + missing +
                    " 的值：请在命令行上给出（每一台相同的值），例如 --server 192.168.1.10。");
    }
    if (!problems.empty()) {
        throw UsageError(problems);
    }
    return texts;
}

std::vector<std::vector<site::Warning>> SiteRun::Check(const WriteJob& job) const {
    const auto check = [&](site::WriteKind kind) {
        return m_session ? m_session->Check(kind, job.values)
                         : site::Guards::Check(kind, job.values, m_noRecord);
    };
    if (job.IsWriteAll()) {
        return {check(site::WriteKind::All)};
    }
    std::vector<std::vector<site::Warning>> warnings;
    for (const JobFrame& frame : job.frames) {
        warnings.push_back(check(frame.kind));
    }
    return warnings;
}

SiteRecorded SiteRun::Record(const WriteJob& job, const WriteOutcome& outcome,
                             const std::vector<std::vector<site::Warning>>& overridden) {
    SiteRecorded recorded;
    if (!m_session) {
        return recorded;
    }
    const auto record = [&](site::WriteKind kind, std::size_t line, const std::string& error) {
        site::WriteReport report{kind, job.values, outcome.port, error, {}};
        if (line < overridden.size()) {
            report.overridden = overridden[line];
        }
        const bool planned = kind == site::WriteKind::All && m_session->HasPlan();
        site::WriteRecorded written = m_session->Record(report);
        recorded.appends.push_back(std::move(written.append));
        if (planned && written.next) {
            recorded.message = "下一台：" + m_session->NextLabel() + "。";
        } else if (planned) {
            recorded.message = written.message;
        }
    };
    if (job.IsWriteAll()) {
        record(site::WriteKind::All, 0, outcome.error);
        return recorded;
    }
    for (std::size_t i = 0; i < job.frames.size(); ++i) {
        if (i < outcome.framesSent) {
            record(job.frames[i].kind, i, {});
        } else if (!outcome.error.empty() && !outcome.stoppedBetweenFrames) {
            record(job.frames[i].kind, i, outcome.error);
            break;
        }
    }
    return recorded;
}

} // namespace cli
