// The communications control: the serial port as a hosted control whose properties are
// reached by dispatch id. Port n is the device named by the environment variable
// TAVRIN_COM<n>, else /dev/ttyS<n-1>.
#pragma once

#include "platform/comm/LineSettings.h"
#include "platform/ole/DispatchControl.h"
#include "platform/ole/Guid.h"

#include <memory>

namespace platform {

// {648A5600-2C6E-101B-82B6-000000000014}
constexpr CLSID kCommControlClsid = {
    0x648A5600, 0x2C6E, 0x101B, {0x82, 0xB6, 0x00, 0x00, 0x00, 0x00, 0x00, 0x14}};

// Makes the control creatable under kCommControlClsid.
void RegisterCommControl();

namespace comm {

class CommDevice;

constexpr DISPID kDispCommPort = 4;   // VT_I2, 1 to 255
constexpr DISPID kDispPortOpen = 20;  // VT_BOOL
constexpr DISPID kDispSettings = 23;  // VT_BSTR, "baud,parity,data,stop"
constexpr DISPID kDispOutput = 25;    // VT_ARRAY|VT_UI1 or VT_BSTR, put only
constexpr DISPID kDispInputMode = 29; // VT_I4, text or binary

constexpr short kMinPort = 1;
constexpr short kMaxPort = 255;
constexpr long kInputModeText = 0;
constexpr long kInputModeBinary = 1;
constexpr const char* kDefaultSettings = "9600,n,8,1";
constexpr const char* kPortVariablePrefix = "TAVRIN_COM";
constexpr const char* kDeviceDirectory = "/dev/";
constexpr const char* kDefaultDevicePrefix = "/dev/ttyS";

// "COM<n>".
CString PortName(long port);
// The device of port n: $TAVRIN_COM<n> when set and not empty (a name without a slash is
// taken under /dev), else /dev/ttyS<n-1>.
CString DevicePathForPort(long port);

class CommControl : public DispatchControl {
public:
    CommControl();
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
    CString m_settingsText = kDefaultSettings;
    LineSettings m_settings;
    long m_inputMode = kInputModeText;
    std::unique_ptr<CommDevice> m_device;
};

} // namespace comm
} // namespace platform
