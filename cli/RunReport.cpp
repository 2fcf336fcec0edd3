// The run's report.
#include "cli/RunReport.h"

#include "cli/Console.h"
#include "cli/PortArgument.h"
#include "cli/SettingNames.h"
#include "platform/serial/CommErrors.h"

#include <algorithm>

namespace cli {

namespace {

constexpr std::string_view kProgram = "tavrin-cli：";
constexpr std::string_view kStoppedOutcome = "stopped";

} // namespace

void RunReport::SetPort(const PortArgument& port) {
    m_port = port.name;
    m_device = port.path;
    m_portText =
        port.IsNumbered() ? serial::PortIdentity{port.name, port.path, {}}.Describe() : port.path;
}

void RunReport::AddFrame(const DeviceCommand& command, const std::string& value) {
    m_frames.push_back({command.Opcode(), value, HexText(command)});
}

void RunReport::FrameSent(std::size_t index) {
    m_frames.at(index).sent = true;
    ShowFrame(index);
}

void RunReport::ShowFrame(std::size_t index) const {
    const Frame& frame = m_frames.at(index);
    if (!m_json) {
        Console::Out(frame.hex + "  " + std::string(NameOf(frame.opcode).label) + " " +
                     frame.value + "\n");
    }
}

std::size_t RunReport::FramesSent() const {
    return static_cast<std::size_t>(
        std::count_if(m_frames.begin(), m_frames.end(), [](const Frame& f) { return f.sent; }));
}

void RunReport::Say(const std::string& message) {
    m_messages.push_back(message);
    Console::Err(std::string(kProgram) + message + "\n");
}

int RunReport::Finish(ExitCode code) {
    return Finish(static_cast<int>(code), OutcomeName(code));
}

int RunReport::FinishStopped(int signal) {
    return Finish(kSignalExitBase + signal, kStoppedOutcome);
}

int RunReport::Finish(int status, std::string_view outcome) {
    if (!m_json) {
        return status;
    }
    std::vector<JsonObject> frames;
    for (const Frame& frame : m_frames) {
        frames.push_back(JsonObject()
                             .Add("setting", NameOf(frame.opcode).key)
                             .Add("value", frame.value)
                             .Add("hex", frame.hex)
                             .Add("sent", frame.sent));
    }
    std::string message;
    for (const std::string& line : m_messages) {
        message.append(message.empty() ? "" : "\n").append(line);
    }
    const JsonObject report = JsonObject()
                                  .Add("port", m_port)
                                  .Add("device", m_device)
                                  .Add("unit", m_unit)
                                  .Add("dry_run", m_dryRun)
                                  .Add("frames", frames)
                                  .Add("frames_sent", static_cast<long long>(FramesSent()))
                                  .Add("outcome", outcome)
                                  .Add("exit_code", static_cast<long long>(status))
                                  .Add("message", message)
                                  .Add("record_line", m_recordLine);
    Console::Out(report.Text() + "\n");
    return status;
}

} // namespace cli
