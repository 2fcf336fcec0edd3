// The display check, and the watch over the toolkit's start that backs it up.
//
// A socket probe tells the common cases apart: no DISPLAY at all (an SSH session without X
// forwarding) and a DISPLAY nobody listens on (left over from an earlier session, or a
// forwarding that has gone). Both end here with exactly one line. A probe cannot see
// whether the X server will let the program in: an authorization the user lacks (another
// user's session, "su" without the cookie) fails only in the toolkit's own connection, which
// would then abort. So while the toolkit starts, a message handler holds back the platform
// plugin's messages and, when the X plugin reports it could not connect and the toolkit
// gives up, prints the program's line and exits with the same status instead of aborting.
// The X client library writes the server's own reason ("Authorization required...") straight
// to stderr before that; it is left there, as it says what the server wanted. Any other
// failure of the platform plugin (a missing library) is passed on to the toolkit untouched.
#include "platform/linux/startup/DisplayCheck.h"

#include "platform/linux/startup/ToolkitStartWatch.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>

#ifndef _WIN32
#include <cerrno>
#include <cstring>
#include <netdb.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#endif

namespace startup {

namespace {

constexpr int kConnectTimeoutMs = 2000;
constexpr int kFirstXPort = 6000;
constexpr const char* kXSocketDirectory = "/tmp/.X11-unix/X";
constexpr const char* kDefaultWaylandDisplay = "wayland-0";
constexpr std::string_view kXPlugin = "xcb";
constexpr std::string_view kWaylandPlugin = "wayland"; // and its variants, wayland-egl...
constexpr const char* kNameSeparator = "：";

std::string Fill(std::string_view text, const std::string& display, const char* variable) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))
        .arg(QString::fromStdString(display), QString::fromUtf8(variable))
        .toStdString();
}

std::string EnvironmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

// The platform plugins asked for: "wayland;xcb" is a list the toolkit tries in turn, and
// anything after a colon is an option ("offscreen:configfile=...").
std::vector<std::string> PlatformNames(const std::string& platform) {
    std::vector<std::string> names;
    for (const QString& entry : QString::fromStdString(platform).split(u';', Qt::SkipEmptyParts)) {
        names.push_back(entry.section(u':', 0, 0).trimmed().toStdString());
    }
    return names;
}

// A display or screen number: a few decimal digits.
bool IsNumber(std::string_view text) {
    constexpr std::size_t kMaxDigits = 4;
    return !text.empty() && text.size() <= kMaxDigits &&
           text.find_first_not_of("0123456789") == std::string_view::npos;
}

bool IsWayland(const std::string& name) {
    return name.starts_with(kWaylandPlugin);
}

// The program's name as the user typed it, for the start of the line.
std::string ProgramName(int argc, char** argv) {
    const std::string path = argc > 0 && argv[0] != nullptr ? argv[0] : "";
    return path.substr(path.find_last_of('/') + 1);
}

#ifndef _WIN32
DisplayCheck::Reach ReachOfError(int error) {
    switch (error) {
    case ECONNREFUSED:
    case ENOENT:
    case ENOTDIR:
    case EACCES:
    case ENETUNREACH:
    case EHOSTUNREACH:
        return DisplayCheck::Reach::Refused;
    default:
        return DisplayCheck::Reach::Unknown;
    }
}

DisplayCheck::Reach ConnectTo(int family, const sockaddr* address, socklen_t length) {
    const int fd = socket(family, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        return DisplayCheck::Reach::Unknown;
    }
    DisplayCheck::Reach reach = DisplayCheck::Reach::Open;
    if (connect(fd, address, length) != 0) {
        if (errno != EINPROGRESS) {
            reach = ReachOfError(errno);
        } else {
            pollfd waiting{fd, POLLOUT, 0};
            int error = 0;
            socklen_t size = sizeof error;
            if (poll(&waiting, 1, kConnectTimeoutMs) != 1 ||
                getsockopt(fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0) {
                reach = DisplayCheck::Reach::Unknown;
            } else if (error != 0) {
                reach = ReachOfError(error);
            }
        }
    }
    close(fd);
    return reach;
}

DisplayCheck::Reach ConnectLocal(const std::string& path, bool abstract) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const std::size_t offset = abstract ? 1 : 0; // an abstract name starts with a zero byte
    if (path.size() + offset >= sizeof address.sun_path) {
        return DisplayCheck::Reach::Unknown;
    }
    std::memcpy(address.sun_path + offset, path.data(), path.size());
    const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                               path.size() + (abstract ? 0 : 1));
    return ConnectTo(AF_UNIX, reinterpret_cast<const sockaddr*>(&address), length);
}

DisplayCheck::Reach ConnectTcp(const std::string& host, int port) {
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* found = nullptr;
    const int status = getaddrinfo(host.c_str(), std::to_string(port).c_str(), &hints, &found);
    if (status != 0) {
        // A host nobody knows is as unreachable for the X client library.
        return status == EAI_NONAME ? DisplayCheck::Reach::Refused : DisplayCheck::Reach::Unknown;
    }
    DisplayCheck::Reach reach = DisplayCheck::Reach::Refused;
    for (const addrinfo* each = found; each != nullptr; each = each->ai_next) {
        const DisplayCheck::Reach one = ConnectTo(each->ai_family, each->ai_addr, each->ai_addrlen);
        if (one == DisplayCheck::Reach::Open) {
            reach = one;
            break;
        }
        if (one == DisplayCheck::Reach::Unknown) {
            reach = one;
        }
    }
    freeaddrinfo(found);
    return reach;
}
#endif

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
    environment.runtimeDir = EnvironmentValue("XDG_RUNTIME_DIR");
    return environment;
}

DisplayCheck::DisplayCheck(Environment environment, Connector connect)
    : m_environment(std::move(environment)), m_connect(std::move(connect)) {}

bool DisplayCheck::NeedsDisplay() const {
#ifdef _WIN32
    return false; // the desktop is always there, and there is no other window system
#else
    for (const std::string& name : PlatformNames(m_environment.platform)) {
        if (name != kXPlugin && !IsWayland(name)) {
            return false;
        }
    }
    return true;
#endif
}

DisplayCheck::Reach DisplayCheck::ReachOf(const std::vector<Endpoint>& endpoints) const {
    if (endpoints.empty()) {
        return Reach::Unknown; // a name the check does not understand: the toolkit decides
    }
    Reach reach = Reach::Refused;
    for (const Endpoint& endpoint : endpoints) {
        const Reach one = m_connect(endpoint);
        if (one == Reach::Open) {
            return one;
        }
        if (one == Reach::Unknown) {
            reach = one;
        }
    }
    return reach;
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
    const bool waylandFirst = !names.empty() && IsWayland(names.front());

    std::optional<Reach> x;
    if (wantX && !m_environment.display.empty()) {
        x = ReachOf(XEndpoints(m_environment.display));
    }
    std::string waylandName = m_environment.waylandDisplay;
    if (waylandName.empty() && !names.empty() && wantWayland) {
        waylandName = kDefaultWaylandDisplay; // what the Wayland client library falls back to
    }
    std::optional<Reach> wayland;
    if (wantWayland && !waylandName.empty()) {
        const std::optional<Endpoint> endpoint =
            WaylandEndpoint(waylandName, m_environment.runtimeDir);
        wayland = endpoint ? ReachOf({*endpoint}) : Reach::Refused;
    }
    const auto answers = [](const std::optional<Reach>& reach) {
        return reach.has_value() && *reach != Reach::Refused;
    };
    if (answers(x) || answers(wayland)) {
        return std::nullopt;
    }
    // Nothing answers: name the display the toolkit tries first.
    if (waylandFirst) {
        return Fill(kDisplayUnreachable, waylandName, "WAYLAND_DISPLAY");
    }
    if (!x) {
        return std::string(kDisplayNotSet);
    }
    return Fill(kDisplayUnreachable, m_environment.display, "DISPLAY");
}

std::string DisplayCheck::RefusedLine() const {
    if (m_environment.display.empty()) {
        return std::string(kDisplayNotSet);
    }
    return Fill(kDisplayRefused, m_environment.display, "DISPLAY");
}

bool DisplayCheck::Run(int argc, char** argv) {
    const DisplayCheck check(Environment::OfProcess(argc, argv));
    if (!check.NeedsDisplay()) {
        return true; // offscreen, vnc...: the user's choice, nothing to connect to
    }
    const std::string program = ProgramName(argc, argv) + kNameSeparator;
    if (const std::optional<std::string> problem = check.Problem()) {
        ToolkitStartWatch::PrintLine(program + *problem);
        return false;
    }
    ToolkitStartWatch::Start(program + check.RefusedLine(), kExitNoDisplay);
    return true;
}

std::vector<DisplayCheck::Endpoint> DisplayCheck::XEndpoints(std::string_view display) {
    // [protocol/][host]:number[.screen], the X client library's grammar; a host in brackets
    // is an IPv6 address, and "host::number" (DECnet) is not understood.
    std::string_view protocol;
    if (const std::size_t slash = display.rfind('/'); slash != std::string_view::npos) {
        protocol = display.substr(0, slash);
        display.remove_prefix(slash + 1);
    }
    if (protocol != "" && protocol != "unix" && protocol != "tcp" && protocol != "inet" &&
        protocol != "inet6") {
        return {};
    }
    const std::size_t colon = display.rfind(':');
    if (colon == std::string_view::npos || (colon > 0 && display[colon - 1] == ':')) {
        return {};
    }
    std::string_view host = display.substr(0, colon);
    const std::string_view rest = display.substr(colon + 1);
    const std::size_t dot = rest.find('.');
    const std::string_view number = rest.substr(0, dot);
    if (!IsNumber(number) || (dot != std::string_view::npos && !IsNumber(rest.substr(dot + 1)))) {
        return {};
    }
    if (host.size() >= 2 && host.front() == '[' && host.back() == ']') {
        host = host.substr(1, host.size() - 2);
    }
    if (protocol == "unix" || (protocol.empty() && (host.empty() || host == "unix"))) {
        const std::string path = kXSocketDirectory + std::string(number);
        // Linux's X clients try the abstract socket first, then the file.
        return {{Endpoint::Kind::AbstractSocket, path, 0}, {Endpoint::Kind::Socket, path, 0}};
    }
    return {{Endpoint::Kind::Tcp, host.empty() ? "localhost" : std::string(host),
             kFirstXPort + std::stoi(std::string(number))}};
}

std::optional<DisplayCheck::Endpoint> DisplayCheck::WaylandEndpoint(const std::string& display,
                                                                    const std::string& runtimeDir) {
    if (display.starts_with('/')) {
        return Endpoint{Endpoint::Kind::Socket, display, 0};
    }
    if (runtimeDir.empty()) {
        return std::nullopt;
    }
    return Endpoint{Endpoint::Kind::Socket, runtimeDir + "/" + display, 0};
}

DisplayCheck::Reach DisplayCheck::Connect(const Endpoint& endpoint) {
#ifdef _WIN32
    (void)endpoint;
    return Reach::Unknown;
#else
    switch (endpoint.kind) {
    case Endpoint::Kind::Socket:
        return ConnectLocal(endpoint.address, false);
    case Endpoint::Kind::AbstractSocket:
        return ConnectLocal(endpoint.address, true);
    case Endpoint::Kind::Tcp:
        return ConnectTcp(endpoint.address, endpoint.port);
    }
    return Reach::Unknown;
#endif
}

} // namespace startup
