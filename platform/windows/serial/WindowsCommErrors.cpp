// The texts of the communications control's errors that only Windows has.
#include "platform/windows/serial/WindowsCommErrors.h"

#include "platform/serial/SystemSerialPorts.h"
#include "platform/windows/serial/WideText.h"
#include "platform/windows/serial/WindowsPortList.h"

#include <memory>
#include <string_view>

namespace serial {

namespace {

constexpr DWORD kDefaultLanguage = 0; // the user's language, as the system falls back
constexpr std::wstring_view kLineBreaks = L"\r\n";
constexpr std::wstring_view kTrailing = L" \r\n.\u3002"; // blanks, breaks and full stops

struct LocalFreer {
    void operator()(wchar_t* text) const { LocalFree(text); }
};

[[noreturn]] void ThrowWithPorts(CommError code, const PortIdentity& port,
                                 const std::string& cause) {
    ThrowCommError(code,
                   CannotOpen(port) + cause + PortsToChooseFrom(port.name, SystemSerialDevices()));
}

} // namespace

bool IsDeviceGoneError(DWORD error) {
    // Drivers report a pulled adapter each in their own way; on an open port none of these has
    // another cause. Wine gives a hung-up line as ERROR_NOT_READY or ERROR_FILE_NOT_FOUND.
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_DEV_NOT_EXIST:
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_OPERATION_ABORTED:
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEVICE_REMOVED:
    case ERROR_INVALID_HANDLE:
    case ERROR_NOT_READY:
    // The port is held exclusively, so no other program can be the cause: USB serial drivers
    // refuse a handle this way once their device is removed.
    case ERROR_ACCESS_DENIED:
        return true;
    default:
        return false;
    }
}

bool IsTimeoutError(DWORD error) {
    return error == ERROR_TIMEOUT || error == ERROR_SEM_TIMEOUT || error == ERROR_COUNTER_TIMEOUT ||
           error == WAIT_TIMEOUT;
}

std::string SystemText(DWORD error) {
    wchar_t* allocated = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, kDefaultLanguage, reinterpret_cast<wchar_t*>(&allocated), 0, nullptr);
    const std::unique_ptr<wchar_t, LocalFreer> owned(allocated);
    std::wstring text = length > 0 && allocated != nullptr ? std::wstring(allocated, length) : L"";
    const auto end = text.find_last_not_of(kTrailing);
    text.resize(end == std::wstring::npos ? 0 : end + 1);
    for (wchar_t& c : text) {
        if (kLineBreaks.find(c) != std::wstring_view::npos) {
            c = L' ';
        }
    }
    if (text.empty()) {
        return "错误代码 " + std::to_string(error);
    }
    return ToUtf8(text);
}

std::string SystemErrorText(DWORD error) {
    return UnexplainedSystemError(SystemText(error));
}

void ThrowOpenError(const PortIdentity& port, DWORD error) {
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        ThrowWithPorts(
            CommError::NoSuchDevice, port,
            "这台电脑上没有这个串口（例如 USB 转串口适配器没有插好，或者它的端口号不是 " +
                port.name + "）。");
    case ERROR_DEVICE_NOT_CONNECTED:
    case ERROR_DEVICE_REMOVED:
        ThrowWithPorts(CommError::NoSuchDevice, port,
                       "串口还在，但它背后的设备已不存在（例如 USB 转串口适配器已拔出）。");
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_OPERATION_ABORTED:
        ThrowWithPorts(CommError::OpenFailed, port, "设备没有响应，可能已断开或损坏。");
    // Another program has the port open: Windows opens a COM port for one program at a time.
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
        ThrowPortBusy(port, {});
    default:
        ThrowOpenFailed(port, SystemErrorText(error));
    }
}

} // namespace serial
