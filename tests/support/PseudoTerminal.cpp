// Test helpers for the communications control.
#include "support/PseudoTerminal.h"

#include <QEventLoop>
#include <QTimer>

#include <cstdlib>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <stdexcept>
#include <unistd.h>

namespace test {

PseudoTerminal::PseudoTerminal() {
    char name[256] = {};
    if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) != 0) {
        throw std::runtime_error("openpty failed");
    }
    m_slavePath = name;
    ::fcntl(m_master, F_SETFL, ::fcntl(m_master, F_GETFL) | O_NONBLOCK);
    ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
    ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
}

PseudoTerminal::~PseudoTerminal() {
    Hangup();
}

std::vector<BYTE> PseudoTerminal::Read(std::size_t count, std::chrono::milliseconds timeout) {
    std::vector<BYTE> bytes;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (bytes.size() < count && m_master >= 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) {
            break;
        }
        pollfd entry{m_master, POLLIN, 0};
        if (::poll(&entry, 1, static_cast<int>(left.count())) <= 0) {
            break;
        }
        BYTE buffer[4096];
        const ssize_t got = ::read(m_master, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        bytes.insert(bytes.end(), buffer, buffer + got);
    }
    return bytes;
}

bool PseudoTerminal::Idle(std::chrono::milliseconds time) {
    return Read(1, time).empty();
}

termios PseudoTerminal::SlaveSettings() const {
    termios settings{};
    ::tcgetattr(m_slave, &settings);
    return settings;
}

testing::AssertionResult LineIs9600EightNoneOneRaw(const termios& settings) {
    std::string wrong;
    const auto check = [&wrong](bool right, const char* what) {
        if (!right) {
            wrong += std::string(wrong.empty() ? "" : ", ") + what;
        }
    };
    check(cfgetospeed(&settings) == B9600, "output speed");
    check(cfgetispeed(&settings) == B9600, "input speed");
    check((settings.c_cflag & CSIZE) == CS8, "data bits");
    check((settings.c_cflag & PARENB) == 0, "parity");
    check((settings.c_cflag & CSTOPB) == 0, "stop bits");
    check((settings.c_cflag & CRTSCTS) == 0, "hardware flow control");
    check((settings.c_cflag & CLOCAL) != 0, "modem lines");
    check((settings.c_oflag & OPOST) == 0, "output processing");
    check((settings.c_iflag & (IXON | IXOFF | IXANY)) == 0, "software flow control");
    check((settings.c_iflag & (ICRNL | INLCR | IGNCR | ISTRIP)) == 0, "input translation");
    check((settings.c_lflag & (ICANON | ECHO | ISIG | IEXTEN)) == 0, "local modes");
    if (wrong.empty()) {
        return testing::AssertionSuccess();
    }
    return testing::AssertionFailure() << "not 9600 8N1 raw: " << wrong << " (speed code "
                                       << cfgetospeed(&settings) << ", 9600 is " << B9600 << ")";
}

void PseudoTerminal::Hangup() {
    if (m_slave >= 0) {
        ::close(m_slave);
        m_slave = -1;
    }
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

ScopedEnv::ScopedEnv(std::string name, const std::string& value) : m_name(std::move(name)) {
    if (const char* old = std::getenv(m_name.c_str())) {
        m_old = old;
    }
    ::setenv(m_name.c_str(), value.c_str(), 1);
}

ScopedEnv::~ScopedEnv() {
    if (m_old) {
        ::setenv(m_name.c_str(), m_old->c_str(), 1);
    } else {
        ::unsetenv(m_name.c_str());
    }
}

int OpenDescriptorCount() {
    int count = 0;
    if (DIR* dir = ::opendir("/proc/self/fd")) {
        while (const dirent* entry = ::readdir(dir)) {
            count += entry->d_name[0] != '.' ? 1 : 0;
        }
        ::closedir(dir);
    }
    return count - 1; // the directory's own descriptor
}

std::chrono::microseconds ProcessCpuTime() {
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return std::chrono::seconds{now.tv_sec} + std::chrono::duration_cast<std::chrono::microseconds>(
                                                  std::chrono::nanoseconds{now.tv_nsec});
}

void RunEventLoop(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace test
