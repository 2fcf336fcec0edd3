// The communications control's properties.
#include "platform/comm/CommControl.h"

#include "platform/afx/COleDispatchException.h"
#include "platform/afx/CString.h"
#include "platform/afx/ControlRegistry.h"
#include "platform/serial/CommErrors.h"
#include "platform/serial/SerialPortDevice.h"

#include <string>
#include <vector>

namespace comm {

using serial::CommError;
using serial::ThrowCommError;

namespace {

// Runs call; a serial port's error leaves it as the control's dispatch error, with the same
// code and description.
template <class Call> auto AsControlError(Call call) -> decltype(call()) {
    try {
        return call();
    } catch (const serial::PortError& error) {
        AfxThrowOleDispatchException(static_cast<WORD>(error.Code()), CString(error.what()));
    }
}

} // namespace

void RegisterCommControl() {
    afx::RegisterControlClass(kCommControlClsid,
                              [] { return std::make_unique<comm::CommControl>(); });
}

CommControl::CommControl() : CommControl(serial::CreateSerialPortDevice()) {}

CommControl::CommControl(std::unique_ptr<serial::SerialPortDevice> device)
    : m_settings(serial::ParseLineSettings(serial::kDefaultSettings)), m_device(std::move(device)) {
}

CommControl::~CommControl() = default;

COleVariant CommControl::GetProperty(DISPID dispid) {
    return AsControlError([&] { return Property(dispid); });
}

COleVariant CommControl::Property(DISPID dispid) {
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
        afx::ThrowMemberNotFound(dispid);
    }
}

void CommControl::PutProperty(DISPID dispid, const VARIANT& value) {
    AsControlError([&] {
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
            afx::ThrowMemberNotFound(dispid);
        }
    });
}

void CommControl::PutCommPort(const VARIANT& value) {
    const long port = afx::IntegerValue(value, kDispCommPort);
    if (port < kMinPort || port > kMaxPort) {
        serial::ThrowInvalidPortNumber(port);
    }
    if (m_device->IsOpen()) {
        serial::ThrowPortAlreadyOpen(serial::PortName(m_commPort), "更改端口号");
    }
    m_commPort = static_cast<short>(port);
}

void CommControl::PutPortOpen(const VARIANT& value) {
    const bool open = afx::IntegerValue(value, kDispPortOpen) != 0;
    if (!open) {
        m_device->Close();
        return;
    }
    if (m_device->IsOpen()) {
        serial::ThrowPortAlreadyOpen(serial::PortName(m_commPort), "再次打开");
    }
    m_device->Open(m_commPort, m_settings);
}

void CommControl::PutSettings(const VARIANT& value) {
    if (value.vt != VT_BSTR) {
        afx::ThrowTypeMismatch(kDispSettings, value.vt);
    }
    const std::string text = afx::ByteText(value.bstrVal);
    const serial::LineSettings settings = serial::ParseLineSettings(text);
    if (m_device->IsOpen()) {
        m_device->Apply(settings);
    }
    m_settings = settings;
    m_settingsText = text;
}

void CommControl::PutOutput(const VARIANT& value) {
    std::vector<BYTE> bytes;
    if (value.vt == (VT_ARRAY | VT_UI1)) {
        bytes = afx::VariantBytes(value);
    } else if (value.vt == VT_BSTR) {
        const std::string text = afx::ByteText(value.bstrVal);
        bytes.assign(text.begin(), text.end());
    } else {
        afx::ThrowTypeMismatch(kDispOutput, value.vt);
    }
    if (!m_device->IsOpen()) {
        serial::ThrowPortNotOpen(serial::PortName(m_commPort));
    }
    m_device->Transmit(bytes);
}

void CommControl::PutInputMode(const VARIANT& value) {
    const long mode = afx::IntegerValue(value, kDispInputMode);
    if (mode != kInputModeText && mode != kInputModeBinary) {
        ThrowCommError(CommError::InvalidPropertyValue,
                       "串口控件的 InputMode 只能是 0（文本）或 1（二进制），不能是 " +
                           std::to_string(mode) + "。");
    }
    m_inputMode = mode;
}

} // namespace comm
