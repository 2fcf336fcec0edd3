// The communications control: the serial port as a hosted control whose properties are
// reached by dispatch id. The properties are kept here; the system's serial device
// (SerialPortDevice) opens, sets, writes and closes the port.
#pragma once

#include "platform/afx/DispatchControl.h"
#include "platform/comm/CommControlInterface.h"
#include "platform/comm/LineSettings.h"

#include <memory>
#include <string>

namespace platform {

// Makes the control creatable under kCommControlClsid.
void RegisterCommControl();

namespace comm {

class SerialPortDevice;

constexpr short kMinPort = 1;
constexpr short kMaxPort = 255;
constexpr long kInputModeText = 0;
constexpr long kInputModeBinary = 1;
constexpr const char* kDefaultSettings = "9600,n,8,1";
class CommControl : public DispatchControl {
public:
    // The control on this system's serial device.
    CommControl();
    explicit CommControl(std::unique_ptr<SerialPortDevice> device);
    ~CommControl() override;

    COleVariant GetProperty(DISPID dispid) override;
    void PutProperty(DISPID dispid, const VARIANT& value) override;

private:
    void PutCommPort(const VARIANT& value);
    void PutPortOpen(const VARIANT& value);
    void PutSettings(const VARIANT& value);
    void PutOutput(const VARIANT& value);
    void PutInputMode(const VARIANT& value);

    short m_commPort = kMinPort;
    std::string m_settingsText = kDefaultSettings;
    LineSettings m_settings;
    long m_inputMode = kInputModeText;
    std::unique_ptr<SerialPortDevice> m_device;
};

} // namespace comm
} // namespace platform
