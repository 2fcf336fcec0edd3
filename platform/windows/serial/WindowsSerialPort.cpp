// The serial device of the communications control on Windows.
//
// Why the write is overlapped and every other call into the driver runs on a thread of the
// device's own: USB serial drivers are known to ignore the write timeout, to never complete a
// write once the adapter is pulled, and to block in FlushFileBuffers; a call made on the
// dialog's thread would freeze the dialog with them. So the dialog's thread waits for each
// call with a bound, waits for the write with the transmit deadline, cancels a write still
// going then, and lets go of a driver that does not even end the cancel. The drain watches
// the driver's output queue empty and then waits out the last character, without the flush.
#include "platform/windows/serial/WindowsSerialPort.h"

#include "platform/windows/serial/WindowsCommErrors.h"
#include "platform/windows/serial/WindowsPortList.h"

#include <algorithm>
#include <vector>

namespace serial {

namespace {

constexpr const char* kDevicePrefix = R"(\\.\)";

std::string RejectedSettings(DWORD error) {
    return "设备不接受这些参数（" + SystemText(error) + "）";
}

// The bound of a call made before deadline: the time left, and never less than a call takes.
std::chrono::milliseconds BoundBy(SerialPortDevice::Clock::time_point deadline) {
    return std::max(SerialPortDevice::Remaining(deadline), WindowsSerialPort::kCallBound);
}

} // namespace

// "\\.\COM<n>": the device name that opens every port, COM10 and above included.
std::string DevicePathForPort(long port) {
    return kDevicePrefix + PortName(port);
}

std::unique_ptr<SerialPortDevice> CreateSerialPortDevice() {
    return std::make_unique<WindowsSerialPort>();
}

WindowsSerialPort::WindowsSerialPort(DriverFactory makeDriver)
    : m_makeDriver(makeDriver ? std::move(makeDriver) : CreateSystemCommDriver) {}

void WindowsSerialPort::Open(long port, const LineSettings& settings) {
    Close();
    m_identity = {PortName(port), DevicePathForPort(port), {}};
    CheckLineCanCarry(m_identity, settings);
    const std::wstring path(m_identity.path.begin(), m_identity.path.end()); // ASCII
    // One call opens and sets the port up, since each is a hand-over to the driver's thread;
    // a count of 1 says that the port was opened and the set-up failed.
    const auto opened = Call(
        [path, settings](CommDriver& driver) {
            const DriverResult open = driver.Open(path);
            return open.error != ERROR_SUCCESS
                       ? open
                       : DriverResult{driver.Configure(settings, true).error, 1};
        },
        kTransmitDeadline);
    // An open the driver does not answer is a device that does not respond.
    DWORD error = opened ? opened->error : ERROR_GEN_FAILURE;
    if (error == ERROR_SUCCESS) {
        m_open = true;
        m_baudRate = settings.baudRate;
        return;
    }
    if (!opened || opened->count == 0) {
        ThrowOpenError(m_identity, error);
    }
    m_open = true;
    Abandon();
    if (error == ERROR_INVALID_PARAMETER) {
        ThrowUnsupportedSettings(m_identity, RejectedSettings(error));
    }
    // The port was opened, so these say that its device went away, not who has it.
    if (error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE || error == ERROR_NOT_READY) {
        error = ERROR_DEVICE_NOT_CONNECTED;
    }
    ThrowOpenError(m_identity, error);
}

void WindowsSerialPort::Apply(const LineSettings& settings) {
    CheckLineCanCarry(m_identity, settings);
    if (!IsOpen()) {
        return; // the next Open sets the line
    }
    const auto applied = Call(
        [settings](CommDriver& driver) { return driver.Configure(settings, false); }, kCallBound);
    const DWORD error = applied ? applied->error : ERROR_GEN_FAILURE;
    if (error == ERROR_SUCCESS) {
        m_baudRate = settings.baudRate;
        return;
    }
    if (IsDeviceGoneError(error)) {
        FailTransmit(error, 0, 0);
    }
    ThrowUnsupportedSettings(m_identity, RejectedSettings(error));
}

void WindowsSerialPort::Transmit(std::span<const std::uint8_t> bytes) {
    const Clock::time_point deadline = Clock::now() + kTransmitDeadline;
    const std::size_t total = bytes.size();
    // An overlapped write returns at once, so it starts on this thread: no hand-over delays
    // the bytes. Its end is waited for with the deadline.
    DriverResult written =
        m_driver->StartWrite(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    if (written.error == ERROR_IO_PENDING) {
        written = m_driver->WaitWrite(Remaining(deadline));
    }
    if (written.error == WAIT_TIMEOUT) {
        // The deadline has passed: the write is cancelled, and the cancel waited for with a
        // bound; a driver that ends neither is let go.
        const bool asked =
            Call([](CommDriver& driver) { return driver.CancelWrite(); }, kCallBound).has_value();
        written = asked ? m_driver->WaitWrite(kCallBound) : written;
        if (written.error == WAIT_TIMEOUT) {
            LetGo();
        }
        written.error = ERROR_TIMEOUT;
    }
    const std::size_t unsent = total - std::min<std::size_t>(written.count, total);
    // A driver that honours the write timeout ends a write it cut short as a success.
    if (written.error != ERROR_SUCCESS || unsent > 0) {
        FailTransmit(written.error == ERROR_SUCCESS ? ERROR_TIMEOUT : written.error, unsent, total);
    }
    Drain(deadline, total);
}

void WindowsSerialPort::Close() {
    if (!IsOpen()) {
        return;
    }
    const auto status = Call([](CommDriver& driver) { return driver.OutputQueue(); }, kCallBound);
    if (!status || IsDeviceGoneError(status->error)) {
        // Gone while idle: every output had already left, so there is nothing to lose.
        Abandon();
        return;
    }
    Drain(Clock::now() + kTransmitDeadline, status->count);
    Call([](CommDriver& driver) { return driver.Close(false); }, kCallBound);
    m_open = false;
}

std::optional<DriverResult> WindowsSerialPort::Call(DriverCall call,
                                                    std::chrono::milliseconds bound) {
    if (!m_driver) {
        m_driver = m_makeDriver();
        m_thread = std::make_unique<DriverThread>();
    }
    // The driver outlives the call even when the call outlives the bound: see LetGo.
    CommDriver* driver = m_driver.get();
    auto result = m_thread->Run([driver, call] { return call(*driver); }, bound);
    if (!result) {
        LetGo();
    }
    return result;
}

void WindowsSerialPort::LetGo() {
    static_cast<void>(m_driver.release());
    static_cast<void>(m_thread.release());
    m_open = false;
}

void WindowsSerialPort::Drain(Clock::time_point deadline, std::size_t total) {
    for (;;) {
        const auto status =
            Call([](CommDriver& driver) { return driver.OutputQueue(); }, BoundBy(deadline));
        if (!status || status->error != ERROR_SUCCESS) {
            FailTransmit(status ? status->error : ERROR_TIMEOUT, kUnknownCount, total);
        }
        if (status->count == 0) {
            break;
        }
        if (Clock::now() >= deadline) {
            FailTransmit(ERROR_TIMEOUT, status->count, total);
        }
        Sleep(static_cast<DWORD>(DrainPause(status->count, m_baudRate, deadline).count()));
    }
    // The queue is empty; the last character may still be in the transmitter.
    Sleep(static_cast<DWORD>(CharacterTime(m_baudRate).count()));
}

void WindowsSerialPort::Abandon() {
    if (m_open) {
        Call([](CommDriver& driver) { return driver.Close(true); }, kCallBound);
    }
    m_open = false;
}

void WindowsSerialPort::FailTransmit(DWORD error, std::size_t unsent, std::size_t total) {
    Abandon();
    if (IsTimeoutError(error)) {
        ThrowTransmitTimeout(m_identity, unsent, total);
    }
    if (IsDeviceGoneError(error)) {
        ThrowDeviceGone(m_identity, unsent, total,
                        PortsAfterDisconnect(m_identity.name, SystemSerialDevices()));
    }
    ThrowTransmitFailed(m_identity, SystemErrorText(error));
}

} // namespace serial
