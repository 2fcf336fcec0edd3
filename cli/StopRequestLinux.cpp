// Stop requests on Linux: SIGINT (Ctrl+C), SIGTERM and SIGHUP (the SSH session went away).
// SA_RESTART lets the serial device's reads of the system go on after the handler; its waits
// are bounded anyway, so a stop is seen after the frame that is going out.
#include "cli/StopRequest.h"

#include <csignal>
#include <signal.h>

namespace cli {

namespace {

void NoteSignal(int signal) {
    StopRequest::Raise(signal);
}

} // namespace

void StopRequest::Install() {
    struct sigaction action {};
    action.sa_handler = NoteSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        sigaction(signal, &action, nullptr);
    }
}

} // namespace cli
