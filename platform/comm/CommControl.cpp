// The communications control's properties.
#include "platform/comm/CommControl.h"

#include "platform/afx/CString.h"
#include "platform/afx/ControlRegistry.h"
#include "platform/comm/CommErrors.h"
#include "platform/comm/SerialPortDevice.h"

#include <string>
#include <vector>

namespace platform {

void RegisterCommControl() {
    RegisterControlClass(kCommControlClsid, [] { return std::make_unique<comm::CommControl>(); });
}

namespace comm {

CommControl::CommControl() : CommControl(CreateSerialPortDevice()) {}

CommControl::CommControl(std::unique_ptr<SerialPortDevice> device)
    : m_settings(ParseLineSettings(kDefaultSettings)), m_device(std::move(device)) {}

CommControl::~CommControl() = default;

COleVariant CommControl::GetProperty(DISPID dispid) {
    switch (dispid) {
    case kDispCommPort:
        return COleVariant(m_commPort);
    case kDispPortOpen:
        return COleVariant(static_cast<SHORT>(m_device->IsOpen()), VT_BOOL);
    case kDispSettings:
        return COleVariant(CString(m_settingsText));
    case kDispInputMode:
        return COleVariant(static_cast<LONG>(m_inputMode));
    case kDispOutput:
        ThrowCommError(CommError::WriteOnlyProperty, "串口控件的 Output 属性只能写入，不能读取。");
    default:
        ThrowMemberNotFound(dispid);
    }
}

void CommControl::PutProperty(DISPID dispid, const VARIANT& value) {
    switch (dispid) {
    case kDispCommPort:
        return PutCommPort(value);
    case kDispPortOpen:
        return PutPortOpen(value);
    case kDispSettings:
        return PutSettings(value);
    case kDispOutput:
        return PutOutput(value);
    case kDispInputMode:
        return PutInputMode(value);
    default:
        ThrowMemberNotFound(dispid);
    }
}

void CommControl::PutCommPort(const VARIANT& value) {
    const long port = IntegerValue(value, kDispCommPort);
    if (port < kMinPort || port > kMaxPort) {
        ThrowInvalidPortNumber(port);
    }
    if (m_device->IsOpen()) {
        ThrowPortAlreadyOpen(PortName(m_commPort), "更改端口号");
    }
    m_commPort = static_cast<short>(port);
}

void CommControl::PutPortOpen(const VARIANT& value) {
    const bool open = IntegerValue(value, kDispPortOpen) != 0;
    if (!open) {
        m_device->Close();
        return;
    }
    if (m_device->IsOpen()) {
        ThrowPortAlreadyOpen(PortName(m_commPort), "再次打开");
    }
    m_device->Open(m_commPort, m_settings);
}

void CommControl::PutSettings(const VARIANT& value) {
    if (value.vt != VT_BSTR) {
        ThrowTypeMismatch(kDispSettings, value.vt);
    }
    const std::string text = ByteText(value.bstrVal);
    const LineSettings settings = ParseLineSettings(text);
    if (m_device->IsOpen()) {
        m_device->Apply(settings);
    }
    m_settings = settings;
    m_settingsText = text;
}

void CommControl::PutOutput(const VARIANT& value) {
    std::vector<BYTE> bytes;
    if (value.vt == (VT_ARRAY | VT_UI1)) {
        bytes = VariantBytes(value);
    } else if (value.vt == VT_BSTR) {
        const std::string text = ByteText(value.bstrVal);
        bytes.assign(text.begin(), text.end());
    } else {
        ThrowTypeMismatch(kDispOutput, value.vt);
    }
    if (!m_device->IsOpen()) {
        ThrowPortNotOpen(PortName(m_commPort));
    }
    m_device->Transmit(bytes);
}

void CommControl::PutInputMode(const VARIANT& value) {
    const long mode = IntegerValue(value, kDispInputMode);
    if (mode != kInputModeText && mode != kInputModeBinary) {
        ThrowCommError(CommError::InvalidPropertyValue,
                       "串口控件的 InputMode 只能是 0（文本）或 1（二进制），不能是 " +
                           std::to_string(mode) + "。");
    }
    m_inputMode = mode;
}

} // namespace comm
} // namespace platform
