// The exit statuses of tavrin-cli, which scripts act on; --help, the README and the manual
// pages list them.
#pragma once

#include "platform/serial/CommErrors.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace cli {

enum class ExitCode : int {
    Sent = 0,         // everything was sent (or, with --dry-run, shown)
    Failed = 1,       // an error the program did not expect
    BadArguments = 2, // bad arguments, a bad value or a guard: nothing sent
    PortMissing = 3,  // the port is missing or is not a serial port: nothing sent
    PortBusy = 4,     // the port is busy or may not be opened: nothing sent
    WriteFailed = 5,  // a write failed, timed out or the device went away
    RecordFailed = 6, // the record cannot be written (nothing sent), or its line after a write
    PlanDone = 7,     // every unit of the plan is in the record: nothing sent
};

// 128 plus the signal's number, as a shell reports a program stopped by it: Ctrl+C is 130.
constexpr int kSignalExitBase = 128;

// The status for a port's error. Before any frame went out an open's error tells what is
// wrong with the port; once one has gone out the unit is half written, whatever the error.
ExitCode ExitCodeFor(serial::CommError error, std::size_t framesSent);

// A run that ends before anything is sent, with the status to exit with; what() says why.
class RunStop : public std::runtime_error {
public:
    RunStop(ExitCode code, const std::string& message)
        : std::runtime_error(message), m_code(code) {}
    ExitCode Code() const { return m_code; }

private:
    ExitCode m_code = ExitCode::Failed;
};

// A word for the outcome in the JSON report: "sent", "bad-arguments", "port-missing"...
std::string_view OutcomeName(ExitCode code);

} // namespace cli
