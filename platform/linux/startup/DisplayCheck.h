// Whether there is a screen to show the program on, found out before the toolkit starts.
// Without a display the toolkit ends the process with an abort, a core dump and a hint to
// reinstall the program, which tells a technician nothing; started from an SSH session
// without X forwarding, or with a DISPLAY left over from an earlier session, the program
// instead prints one line saying what is missing and what to do, and exits with status 1.
//
// The check predicts nothing about which platform plugin the toolkit picks: it only looks
// whether any window system the toolkit could use answers. A display that accepts the
// connection and then turns the program away (an X server that wants an authorization the
// user does not have) is caught while the toolkit starts: see DisplayCheck.cpp.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace startup {

class DisplayCheck {
public:
    // The process's exit status when there is no display.
    static constexpr int kExitNoDisplay = 1;

    // The lines printed after the program's name; %1 is the display's name, %2 the
    // environment variable that names it.
    static constexpr std::string_view kDisplayNotSet =
        "无法打开图形显示（DISPLAY 未设置），请在桌面会话中启动；通过 SSH 登录时请使用 ssh -X。";
    static constexpr std::string_view kDisplayUnreachable =
        "无法连接图形显示 %1，请在桌面会话中启动，或检查 %2 是否正确。";
    static constexpr std::string_view kDisplayRefused =
        "图形显示 %1 拒绝了连接（可能没有授权），请以登录桌面的用户身份启动，或检查 %2 是否正确。";

    // What the check reads from the process.
    struct Environment {
        std::string platform;       // -platform on the command line, else QT_QPA_PLATFORM
        std::string display;        // DISPLAY
        std::string waylandDisplay; // WAYLAND_DISPLAY
        std::string runtimeDir;     // XDG_RUNTIME_DIR, where Wayland sockets live

        static Environment OfProcess(int argc, char** argv);
    };

    // Where a display server listens.
    struct Endpoint {
        enum class Kind { Socket, AbstractSocket, Tcp };
        Kind kind = Kind::Socket;
        std::string address; // socket path, or host name
        int port = 0;        // TCP only

        bool operator==(const Endpoint&) const = default;
    };

    // What a connection attempt showed: someone listens, nobody does, or no answer in time.
    enum class Reach { Open, Refused, Unknown };
    using Connector = std::function<Reach(const Endpoint&)>;

    explicit DisplayCheck(Environment environment, Connector connect = Connect);

    // The line to print (without the program's name) when no display the toolkit could use
    // answers; empty when one does, when it cannot be told, or when the toolkit was asked for
    // a platform that needs no window system (offscreen, vnc, linuxfb...).
    std::optional<std::string> Problem() const;

    // The line for a display that was reached but refused the program while the toolkit
    // started.
    std::string RefusedLine() const;

    // Whether the toolkit is to use X or Wayland, the only platforms that need a display.
    bool NeedsDisplay() const;

    // The check for this process: prints "<program>：<problem>" on stderr and returns false
    // when there is no display. Otherwise it watches the toolkit's start, so that a display
    // that turns the program away there ends the process in the same way, and returns true.
    static bool Run(int argc, char** argv);

    // The sockets an X display name (":0", "unix:1", "localhost:10.0") leads to, in the
    // order the X client library tries them; empty when the name is not understood.
    static std::vector<Endpoint> XEndpoints(std::string_view display);
    // The socket of a Wayland display: an absolute path as it is, else a name in the runtime
    // directory; none when it is relative and there is no runtime directory.
    static std::optional<Endpoint> WaylandEndpoint(const std::string& display,
                                                   const std::string& runtimeDir);
    // Connects to an endpoint and closes the connection again; waits at most two seconds.
    static Reach Connect(const Endpoint& endpoint);

private:
    // The reach of a display: open when any of its sockets is, refused when all are.
    Reach ReachOf(const std::vector<Endpoint>& endpoints) const;

    Environment m_environment;
    Connector m_connect;
};

} // namespace startup
