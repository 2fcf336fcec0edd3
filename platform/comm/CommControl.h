// The communications control: the serial port as a hosted control whose properties are
// reached by dispatch id. The properties are kept here; the system's serial device
// (serial::SerialPortDevice) opens, sets, writes and closes the port, and its errors reach
// the caller as the control's dispatch errors.
#pragma once

#include "platform/afx/DispatchControl.h"
#include "platform/comm/CommControlInterface.h"
#include "platform/serial/LineSettings.h"

#include <memory>
#include <string>

namespace serial {
class SerialPortDevice;
}

namespace comm {

// Makes the control creatable under kCommControlClsid.
void RegisterCommControl();

constexpr short kMinPort = 1;
constexpr short kMaxPort = 255;
constexpr long kInputModeText = 0;
constexpr long kInputModeBinary = 1;

class CommControl : public afx::DispatchControl {
public:
    // The control on this system's serial device.
    CommControl();
    explicit CommControl(std::unique_ptr<serial::SerialPortDevice> device);
    ~CommControl() override;

    COleVariant GetProperty(DISPID dispid) override;
    void PutProperty(DISPID dispid, const VARIANT& value) override;

private:
    COleVariant Property(DISPID dispid);
    void PutCommPort(const VARIANT& value);
    void PutPortOpen(const VARIANT& value);
    void PutSettings(const VARIANT& value);
    void PutOutput(const VARIANT& value);
    void PutInputMode(const VARIANT& value);

    short m_commPort = kMinPort;
    std::string m_settingsText = serial::kDefaultSettings;
    serial::LineSettings m_settings;
    long m_inputMode = kInputModeText;
    std::unique_ptr<serial::SerialPortDevice> m_device;
};

} // namespace comm
