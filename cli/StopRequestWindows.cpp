// Stop requests on Windows: Ctrl+C and Ctrl+Break in the console, which the system reports on
// a thread of its own; handled, they do not end the process.
#include "cli/StopRequest.h"

#include <csignal>
#include <windows.h>

namespace cli {

namespace {

BOOL WINAPI NoteConsoleEvent(DWORD event) {
    if (event == CTRL_C_EVENT || event == CTRL_BREAK_EVENT) {
        StopRequest::Raise(SIGINT);
        return TRUE;
    }
    return FALSE;
}

} // namespace

void StopRequest::Install() {
    SetConsoleCtrlHandler(NoteConsoleEvent, TRUE);
}

} // namespace cli
