// Test helpers for the communications control: a pseudo-terminal standing in for the serial
// device, an environment variable set for one test, and process resource probes.
#pragma once

#include <windows.h>

#include <chrono>
#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <termios.h>
#include <vector>

namespace test {

// A pseudo-terminal pair. The control opens the slave by its path; the test reads what
// arrives at the master. The helper keeps a slave descriptor of its own so that the master
// never sees the control's close as a hang-up.
class PseudoTerminal {
public:
    PseudoTerminal();
    ~PseudoTerminal();
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return m_slavePath; }
    // Reads until count bytes have arrived or the timeout passes; returns what arrived.
    std::vector<BYTE> Read(std::size_t count,
                           std::chrono::milliseconds timeout = std::chrono::milliseconds{2000});
    // Whether anything more arrives within the time.
    bool Idle(std::chrono::milliseconds time = std::chrono::milliseconds{50});
    // The slave's line settings as the device driver holds them.
    termios SlaveSettings() const;
    // Hangs the line up, as a pulled USB adapter does.
    void Hangup();

private:
    int m_master = -1;
    int m_slave = -1;
    std::string m_slavePath;
};

// Whether a line is set as the program sets its serial line: 9600 baud both ways, 8 data
// bits, no parity, one stop bit, raw (no translation, echo, signals or canonical input) and
// without flow control. A failure names every setting that differs.
testing::AssertionResult LineIs9600EightNoneOneRaw(const termios& settings);

// Sets an environment variable for the life of the object and puts back the old value.
class ScopedEnv {
public:
    ScopedEnv(std::string name, const std::string& value);
    ~ScopedEnv();
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

private:
    std::string m_name;
    std::optional<std::string> m_old;
};

// Open descriptors of this process.
int OpenDescriptorCount();
// CPU time this process has used.
std::chrono::microseconds ProcessCpuTime();
// Runs the Qt event loop for the time.
void RunEventLoop(std::chrono::milliseconds time);

} // namespace test
