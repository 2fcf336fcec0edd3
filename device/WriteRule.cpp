// The write rule.
#include "device/WriteRule.h"

void WriteFrame(FramePort& port, const DeviceCommand& command) {
    if (!port.IsOpen()) {
        port.Open();
    }
    port.Send(command);
    if (command.Opcode() != DeviceOpcode::MacAddress) {
        port.Close();
    }
}

bool WriteFrames(FramePort& port, std::span<const NextFrame> steps, const PauseFor& pause) {
    for (const NextFrame& step : steps) {
        const std::optional<DeviceCommand> command = step();
        if (!command) {
            return false;
        }
        WriteFrame(port, *command);
        pause(kPauseAfterWrite);
    }
    return true;
}
