// The write operations.
#include "device/DeviceWriter.h"

#include "platform/afx/CByteArray.h"

#include <algorithm>

void CopyFrame(const DeviceCommand& command, CByteArray& array) {
    const std::span<const std::uint8_t> bytes = command.Bytes();
    array.SetSize(0);
    array.SetSize(static_cast<INT_PTR>(bytes.size()));
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        array.SetAt(static_cast<INT_PTR>(i), bytes[i]);
    }
}

void DeviceWriter::WriteAddress(DeviceOpcode opcode, const OctetSource& source) {
    // The address is read before the port is looked at.
    Ipv4Octets octets{};
    source(octets[0], octets[1], octets[2], octets[3]);
    const DeviceCommand command = DeviceCommand::Address(opcode, octets);
    Send(command);
    m_link.SetPortOpen(false);
}

bool DeviceWriter::WriteMac(const MacSource& source) {
    if (!source.updateData()) {
        return false;
    }
    MacBytes mac{};
    std::copy(source.mac.begin(), source.mac.end(), mac.begin());
    Send(DeviceCommand::Mac(mac));
    return true;
}

bool DeviceWriter::WriteAll(const AddressSources& addresses, const MacSource& mac) {
    const std::pair<DeviceOpcode, const OctetSource*> writes[] = {
        {DeviceOpcode::ServerAddress, &addresses.server},
        {DeviceOpcode::ControllerAddress, &addresses.controller},
        {DeviceOpcode::SubnetMask, &addresses.subnet},
        {DeviceOpcode::GatewayAddress, &addresses.gateway},
    };
    for (const auto& [opcode, source] : writes) {
        WriteAddress(opcode, *source);
        m_pause(kPauseAfterWriteMs);
    }
    if (!WriteMac(mac)) {
        return false;
    }
    m_pause(kPauseAfterWriteMs);
    return true;
}

// Opens the port when it is closed and hands the frame over as one byte-array value.
void DeviceWriter::Send(const DeviceCommand& command) {
    if (!m_link.GetPortOpen()) {
        m_link.SetPortOpen(true);
    }
    CByteArray array;
    CopyFrame(command, array);
    COleVariant output(array);
    m_link.SetOutput(output);
    VariantClear(&output);
}
