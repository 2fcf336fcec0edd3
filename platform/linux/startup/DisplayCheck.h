// Whether there is a screen to show the program on, found out before the toolkit starts.
// Without a display the toolkit ends the process with an abort, a core dump and a hint to
// reinstall the program, which tells a technician nothing. Started from an SSH session
// without X forwarding, with a DISPLAY left over from an earlier session, or as a user the X
// server turns away, the program instead prints one line saying what is missing and what to
// do, and exits with status 1.
//
// The display libraries that the toolkit's platform plugins use answer the question
// themselves: libxcb connects as the X plugin will (display name, sockets, authorization),
// and libwayland-client as the Wayland plugin will. The check predicts nothing about which
// plugin the toolkit picks: it only looks whether any window system the toolkit could use
// lets the program in.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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
    // What each of them ends with: the way to write without a screen.
    static constexpr std::string_view kWithoutScreen =
        "不用图形显示时，可用命令行工具 tavrin-cli 写入（见 tavrin-cli --help）。";

    // What the check reads from the process.
    struct Environment {
        std::string platform;       // -platform on the command line, else QT_QPA_PLATFORM
        std::string display;        // DISPLAY
        std::string waylandDisplay; // WAYLAND_DISPLAY

        static Environment OfProcess(int argc, char** argv);
    };

    // What connecting to an X display showed.
    enum class XAnswer { Accepted, Unreachable, Refused };
    // How the window systems are asked; tests put their own answers in.
    struct Probes {
        std::function<XAnswer(const std::string& display)> x;
        std::function<bool(const std::string& display)> wayland;
    };

    // The check of environment, asking the display libraries unless told otherwise.
    explicit DisplayCheck(Environment environment, Probes probes = {ConnectX, ConnectWayland});

    // Whether the toolkit is to use X or Wayland, the only platforms that need a display.
    bool NeedsDisplay() const;
    // The line to print (without the program's name) when no display the toolkit could use
    // lets the program in; empty when one does, or when the toolkit was asked for a platform
    // that needs no window system (offscreen, vnc, linuxfb...).
    std::optional<std::string> Problem() const;

    // The check for this process: prints "<program>：<problem><kWithoutScreen>" on stderr and
    // returns false when there is no display.
    static bool Run(int argc, char** argv);

    // Connects to an X display and disconnects again. The library writes a server's reason
    // for turning the program away straight to stderr; it is held back here, so that the
    // program's line stays the only one.
    static XAnswer ConnectX(const std::string& display);
    // Connects to a Wayland display (a name in the runtime directory, or a path) and
    // disconnects again.
    static bool ConnectWayland(const std::string& display);

private:
    Environment m_environment;
    Probes m_probes;
};

} // namespace startup
