// The run.
#include "cli/CliRun.h"

#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/HelpText.h"
#include "cli/PortListing.h"
#include "cli/RunReport.h"
#include "cli/SerialFramePort.h"
#include "cli/SiteRun.h"
#include "cli/StopRequest.h"
#include "cli/WriteJob.h"
#include "device/WriteRule.h"
#include "platform/serial/CommErrors.h"
#include "platform/serial/SystemSerialPorts.h"

#include <csignal>
#include <exception>

namespace cli {

namespace {

constexpr const char* kSeeHelp = "用法见 tavrin-cli --help。";

int ListPorts(bool json) {
    const std::vector<serial::SerialDevice> devices = serial::SystemSerialDevices();
    if (json) {
        Console::Out(PortListingJson(devices));
    }
    if (devices.empty()) {
        Console::Err(NoPortsText());
    } else if (!json) {
        Console::Out(PortListingText(devices));
    }
    return static_cast<int>(ExitCode::Sent);
}

// "已发出 2 帧（共 5 帧）".
std::string SentCount(const RunReport& report) {
    return "已发出 " + std::to_string(report.FramesSent()) + " 帧（共 " +
           std::to_string(report.FrameCount()) + " 帧）";
}

std::string StopText(int signal, const RunReport& report) {
    const std::string cause = signal == SIGINT ? "按了 Ctrl+C" : "收到停止信号";
    return cause + "，已在两帧之间停止：" + SentCount(report) + "，串口已关闭。";
}

// Sends the job's frames under the write rule, pausing after each, stopping between frames
// when asked to. The status, or none when a stop request ended the write; outcome gets the
// message that stopped it.
std::optional<ExitCode> Send(const WriteJob& job, RunReport& report, WriteOutcome& outcome) {
    SerialFramePort port(*job.port, [&report](std::size_t index) { report.FrameSent(index); });
    std::vector<NextFrame> steps;
    for (const JobFrame& frame : job.frames) {
        steps.push_back([&frame]() -> std::optional<DeviceCommand> {
            if (StopRequest::Signal() != 0) {
                return std::nullopt;
            }
            return frame.command;
        });
    }
    try {
        const bool whole = WriteFrames(
            port, steps, [](std::chrono::milliseconds time) { StopRequest::Pause(time); });
        port.CloseQuietly();
        if (!whole) {
            outcome.error = StopText(StopRequest::Signal(), report);
            outcome.stoppedBetweenFrames = true;
            report.Say(outcome.error);
            return std::nullopt;
        }
    } catch (const serial::PortError& error) {
        port.CloseQuietly();
        outcome.error = error.what();
        report.Say(outcome.error);
        const ExitCode code = ExitCodeFor(error.Code(), report.FramesSent());
        if (code == ExitCode::WriteFailed) {
            report.Say(SentCount(report) + "：只有已发出的几项写入了中控。");
        }
        return code;
    }
    report.Say("已向 " + report.PortText() + " 发送 " + std::to_string(report.FramesSent()) +
               " 帧。");
    return ExitCode::Sent;
}

// Stops the run before sending when the checks found anything, with their question on
// standard error; with --force the run goes on and says what it sends anyway.
void ApplyChecks(const std::vector<std::vector<site::Warning>>& found, bool force,
                 RunReport& report) {
    std::vector<site::Warning> warnings;
    for (const std::vector<site::Warning>& line : found) {
        warnings.insert(warnings.end(), line.begin(), line.end());
    }
    if (warnings.empty()) {
        return;
    }
    if (!force) {
        throw RunStop(ExitCode::BadArguments,
                      site::Guards::Question(warnings) +
                          "\n\n已停止，什么也没有发送。确认无误、要照样写入时，加上 --force。");
    }
    report.Say("--force：检查出的问题照样写入，记录中注明（" + site::Guards::Note(warnings) +
               "）。");
}

// Appends the record's lines of a write that began to send; the status becomes 6 when a line
// is missing from the record although every frame went out.
ExitCode Record(SiteRun& site, const WriteJob& job, const WriteOutcome& outcome,
                const std::vector<std::vector<site::Warning>>& overridden, ExitCode code,
                RunReport& report) {
    const SiteRecorded recorded = site.Record(job, outcome, overridden);
    std::string lines;
    for (const site::AppendResult& append : recorded.appends) {
        lines.append(lines.empty() ? "" : "\n").append(append.line);
        if (!append.ok) {
            report.Say(append.MissingLineMessage());
            code = code == ExitCode::Sent ? ExitCode::RecordFailed : code;
        }
    }
    report.SetRecordLine(lines);
    if (!recorded.message.empty()) {
        report.Say(recorded.message);
    }
    return code;
}

int Write(const CliOptions& options, RunReport& report) {
    // A record is kept to catch the unit written twice: writing one always checks.
    const bool check = options.check || !options.recordFile.empty();
    SiteRun site(options);
    if (!site.Notice().empty()) {
        report.Say(site.Notice());
    }
    CliOptions unit = options;
    if (options.next) {
        unit.settings = site.NextUnit(options.settings);
        unit.all = true;
        report.SetUnit(site.Label());
        report.Say("计划中的下一台：" + site.Label() + "。");
    }
    const WriteJob job = PrepareWriteJob(unit, unit.settings);
    if (job.port) {
        report.SetPort(*job.port);
    }
    for (const JobFrame& frame : job.frames) {
        report.AddFrame(frame.command, frame.value);
    }
    std::vector<std::vector<site::Warning>> overridden;
    if (check) {
        overridden = site.Check(job);
        ApplyChecks(overridden, options.force, report);
    }
    if (options.dryRun) {
        report.SetDryRun();
        for (std::size_t i = 0; i < job.frames.size(); ++i) {
            report.ShowFrame(i);
        }
        return report.Finish(ExitCode::Sent);
    }
    WriteOutcome outcome;
    outcome.port = report.PortText();
    const std::optional<ExitCode> sent = Send(job, report, outcome);
    outcome.framesSent = report.FramesSent();
    // A failed open sent nothing: no unit changed, so nothing is recorded.
    const bool began =
        sent ? *sent == ExitCode::Sent || *sent == ExitCode::WriteFailed : outcome.framesSent > 0;
    const ExitCode code = began && site.HasRecord() ? Record(site, job, outcome, overridden,
                                                             sent.value_or(ExitCode::Sent), report)
                                                    : sent.value_or(ExitCode::Sent);
    return sent ? report.Finish(code) : report.FinishStopped(StopRequest::Signal());
}

} // namespace

int Main(const std::vector<std::string>& args) {
    StopRequest::Install();
    RunReport report(WantsJson(args));
    try {
        const CliOptions options = ParseOptions(args);
        if (options.help) {
            Console::Out(HelpText());
            return static_cast<int>(ExitCode::Sent);
        }
        if (options.version) {
            Console::Out(VersionText());
            return static_cast<int>(ExitCode::Sent);
        }
        if (options.listPorts) {
            return ListPorts(options.json);
        }
        return Write(options, report);
    } catch (const RunStop& stop) {
        report.Say(stop.what());
        return report.Finish(stop.Code());
    } catch (const UsageError& error) {
        report.Say(std::string(error.what()) + "\n" + kSeeHelp);
        return report.Finish(ExitCode::BadArguments);
    } catch (const std::exception& error) {
        report.Say(std::string("意外错误：") + error.what());
        return report.Finish(ExitCode::Failed);
    }
}

} // namespace cli
