// The write rule's port over this system's serial device, opened at 9600 8N1 by port number
// or by path, counting the frames that have gone out.
#pragma once

#include "cli/PortArgument.h"
#include "device/FramePort.h"
#include "platform/serial/LineSettings.h"
#include "platform/serial/SerialPortDevice.h"

#include <cstddef>
#include <functional>
#include <memory>

namespace cli {

class SerialFramePort : public FramePort {
public:
    // sent is told each frame's number (from 0) as soon as it has gone out.
    SerialFramePort(PortArgument port, std::function<void(std::size_t)> sent);

    bool IsOpen() override;
    void Open() override;
    void Send(const DeviceCommand& command) override;
    void Close() override;

    // Closes the port if it is open; a failure here loses nothing, since every frame has
    // already waited for its bytes to leave.
    void CloseQuietly();
    // How many frames have gone out whole.
    std::size_t FramesSent() const { return m_framesSent; }

private:
    PortArgument m_port;
    std::function<void(std::size_t)> m_sent;
    serial::LineSettings m_settings = serial::ParseLineSettings(serial::kDefaultSettings);
    std::unique_ptr<serial::SerialPortDevice> m_device = serial::CreateSerialPortDevice();
    std::size_t m_framesSent = 0;
};

} // namespace cli
