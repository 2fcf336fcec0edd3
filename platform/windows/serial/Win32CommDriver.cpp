// The system's calls into a serial port's driver.
// Nothing is ever read: what the controller sends back stays in the driver's input queue and
// is discarded.
#include "platform/windows/serial/CommDriver.h"

namespace serial {

namespace {

constexpr DWORD kExclusive = 0; // no sharing: one program has a COM port at a time
// The driver's queues, as advice: frames are short and nothing is read.
constexpr DWORD kInputQueueSize = 4096;
constexpr DWORD kOutputQueueSize = 4096;
// The usual flow control characters (DC1, DC3). Flow control is off, but a driver refuses
// settings whose two characters are equal, as some report them before they are first set.
constexpr char kXonChar = 0x11;
constexpr char kXoffChar = 0x13;
constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_RXCLEAR;
// A driver that honours it ends a write still going after this long itself; many do not, so
// the device waits with its own deadline too.
constexpr DWORD kWriteTimeoutMs = 2000;

constexpr BYTE kParities[] = {NOPARITY, EVENPARITY, ODDPARITY, MARKPARITY, SPACEPARITY};
constexpr BYTE kStopBits[] = {ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS};

DriverResult LastError() {
    return {GetLastError(), 0};
}

class Win32CommDriver : public CommDriver {
public:
    Win32CommDriver() { m_overlapped.hEvent = m_written; }
    ~Win32CommDriver() override;

    DriverResult Open(const std::wstring& path) override;
    DriverResult Configure(const LineSettings& settings, bool prepare) override;
    DriverResult StartWrite(std::vector<std::uint8_t> bytes) override;
    DriverResult WaitWrite(std::chrono::milliseconds time) override;
    DriverResult CancelWrite() override;
    DriverResult OutputQueue() override;
    DriverResult Close(bool discard) override;

private:
    HANDLE m_handle = INVALID_HANDLE_VALUE;
    HANDLE m_written = CreateEventW(nullptr, TRUE, FALSE, nullptr); // set when a write ends
    // The write's buffer and OVERLAPPED belong to the driver until the write ends.
    std::vector<std::uint8_t> m_buffer;
    OVERLAPPED m_overlapped{};
};

} // namespace

std::unique_ptr<CommDriver> CreateSystemCommDriver() {
    return std::make_unique<Win32CommDriver>();
}

Win32CommDriver::~Win32CommDriver() {
    Close(false);
    CloseHandle(m_written);
}

DriverResult Win32CommDriver::Open(const std::wstring& path) {
    m_handle = CreateFileW(path.c_str(), GENERIC_READ | GENERIC_WRITE, kExclusive, nullptr,
                           OPEN_EXISTING, FILE_FLAG_OVERLAPPED, nullptr);
    return m_handle == INVALID_HANDLE_VALUE ? LastError() : DriverResult{};
}

DriverResult Win32CommDriver::Configure(const LineSettings& settings, bool prepare) {
    // The queue sizes are advice that a driver may decline; the port works without them.
    if (prepare) {
        SetupComm(m_handle, kInputQueueSize, kOutputQueueSize);
    }
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(m_handle, &dcb)) {
        return LastError();
    }
    dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    dcb.Parity = kParities[static_cast<int>(settings.parity)];
    dcb.StopBits = kStopBits[static_cast<int>(settings.stopBits)];
    dcb.fBinary = TRUE;
    dcb.fParity = settings.parity != Parity::None;
    // No flow control: the bytes go out whatever the controller's handshake lines say.
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.XonChar = kXonChar;
    dcb.XoffChar = kXoffChar;
    // DTR and RTS are raised while the port is open, as opening a serial device does on
    // Linux; the driver lowers them when the port is closed.
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    // A line error must not stop the writes until someone clears it: nothing here would.
    dcb.fAbortOnError = FALSE;
    if (!SetCommState(m_handle, &dcb)) {
        return LastError();
    }
    if (!prepare) {
        return {};
    }
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD; // a read, were there one, returns at once
    timeouts.WriteTotalTimeoutConstant = kWriteTimeoutMs;
    DWORD lineErrors = 0;
    if (!SetCommTimeouts(m_handle, &timeouts) || !PurgeComm(m_handle, kPurgeAll) ||
        !ClearCommError(m_handle, &lineErrors, nullptr)) {
        return LastError();
    }
    return {};
}

DriverResult Win32CommDriver::StartWrite(std::vector<std::uint8_t> bytes) {
    m_buffer = std::move(bytes);
    // The event is reset by WriteFile and set when the write ends, at once or later.
    if (!WriteFile(m_handle, m_buffer.data(), static_cast<DWORD>(m_buffer.size()), nullptr,
                   &m_overlapped) &&
        GetLastError() != ERROR_IO_PENDING) {
        return LastError();
    }
    return {ERROR_IO_PENDING, 0};
}

DriverResult Win32CommDriver::WaitWrite(std::chrono::milliseconds time) {
    if (WaitForSingleObject(m_written, static_cast<DWORD>(time.count())) != WAIT_OBJECT_0) {
        return {WAIT_TIMEOUT, 0};
    }
    DWORD written = 0;
    if (!GetOverlappedResult(m_handle, &m_overlapped, &written, FALSE)) {
        return {GetLastError(), written};
    }
    return {ERROR_SUCCESS, written};
}

DriverResult Win32CommDriver::CancelWrite() {
    // ERROR_NOT_FOUND: the write ended meanwhile, which the wait will tell.
    if (!CancelIoEx(m_handle, &m_overlapped) && GetLastError() != ERROR_NOT_FOUND) {
        return LastError();
    }
    return {};
}

DriverResult Win32CommDriver::OutputQueue() {
    COMSTAT status{};
    DWORD lineErrors = 0;
    if (!ClearCommError(m_handle, &lineErrors, &status)) {
        return LastError();
    }
    return {ERROR_SUCCESS, status.cbOutQue};
}

DriverResult Win32CommDriver::Close(bool discard) {
    if (m_handle == INVALID_HANDLE_VALUE) {
        return {};
    }
    if (discard) {
        PurgeComm(m_handle, kPurgeAll);
    }
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    return {};
}

} // namespace serial
