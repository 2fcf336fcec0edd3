// The serial device of the communications control on Windows.
//
// The port is opened for synchronous I/O: the write timeout set at open makes the driver end
// a write that cannot finish by the deadline, as a success with fewer bytes written. A write
// that has completed has handed every byte to the driver; the drain then watches the
// driver's output queue empty within the deadline, and the flush after it waits only for
// the last character, as the drain on Linux does.
// Nothing is ever read: what the controller sends back stays in the driver's input queue and
// is discarded.
#include "platform/windows/serial/WindowsSerialPort.h"

#include "platform/windows/serial/WideText.h"
#include "platform/windows/serial/WindowsCommErrors.h"
#include "platform/windows/serial/WindowsPortList.h"

#include <algorithm>
#include <memory>

namespace serial {

namespace {

constexpr const char* kDevicePrefix = R"(\\.\)";
constexpr DWORD kExclusive = 0;   // no sharing: one program has a COM port at a time
constexpr DWORD kSynchronous = 0; // no FILE_FLAG_OVERLAPPED: a write returns once it has ended
// The driver's queues, as advice: frames are short and nothing is read.
constexpr DWORD kInputQueueSize = 4096;
constexpr DWORD kOutputQueueSize = 4096;
// The usual flow control characters (DC1, DC3). Flow control is off, but a driver refuses
// settings whose two characters are equal, as some report them before they are first set.
constexpr char kXonChar = 0x11;
constexpr char kXoffChar = 0x13;
constexpr DWORD kPurgeAll = PURGE_TXABORT | PURGE_TXCLEAR | PURGE_RXABORT | PURGE_RXCLEAR;

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using ScopedHandle = std::unique_ptr<void, HandleCloser>;

BYTE ParityOf(Parity parity) {
    switch (parity) {
    case Parity::Even:
        return EVENPARITY;
    case Parity::Odd:
        return ODDPARITY;
    case Parity::Mark:
        return MARKPARITY;
    case Parity::Space:
        return SPACEPARITY;
    case Parity::None:
        break;
    }
    return NOPARITY;
}

BYTE StopBitsOf(StopBits stopBits) {
    switch (stopBits) {
    case StopBits::OneAndHalf:
        return ONE5STOPBITS;
    case StopBits::Two:
        return TWOSTOPBITS;
    case StopBits::One:
        break;
    }
    return ONESTOPBIT;
}

std::string RejectedSettings(DWORD error) {
    return "设备不接受这些参数（" + SystemText(error) + "）";
}

} // namespace

std::string DevicePathForPort(long port) {
    return kDevicePrefix + PortName(port);
}

std::unique_ptr<SerialPortDevice> CreateSerialPortDevice() {
    return std::make_unique<WindowsSerialPort>();
}

WindowsSerialPort::WindowsSerialPort(InstalledSerialPorts ports) : m_ports(std::move(ports)) {}

WindowsSerialPort::~WindowsSerialPort() {
    // Every output has already waited for its bytes to leave, so what can fail here is only
    // a device that went away meanwhile: nothing assigned to the port is lost by ignoring it.
    try {
        Close();
    } catch (...) {
    }
}

void WindowsSerialPort::Open(long port, const LineSettings& settings) {
    Close();
    m_identity = {PortName(port), DevicePathForPort(port), {}};
    CheckLineCanCarry(m_identity, settings);
    const HANDLE opened =
        CreateFileW(ToUtf16(m_identity.path).c_str(), GENERIC_READ | GENERIC_WRITE, kExclusive,
                    nullptr, OPEN_EXISTING, kSynchronous, nullptr);
    if (opened == INVALID_HANDLE_VALUE) {
        ThrowOpenError(m_identity, GetLastError(), m_ports);
    }
    ScopedHandle handle(opened);
    // The queue sizes are advice that a driver may decline; the port works without them.
    SetupComm(opened, kInputQueueSize, kOutputQueueSize);
    DWORD error = Configure(opened, settings);
    if (error == ERROR_INVALID_PARAMETER) {
        ThrowUnsupportedSettings(m_identity, RejectedSettings(error));
    }
    if (error == ERROR_SUCCESS) {
        error = Prepare(opened);
    }
    if (error != ERROR_SUCCESS) {
        handle.reset();
        // The port was opened, so these say that its device went away, not who has it.
        if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE ||
            error == ERROR_NOT_READY) {
            error = ERROR_DEVICE_NOT_CONNECTED;
        }
        ThrowOpenError(m_identity, error, m_ports);
    }
    m_handle = handle.release();
    m_baudRate = settings.baudRate;
}

void WindowsSerialPort::Apply(const LineSettings& settings) {
    CheckLineCanCarry(m_identity, settings);
    if (!IsOpen()) {
        return; // the next Open sets the line
    }
    const DWORD error = Configure(m_handle, settings);
    if (error == ERROR_SUCCESS) {
        m_baudRate = settings.baudRate;
        return;
    }
    if (IsDeviceGoneError(error)) {
        FailTransmit(error, 0, 0);
    }
    ThrowUnsupportedSettings(m_identity, RejectedSettings(error));
}

DWORD WindowsSerialPort::Configure(HANDLE handle, const LineSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof(dcb);
    if (!GetCommState(handle, &dcb)) {
        return GetLastError();
    }
    dcb.BaudRate = static_cast<DWORD>(settings.baudRate);
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    dcb.Parity = ParityOf(settings.parity);
    dcb.StopBits = StopBitsOf(settings.stopBits);
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
    return SetCommState(handle, &dcb) ? ERROR_SUCCESS : GetLastError();
}

DWORD WindowsSerialPort::Prepare(HANDLE handle) {
    COMMTIMEOUTS timeouts{};
    timeouts.ReadIntervalTimeout = MAXDWORD; // a read, were there one, returns at once
    // The driver ends a write still going at the deadline, short of its count.
    timeouts.WriteTotalTimeoutConstant = static_cast<DWORD>(kTransmitDeadline.count());
    if (!SetCommTimeouts(handle, &timeouts) || !PurgeComm(handle, kPurgeAll)) {
        return GetLastError();
    }
    DWORD lineErrors = 0;
    return ClearCommError(handle, &lineErrors, nullptr) ? ERROR_SUCCESS : GetLastError();
}

void WindowsSerialPort::Transmit(std::span<const std::uint8_t> bytes) {
    const Clock::time_point deadline = Clock::now() + kTransmitDeadline;
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        // One write for a frame; only more than a DWORD counts needs a second, and it cannot
        // leave within the deadline anyway, so the timeout set at open bounds the frame.
        const auto chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - sent, MAXDWORD));
        DWORD written = 0;
        const BOOL wrote = WriteFile(m_handle, bytes.data() + sent, chunk, &written, nullptr);
        sent += written;
        if (!wrote) {
            FailTransmit(GetLastError(), bytes.size() - sent, bytes.size());
        }
        // The driver ends a write that its write timeout cut short as a success.
        if (written < chunk) {
            FailTransmit(ERROR_TIMEOUT, bytes.size() - sent, bytes.size());
        }
    }
    Drain(deadline, bytes.size());
}

void WindowsSerialPort::Close() {
    if (!IsOpen()) {
        return;
    }
    COMSTAT status{};
    DWORD lineErrors = 0;
    if (!ClearCommError(m_handle, &lineErrors, &status) && IsDeviceGoneError(GetLastError())) {
        // Gone while idle: every output had already left, so there is nothing to lose.
        Abandon();
        return;
    }
    Drain(Clock::now() + kTransmitDeadline, status.cbOutQue);
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

void WindowsSerialPort::Drain(Clock::time_point deadline, std::size_t total) {
    for (;;) {
        COMSTAT status{};
        DWORD lineErrors = 0;
        if (!ClearCommError(m_handle, &lineErrors, &status)) {
            FailTransmit(GetLastError(), kUnknownCount, total);
        }
        if (status.cbOutQue == 0) {
            break;
        }
        if (Clock::now() >= deadline) {
            FailTransmit(ERROR_TIMEOUT, status.cbOutQue, total);
        }
        Sleep(static_cast<DWORD>(DrainPause(status.cbOutQue, m_baudRate, deadline).count()));
    }
    // The queue is empty; this waits only for the last character to leave the transmitter.
    if (!FlushFileBuffers(m_handle)) {
        FailTransmit(GetLastError(), kUnknownCount, total);
    }
}

void WindowsSerialPort::Abandon() {
    PurgeComm(m_handle, kPurgeAll);
    CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
}

void WindowsSerialPort::FailTransmit(DWORD error, std::size_t unsent, std::size_t total) {
    Abandon();
    if (IsTimeoutError(error)) {
        ThrowTransmitTimeout(
            m_identity, unsent, total,
            static_cast<int>(
                std::chrono::duration_cast<std::chrono::seconds>(kTransmitDeadline).count()));
    }
    if (IsDeviceGoneError(error)) {
        ThrowDeviceGone(m_identity, unsent, total,
                        PortsAfterDisconnect(m_identity.name, m_ports.Devices()));
    }
    ThrowTransmitFailed(m_identity, SystemErrorText(error));
}

} // namespace serial
