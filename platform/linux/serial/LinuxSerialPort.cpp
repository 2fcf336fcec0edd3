// The serial device of the communications control on this system.
//
// Why the bytes bypass QSerialPort's buffer: written through QSerialPort they only leave
// from the event loop or a waitForBytesWritten(), which close() does not wait for, which
// fails when the buffer is already empty and which spins once the line has hung up. So
// QSerialPort opens (lock file, exclusive mode, raw termios) and closes the device, and the
// bytes go straight to its descriptor with every wait bounded by the deadline. The device
// is opened write-only: nothing is ever read, and no read notifier can spin on a dead line.
#include "platform/linux/serial/LinuxSerialPort.h"

#include "platform/linux/serial/LinuxCommErrors.h"
#include "platform/linux/serial/SerialLock.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

namespace serial {

namespace {

// The longest a close may take: the queue is empty or discarded by then, so a driver that
// still waits is one that would wait for good.
constexpr std::chrono::milliseconds kCloseBound{250};
constexpr const char* kDeviceDirectory = "/dev/";
constexpr const char* kDefaultDevicePrefix = "/dev/ttyS";

using std::chrono::nanoseconds;

// After the deadline the alarm repeats, in case its first signal came just before the call.
constexpr nanoseconds kAlarmRepeat = std::chrono::milliseconds{10};
constexpr nanoseconds kSoonest{1}; // a zero time would disarm the timer

timespec TimeOf(nanoseconds time) {
    const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(time);
    return {static_cast<time_t>(seconds.count()), static_cast<long>((time - seconds).count())};
}

void Interrupt(int) {}

// Runs call (which gives 0 or an error number), ending a blocking driver call in it once
// deadline has passed: a timer signals this thread, without SA_RESTART, so that tcdrain or
// close returns with EINTR. Why: both wait interruptibly but for as long as a driver says the
// line has not drained (a close up to the tty's closing_wait, 30 seconds by default).
template <class Call> int BeforeDeadline(SerialPortDevice::Clock::time_point deadline, Call call) {
    struct sigaction action {};
    struct sigaction previous {};
    action.sa_handler = &Interrupt;
    sigemptyset(&action.sa_mask);
    sigevent event{};
    event.sigev_notify = SIGEV_THREAD_ID;
    event.sigev_signo = SIGRTMIN;
    event._sigev_un._tid = static_cast<pid_t>(::syscall(SYS_gettid));
    timer_t timer{};
    const bool installed = ::sigaction(SIGRTMIN, &action, &previous) == 0;
    const bool armed = installed && ::timer_create(CLOCK_MONOTONIC, &event, &timer) == 0;
    if (armed) {
        const nanoseconds left =
            std::max(kSoonest, nanoseconds(deadline - SerialPortDevice::Clock::now()));
        const itimerspec when{TimeOf(kAlarmRepeat), TimeOf(left)};
        ::timer_settime(timer, 0, &when, nullptr);
    }
    const int error = call();
    // A signal sent before the timer was deleted has reached Interrupt as the call returned.
    if (armed) {
        ::timer_delete(timer);
    }
    if (installed) {
        ::sigaction(SIGRTMIN, &previous, nullptr);
    }
    return error;
}

bool IsDeviceGoneError(int error) {
    return error == EIO || error == ENXIO || error == ENODEV || error == EPIPE;
}

// By Parity's order.
constexpr QSerialPort::Parity kQtParities[] = {QSerialPort::NoParity, QSerialPort::EvenParity,
                                               QSerialPort::OddParity, QSerialPort::MarkParity,
                                               QSerialPort::SpaceParity};

} // namespace

std::string DevicePathForPort(long port) {
    const std::string variable = kPortVariablePrefix + PortName(port);
    if (const char* path = std::getenv(variable.c_str()); path != nullptr && *path != '\0') {
        // A bare name such as "ttyUSB0" is a device under /dev, as in the usual port names.
        const std::string value = path;
        return value.find('/') == std::string::npos ? kDeviceDirectory + value : value;
    }
    return kDefaultDevicePrefix + std::to_string(port - 1);
}

std::unique_ptr<SerialPortDevice> CreateSerialPortDevice() {
    return std::make_unique<LinuxSerialPort>();
}

LinuxSerialPort::LinuxSerialPort(SerialDeviceList devices) : m_devices(std::move(devices)) {}

void LinuxSerialPort::Open(long port, const LineSettings& settings) {
    OpenDevice(PortName(port), DevicePathForPort(port), settings);
}

void LinuxSerialPort::OpenDevice(const std::string& portName, const std::string& path,
                                 const LineSettings& settings) {
    m_identity = {portName, path,
                  QFileInfo(QString::fromStdString(path)).canonicalFilePath().toStdString()};
    if (m_identity.realPath.empty()) {
        ThrowOpenError(m_identity, ENOENT, m_devices);
    }
    // The lock file is named after the real device, so two names of it share one lock.
    m_port.setPortName(QString::fromStdString(m_identity.realPath));
    Apply(settings); // kept by QSerialPort until it opens the device
    if (!m_port.open(QIODevice::WriteOnly)) {
        FailOpen();
    }
}

void LinuxSerialPort::Apply(const LineSettings& settings) {
    CheckLineCanCarry(m_identity, settings);
    const bool twoStopBits = settings.stopBits != StopBits::One;
    const bool applied =
        m_port.setBaudRate(static_cast<qint32>(settings.baudRate)) &&
        m_port.setDataBits(static_cast<QSerialPort::DataBits>(settings.dataBits)) &&
        m_port.setParity(kQtParities[static_cast<int>(settings.parity)]) &&
        m_port.setStopBits(twoStopBits ? QSerialPort::TwoStop : QSerialPort::OneStop) &&
        m_port.setFlowControl(QSerialPort::NoFlowControl);
    if (!applied) {
        ThrowUnsupportedSettings(m_identity, "设备不接受这些参数（" +
                                                 m_port.errorString().toStdString() + "）");
    }
}

void LinuxSerialPort::FailOpen() {
    const QSerialPort::SerialPortError qtError = m_port.error();
    const std::string qtCause = m_port.errorString().toStdString();
    // Qt reports a busy device, a held lock and a denied device all as a permission error,
    // and a terminal that is none as an unsupported operation, so look for ourselves.
    if (const int error = OpenErrorOfDevice(); error != 0) {
        ThrowOpenError(m_identity, error, m_devices);
    }
    const std::string lockPath = SerialLockFilePath(m_identity.realPath);
    if (qtError == QSerialPort::PermissionError) {
        // The device itself opens, so the lock failed: held by a process not seen from here,
        // or the lock file could not be made.
        if (lockPath.empty() || !QFile::exists(QString::fromStdString(lockPath))) {
            ThrowLockUnavailable(m_identity);
        }
        FailBusy();
    }
    if (qtError == QSerialPort::DeviceNotFoundError) {
        ThrowOpenError(m_identity, ENOENT, m_devices);
    }
    if (qtError == QSerialPort::ResourceError) {
        ThrowOpenError(m_identity, EIO, m_devices);
    }
    ThrowOpenFailed(m_identity, UnexplainedSystemError(qtCause));
}

int LinuxSerialPort::OpenErrorOfDevice() const {
    const char* device = m_identity.realPath.c_str();
    // A ttyS node without a UART opens, but setting it up fails with an I/O error.
    if (m_devices.HasNoUart(m_identity.realPath)) {
        return EIO;
    }
    struct stat info {};
    if (::stat(device, &info) != 0) {
        return errno;
    }
    if (S_ISDIR(info.st_mode)) {
        return EISDIR;
    }
    if (!S_ISCHR(info.st_mode)) {
        return ENOTTY;
    }
    // Access rights first, then the lock file, then the device.
    if (::faccessat(AT_FDCWD, device, R_OK | W_OK, AT_EACCESS) != 0 && errno == EACCES) {
        return EACCES;
    }
    if (!SerialLockHolder(SerialLockFilePath(m_identity.realPath)).empty()) {
        FailBusy();
    }
    const int probe = ::open(device, O_WRONLY | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (probe < 0 && errno == EBUSY) {
        FailBusy();
    }
    if (probe < 0) {
        return errno;
    }
    termios settings{};
    const int error = ::tcgetattr(probe, &settings) == 0 ? 0 : errno;
    ::close(probe);
    return error;
}

void LinuxSerialPort::Transmit(std::span<const std::uint8_t> bytes) {
    const Clock::time_point deadline = Clock::now() + kTransmitDeadline;
    const int fd = m_port.handle();
    std::size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + sent, bytes.size() - sent);
        if (written > 0) {
            sent += static_cast<std::size_t>(written);
            continue;
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            FailTransmit(errno, bytes.size() - sent, bytes.size());
        }
        if (const int error = WaitWritable(deadline); error != 0) {
            FailTransmit(error, bytes.size() - sent, bytes.size());
        }
    }
    WaitUntilSent(deadline, bytes.size());
}

void LinuxSerialPort::Close() {
    if (!IsOpen()) {
        return;
    }
    int queued = 0;
    if (::ioctl(m_port.handle(), TIOCOUTQ, &queued) != 0 && IsDeviceGoneError(errno)) {
        // Gone while idle: every output had already left, so there is nothing to lose.
        Abandon();
        return;
    }
    WaitUntilSent(Clock::now() + kTransmitDeadline, static_cast<std::size_t>(std::max(queued, 0)));
    CloseWithin(kCloseBound);
}

void LinuxSerialPort::FailBusy() const {
    // Every process that has the device open, whether or not it took the lock file.
    std::string holders = m_devices.Holders(m_identity.realPath);
    if (holders.empty()) {
        holders = SerialLockHolder(SerialLockFilePath(m_identity.realPath));
    }
    ThrowPortBusy(m_identity, holders);
}

int LinuxSerialPort::WaitWritable(Clock::time_point deadline) const {
    pollfd entry{m_port.handle(), POLLOUT, 0};
    for (;;) {
        const int ready = ::poll(&entry, 1, static_cast<int>(Remaining(deadline).count()));
        if (ready < 0 && errno == EINTR) {
            continue;
        }
        if (ready < 0 || (entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) {
            return EIO; // hung up
        }
        return ready == 0 ? ETIMEDOUT : 0;
    }
}

void LinuxSerialPort::WaitUntilSent(Clock::time_point deadline, std::size_t total) {
    const int fd = m_port.handle();
    for (;;) {
        int queued = 0;
        if (::ioctl(fd, TIOCOUTQ, &queued) != 0) {
            FailTransmit(errno, kUnknownCount, total);
        }
        if (queued <= 0) {
            break;
        }
        if (Clock::now() >= deadline) {
            FailTransmit(ETIMEDOUT, static_cast<std::size_t>(queued), total);
        }
        std::this_thread::sleep_for(
            DrainPause(static_cast<std::size_t>(queued), m_port.baudRate(), deadline));
    }
    // The queue is empty; this waits only for the last character to leave the transmitter,
    // unless the driver never says it has.
    const auto drain = [fd, deadline] {
        while (::tcdrain(fd) != 0) {
            if (errno != EINTR || Clock::now() >= deadline) {
                return errno == EINTR ? ETIMEDOUT : errno;
            }
        }
        return 0;
    };
    if (const int error = BeforeDeadline(deadline, drain); error != 0) {
        FailTransmit(error, kUnknownCount, total);
    }
}

void LinuxSerialPort::CloseWithin(std::chrono::milliseconds bound) {
    BeforeDeadline(Clock::now() + bound, [this] {
        m_port.close();
        return 0;
    });
}

void LinuxSerialPort::Abandon() {
    ::tcflush(m_port.handle(), TCOFLUSH);
    CloseWithin(kCloseBound);
}

void LinuxSerialPort::FailTransmit(int error, std::size_t unsent, std::size_t total) {
    Abandon();
    if (error == ETIMEDOUT) {
        ThrowTransmitTimeout(m_identity, unsent, total);
    }
    if (IsDeviceGoneError(error)) {
        ThrowDeviceGone(m_identity, unsent, total, m_devices.Devices());
    }
    ThrowTransmitFailed(m_identity, SystemErrorText(error));
}

} // namespace serial
