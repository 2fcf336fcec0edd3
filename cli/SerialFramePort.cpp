// The serial device as the write rule's port.
#include "cli/SerialFramePort.h"

#include "platform/serial/CommErrors.h"
#include "platform/serial/SystemSerialPorts.h"

namespace cli {

SerialFramePort::SerialFramePort(PortArgument port, std::function<void(std::size_t)> sent)
    : m_port(std::move(port)), m_sent(std::move(sent)) {}

bool SerialFramePort::IsOpen() {
    return m_device->IsOpen();
}

void SerialFramePort::Open() {
    if (m_port.IsNumbered()) {
        m_device->Open(m_port.number, m_settings);
    } else {
        serial::OpenDevicePath(*m_device, m_port.name, m_port.path, m_settings);
    }
}

void SerialFramePort::Send(const DeviceCommand& command) {
    m_device->Transmit(command.Bytes());
    m_sent(m_framesSent++);
}

void SerialFramePort::Close() {
    m_device->Close();
}

void SerialFramePort::CloseQuietly() {
    try {
        m_device->Close();
    } catch (const serial::PortError&) {
    }
}

} // namespace cli
