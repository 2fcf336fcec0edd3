// The display check: the request read from the process, the display libraries asked, and
// the one line that says what is missing.
//
// libxcb ends a connection that could not be made and one the server refused with the same
// error; only a refusal comes with the server's reason ("Authorization required..."), which
// the library writes to stderr. So ConnectX holds stderr back while it connects: the reason
// tells the two apart, and the program's own line stays the only one the user reads.
#include "platform/linux/startup/DisplayCheck.h"

#include <wayland-client.h>
#include <xcb/xcb.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace startup {

namespace {

constexpr std::string_view kXPlugin = "xcb";
constexpr std::string_view kWaylandPlugin = "wayland"; // and its variants, wayland-egl...
constexpr const char* kDefaultWaylandDisplay = "wayland-0";
constexpr const char* kNameSeparator = "：";
constexpr std::size_t kReasonBytes = 512; // a server's reason is one short line

// text with %1 and %2 filled in (%2 first: a display's name may hold "%2" itself).
std::string Fill(std::string_view text, const std::string& display, const char* variable) {
    std::string line(text);
    line.replace(line.find("%2"), 2, variable);
    line.replace(line.find("%1"), 2, display);
    return line;
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The platform plugins asked for: "wayland;xcb" is a list the toolkit tries in turn, and
// anything after a colon is an option ("offscreen:configfile=...").
std::vector<std::string> PlatformNames(const std::string& platform) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start <= platform.size()) {
        const std::size_t end = std::min(platform.find(';', start), platform.size());
        std::string name = platform.substr(start, end - start);
        name = name.substr(0, name.find(':'));
        name.erase(0, name.find_first_not_of(' '));
        name.erase(name.find_last_not_of(' ') + 1);
        if (!name.empty()) {
            names.push_back(name);
        }
        start = end + 1;
    }
    return names;
}

bool IsWayland(const std::string& name) {
    return name.starts_with(kWaylandPlugin);
}

// The program's name as the user typed it, for the start of the line.
std::string ProgramName(int argc, char** argv) {
    const std::string path = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    return path.substr(path.find_last_of('/') + 1);
}

// While it lives, what is written to stderr goes into a pipe instead; Finish() puts stderr
// back and returns what came. The pipe does not block a writer: a reason longer than the
// pipe holds is cut, never a hang.
class StderrCapture {
public:
    StderrCapture() {
        if (::pipe2(m_pipe, O_CLOEXEC | O_NONBLOCK) == 0) {
            std::fflush(stderr);
            m_saved = ::dup(STDERR_FILENO);
            ::dup2(m_pipe[1], STDERR_FILENO);
        }
    }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    ~StderrCapture() { Finish(); }

    std::string Finish() {
        std::string captured;
        if (m_saved >= 0) {
            ::dup2(m_saved, STDERR_FILENO);
            ::close(m_saved);
            m_saved = -1;
            ::close(m_pipe[1]);
            char buffer[kReasonBytes];
            const ssize_t length = ::read(m_pipe[0], buffer, sizeof buffer);
            captured.assign(buffer, static_cast<std::size_t>(std::max<ssize_t>(length, 0)));
            ::close(m_pipe[0]);
        }
        return captured;
    }

private:
    int m_pipe[2] = {-1, -1};
    int m_saved = -1;
};

// The Wayland client library logs why a connection failed to stderr; the check says it.
void Silent(const char*, va_list) {}

} // namespace

DisplayCheck::Environment DisplayCheck::Environment::OfProcess(int argc, char** argv) {
    Environment environment;
    environment.platform = EnvironmentValue("QT_QPA_PLATFORM");
    // The toolkit takes "-platform name" (or "--platform name") before the environment.
    for (int i = 1; i + 1 < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "-platform" || argument == "--platform") {
            environment.platform = argv[i + 1];
        }
    }
    environment.display = EnvironmentValue("DISPLAY");
    environment.waylandDisplay = EnvironmentValue("WAYLAND_DISPLAY");
    return environment;
}

DisplayCheck::DisplayCheck(Environment environment, Probes probes)
    : m_environment(std::move(environment)), m_probes(std::move(probes)) {}

bool DisplayCheck::NeedsDisplay() const {
    for (const std::string& name : PlatformNames(m_environment.platform)) {
        if (name != kXPlugin && !IsWayland(name)) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> DisplayCheck::Problem() const {
    if (!NeedsDisplay()) {
        return std::nullopt;
    }
    // Without a choice the toolkit may use either, X first.
    const std::vector<std::string> names = PlatformNames(m_environment.platform);
    bool wantX = names.empty();
    bool wantWayland = names.empty();
    for (const std::string& name : names) {
        wantX = wantX || name == kXPlugin;
        wantWayland = wantWayland || IsWayland(name);
    }
    std::optional<XAnswer> x;
    if (wantX && !m_environment.display.empty()) {
        x = m_probes.x(m_environment.display);
    }
    std::string waylandName = m_environment.waylandDisplay;
    if (waylandName.empty() && !names.empty() && wantWayland) {
        waylandName = kDefaultWaylandDisplay; // what the Wayland client library falls back to
    }
    const bool wayland = wantWayland && !waylandName.empty() && m_probes.wayland(waylandName);
    if (x == XAnswer::Accepted || wayland) {
        return std::nullopt;
    }
    // Nothing lets the program in: name the display the toolkit tries first.
    if (!names.empty() && IsWayland(names.front())) {
        return Fill(kDisplayUnreachable, waylandName, "WAYLAND_DISPLAY");
    }
    if (!x) {
        return std::string(kDisplayNotSet);
    }
    return Fill(*x == XAnswer::Refused ? kDisplayRefused : kDisplayUnreachable,
                m_environment.display, "DISPLAY");
}

bool DisplayCheck::Run(int argc, char** argv) {
    const std::optional<std::string> problem =
        DisplayCheck(Environment::OfProcess(argc, argv)).Problem();
    if (problem) {
        const std::string line =
            ProgramName(argc, argv) + kNameSeparator + *problem + std::string(kWithoutScreen);
        std::fputs((line + "\n").c_str(), stderr);
    }
    return !problem;
}

DisplayCheck::XAnswer DisplayCheck::ConnectX(const std::string& display) {
    StderrCapture capture;
    int screen = 0; // asked for as the toolkit asks, so that a screen the server lacks fails
    xcb_connection_t* connection = xcb_connect(display.c_str(), &screen);
    const int error = xcb_connection_has_error(connection);
    xcb_disconnect(connection);
    const bool refused = !capture.Finish().empty();
    if (error == 0) {
        return XAnswer::Accepted;
    }
    return refused ? XAnswer::Refused : XAnswer::Unreachable;
}

bool DisplayCheck::ConnectWayland(const std::string& display) {
    wl_log_set_handler_client(Silent);
    wl_display* connection = wl_display_connect(display.c_str());
    if (connection == nullptr) {
        return false;
    }
    wl_display_disconnect(connection);
    return true;
}

} // namespace startup
