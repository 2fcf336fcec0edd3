// The write operations.
#include "device/DeviceWriter.h"

#include "platform/afx/CByteArray.h"

#include <algorithm>
#include <optional>

namespace {

// The frame of an address, read from its source.
DeviceCommand AddressCommand(DeviceOpcode opcode, const OctetSource& source) {
    Ipv4Octets octets{};
    source(octets[0], octets[1], octets[2], octets[3]);
    return DeviceCommand::Address(opcode, octets);
}

// The MAC frame after the data exchange has refreshed the bytes; none when it rejected a box,
// since half-updated bytes would store a corrupted MAC.
std::optional<DeviceCommand> MacCommand(const MacSource& source) {
    if (!source.updateData()) {
        return std::nullopt;
    }
    MacBytes mac{};
    std::copy(source.mac.begin(), source.mac.end(), mac.begin());
    return DeviceCommand::Mac(mac);
}

} // namespace

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
    WriteFrame(*this, AddressCommand(opcode, source));
}

bool DeviceWriter::WriteMac(const MacSource& source) {
    const std::optional<DeviceCommand> command = MacCommand(source);
    if (!command) {
        return false;
    }
    WriteFrame(*this, *command);
    return true;
}

bool DeviceWriter::WriteAll(const AddressSources& addresses, const MacSource& mac) {
    const auto address = [](DeviceOpcode opcode, const OctetSource& source) -> NextFrame {
        return [opcode, &source] { return AddressCommand(opcode, source); };
    };
    // Each source is read when its turn comes, as the buttons one after another would.
    const NextFrame steps[] = {
        address(DeviceOpcode::ServerAddress, addresses.server),
        address(DeviceOpcode::ControllerAddress, addresses.controller),
        address(DeviceOpcode::SubnetMask, addresses.subnet),
        address(DeviceOpcode::GatewayAddress, addresses.gateway),
        [&mac] { return MacCommand(mac); },
    };
    return WriteFrames(*this, steps, [this](std::chrono::milliseconds pause) {
        m_pause(static_cast<DWORD>(pause.count()));
    });
}

bool DeviceWriter::IsOpen() {
    return m_link.GetPortOpen();
}

void DeviceWriter::Open() {
    m_link.SetPortOpen(true);
}

// Hands the frame over as one byte-array value.
void DeviceWriter::Send(const DeviceCommand& command) {
    CByteArray array;
    CopyFrame(command, array);
    COleVariant output(array);
    m_link.SetOutput(output);
    VariantClear(&output);
}

void DeviceWriter::Close() {
    m_link.SetPortOpen(false);
}
