// Exit statuses.
#include "cli/ExitCode.h"

namespace cli {

using serial::CommError;

ExitCode ExitCodeFor(CommError error, std::size_t framesSent) {
    if (framesSent > 0) {
        return ExitCode::WriteFailed;
    }
    switch (error) {
    case CommError::PermissionDenied:
    case CommError::PortBusy:
    case CommError::LockUnavailable:
        return ExitCode::PortBusy;
    case CommError::DeviceGone:
    case CommError::TransmitTimeout:
    case CommError::TransmitFailed:
        return ExitCode::WriteFailed;
    default:
        // Missing, no serial device, no hardware, or an open that failed otherwise.
        return ExitCode::PortMissing;
    }
}

std::string_view OutcomeName(ExitCode code) {
    switch (code) {
    case ExitCode::Sent:
        return "sent";
    case ExitCode::BadArguments:
        return "bad-arguments";
    case ExitCode::PortMissing:
        return "port-missing";
    case ExitCode::PortBusy:
        return "port-busy";
    case ExitCode::WriteFailed:
        return "write-failed";
    case ExitCode::RecordFailed:
        return "record-failed";
    case ExitCode::PlanDone:
        return "plan-done";
    case ExitCode::Failed:
        break;
    }
    return "failed";
}

} // namespace cli
