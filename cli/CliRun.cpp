// The run.
#include "cli/CliRun.h"

#include "cli/CliOptions.h"
#include "cli/Console.h"
#include "cli/ExitCode.h"
#include "cli/HelpText.h"
#include "cli/PortListing.h"
#include "cli/RunReport.h"
#include "cli/SerialFramePort.h"
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
// when asked to.
int Send(const WriteJob& job, RunReport& report) {
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
            report.Say(StopText(StopRequest::Signal(), report));
            return report.FinishStopped(StopRequest::Signal());
        }
    } catch (const serial::PortError& error) {
        port.CloseQuietly();
        report.Say(error.what());
        const ExitCode code = ExitCodeFor(error.Code(), report.FramesSent());
        if (code == ExitCode::WriteFailed) {
            report.Say(SentCount(report) + "：只有已发出的几项写入了中控。");
        }
        return report.Finish(code);
    }
    report.Say("已向 " + report.PortText() + " 发送 " + std::to_string(report.FramesSent()) +
               " 帧。");
    return report.Finish(ExitCode::Sent);
}

// The site mode's record, plan and checks are not joined to the command line yet: refused
// rather than ignored, so that no run seems to have recorded or checked what it did not.
void RefuseSiteMode(const CliOptions& options) {
    if (!options.recordFile.empty() || options.next || options.check) {
        throw UsageError("现场模式的选项（--record、--plan、--next、--check、--force）在这个版本中"
                         "还不能使用。什么也没有发送。");
    }
}

int Write(const CliOptions& options, RunReport& report) {
    RefuseSiteMode(options);
    const WriteJob job = PrepareWriteJob(options, options.settings);
    if (job.port) {
        report.SetPort(*job.port);
    }
    for (const JobFrame& frame : job.frames) {
        report.AddFrame(frame.command, frame.value);
    }
    if (options.dryRun) {
        report.SetDryRun();
        for (std::size_t i = 0; i < job.frames.size(); ++i) {
            report.ShowFrame(i);
        }
        return report.Finish(ExitCode::Sent);
    }
    return Send(job, report);
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
    } catch (const UsageError& error) {
        report.Say(std::string(error.what()) + "\n" + kSeeHelp);
        return report.Finish(ExitCode::BadArguments);
    } catch (const std::exception& error) {
        report.Say(std::string("意外错误：") + error.what());
        return report.Finish(ExitCode::Failed);
    }
}

} // namespace cli
