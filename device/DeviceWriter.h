// The write operations behind the dialog's buttons: each reads its parameter, builds the
// frame and sends it through the serial link, opening the port on demand. An exception of
// the link ends the operation (and a write-all sequence) where it is, with the port left as
// it was at that point.
#pragma once

#include "device/DeviceCommand.h"
#include "device/FramePort.h"
#include "device/SerialLink.h"
#include "device/WriteRule.h"

#include <functional>
#include <span>

// Fills the four octets of an address, first field first (an IP address control's
// GetAddress; its count of filled fields is not used).
using OctetSource = std::function<void(BYTE&, BYTE&, BYTE&, BYTE&)>;
// Suspends the thread for the given milliseconds.
using Pause = std::function<void(DWORD)>;

// Where the MAC write takes its bytes: a data exchange that refreshes them from the boxes
// (UpdateData(TRUE), false when a box is rejected) and the six bytes it fills.
struct MacSource {
    std::function<BOOL()> updateData;
    std::span<const BYTE, 6> mac;
};

// The four address sources of the write-all sequence.
struct AddressSources {
    OctetSource server;
    OctetSource controller;
    OctetSource subnet;
    OctetSource gateway;
};

class CByteArray;

// Fills the array with the frame: emptied first, then sized to exactly the frame.
void CopyFrame(const DeviceCommand& command, CByteArray& array);

// The operations follow the write rule (device/WriteRule.h) over the link.
class DeviceWriter : private FramePort {
public:
    // The pause after each write of the write-all sequence.
    static constexpr DWORD kPauseAfterWriteMs = static_cast<DWORD>(kPauseAfterWrite.count());

    DeviceWriter(SerialLink& link, Pause pause) : m_link(link), m_pause(std::move(pause)) {}

    // Sends the address frame and closes the port again.
    void WriteAddress(DeviceOpcode opcode, const OctetSource& source);
    // Sends the MAC frame and leaves the port open. When the data exchange rejects a box it
    // sends nothing and returns false: half-updated bytes would store a corrupted MAC.
    bool WriteMac(const MacSource& source);
    // Server, controller, subnet, gateway and MAC writes, each followed by the pause; false
    // when the MAC write was rejected.
    bool WriteAll(const AddressSources& addresses, const MacSource& mac);

private:
    // The port as the write rule sees it: the link's open state and its output.
    bool IsOpen() override;
    void Open() override;
    void Send(const DeviceCommand& command) override;
    void Close() override;

    SerialLink& m_link;
    Pause m_pause;
};
