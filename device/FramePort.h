// A serial port as the write rule uses it: whether it is open, open it, send one frame, close
// it. The dialog's serial link and the command line's serial device each stand behind one.
// Each operation may throw the port's own error, which ends the write where it is.
#pragma once

#include "device/DeviceCommand.h"

class FramePort {
public:
    virtual bool IsOpen() = 0;
    virtual void Open() = 0;
    // Sends the frame whole; only while the port is open.
    virtual void Send(const DeviceCommand& command) = 0;
    virtual void Close() = 0;

protected:
    FramePort() = default;
    FramePort(const FramePort&) = default;
    FramePort& operator=(const FramePort&) = default;
    ~FramePort() = default;
};
