// What a run tells: on standard output each frame as it goes out (or, with --dry-run, as it
// would), on standard error the messages in Chinese, and with --json, instead of the frame
// lines, one JSON object at the end with the port, the frames, the outcome and the record
// line.
#pragma once

#include "cli/ExitCode.h"
#include "cli/JsonObject.h"
#include "device/DeviceCommand.h"

#include <optional>
#include <string>
#include <vector>

namespace cli {

struct PortArgument;

class RunReport {
public:
    explicit RunReport(bool json) : m_json(json) {}

    void SetPort(const PortArgument& port);
    void SetDryRun() { m_dryRun = true; }
    void SetUnit(const std::string& label) { m_unit = label; }
    // A frame of the run, with the value it carries as sent.
    void AddFrame(const DeviceCommand& command, const std::string& value);
    // The frame at index has gone out: shown, and counted.
    void FrameSent(std::size_t index);
    // The frame at index is shown as it would go out (a dry run).
    void ShowFrame(std::size_t index) const;
    void SetRecordLine(const std::string& line) { m_recordLine = line; }
    // A message on standard error, the JSON report's message too.
    void Say(const std::string& message);

    // Ends the run: the JSON object when asked for; the status to exit with.
    int Finish(ExitCode code);
    // The same for a run stopped by signal.
    int FinishStopped(int signal);

    std::size_t FrameCount() const { return m_frames.size(); }
    std::size_t FramesSent() const;
    // "COM1（/dev/ttyS0）", or the device path alone.
    const std::string& PortText() const { return m_portText; }

private:
    struct Frame {
        DeviceOpcode opcode;
        std::string value;
        std::string hex;
        bool sent = false;
    };

    int Finish(int status, std::string_view outcome);

    bool m_json;
    bool m_dryRun = false;
    std::optional<std::string> m_port;
    std::optional<std::string> m_device;
    std::string m_portText;
    std::optional<std::string> m_unit;
    std::vector<Frame> m_frames;
    std::optional<std::string> m_recordLine;
    std::vector<std::string> m_messages;
};

} // namespace cli
