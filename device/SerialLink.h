// The serial port as the write operations see it: the handful of operations they perform on
// the communications control. Each may throw the control's COleDispatchException.
#pragma once

#include "platform/afx/Variant.h"

class SerialLink {
public:
    // Selects the port number (1 for COM1, 2 for COM2); only while the port is closed.
    virtual void SetCommPort(short port) = 0;
    virtual bool GetPortOpen() = 0;
    virtual void SetPortOpen(bool open) = 0;
    // Line settings such as "9600,n,8,1".
    virtual void SetSettings(LPCTSTR settings) = 0;
    // Transmits the bytes of a VT_ARRAY|VT_UI1 value, whole; only while the port is open.
    virtual void SetOutput(const VARIANT& output) = 0;
    virtual void SetInputMode(long mode) = 0;

protected:
    SerialLink() = default;
    SerialLink(const SerialLink&) = default;
    SerialLink& operator=(const SerialLink&) = default;
    ~SerialLink() = default;
};
