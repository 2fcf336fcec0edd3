// The display check: which displays it tries for which request, what it says when none
// answers, how it reads X display names, and its probe against real sockets.
#include "platform/linux/startup/DisplayCheck.h"

#include <QTemporaryDir>
#include <arpa/inet.h>
#include <cstdlib>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <optional>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <vector>

namespace {

using startup::DisplayCheck;
using Endpoint = DisplayCheck::Endpoint;
using Kind = DisplayCheck::Endpoint::Kind;
using Reach = DisplayCheck::Reach;

constexpr const char* kRuntimeDir = "/run/user/1000";

// A connector that answers from a table of addresses (an abstract socket's with "@" after
// it) and records what was tried; anything not in the table is refused.
struct FakeDisplays {
    std::vector<std::pair<std::string, Reach>> answers;
    std::vector<Endpoint> tried;

    DisplayCheck::Connector Connector() {
        return [this](const Endpoint& endpoint) {
            tried.push_back(endpoint);
            for (const auto& [address, reach] : answers) {
                if (address ==
                    endpoint.address + (endpoint.kind == Kind::AbstractSocket ? "@" : "")) {
                    return reach;
                }
            }
            return Reach::Refused;
        };
    }
};

DisplayCheck::Environment Env(std::string platform, std::string display,
                              std::string waylandDisplay = "") {
    return {std::move(platform), std::move(display), std::move(waylandDisplay), kRuntimeDir};
}

std::string Unreachable(const std::string& display, const std::string& variable) {
    return "无法连接图形显示 " + display + "，请在桌面会话中启动，或检查 " + variable +
           " 是否正确。";
}

TEST(DisplayCheck, WithNoDisplayNamedItSaysDisplayIsNotSetAndTriesNothing) {
    FakeDisplays displays;
    const DisplayCheck check(Env("", ""), displays.Connector());
    EXPECT_EQ(check.Problem(), std::string(DisplayCheck::kDisplayNotSet));
    EXPECT_TRUE(displays.tried.empty());
    EXPECT_NE(DisplayCheck::kDisplayNotSet.find("DISPLAY 未设置"), std::string_view::npos);
}

TEST(DisplayCheck, ADisplayNobodyListensOnIsNamedWithItsVariable) {
    FakeDisplays displays;
    const DisplayCheck check(Env("", ":99"), displays.Connector());
    EXPECT_EQ(check.Problem(), Unreachable(":99", "DISPLAY"));
    // Both sockets of a local display were tried before giving up.
    const std::vector<Endpoint> expected{{Kind::AbstractSocket, "/tmp/.X11-unix/X99", 0},
                                         {Kind::Socket, "/tmp/.X11-unix/X99", 0}};
    EXPECT_EQ(displays.tried, expected);
}

TEST(DisplayCheck, AnyAnsweringOrUndecidedSocketLetsTheToolkitStart) {
    const std::vector<std::vector<std::pair<std::string, Reach>>> answers{
        {{"/tmp/.X11-unix/X0@", Reach::Open}},
        {{"/tmp/.X11-unix/X0", Reach::Open}},    // only the file socket, as in some containers
        {{"/tmp/.X11-unix/X0", Reach::Unknown}}, // no answer in time: the toolkit decides
    };
    for (const auto& table : answers) {
        FakeDisplays displays{table, {}};
        EXPECT_EQ(DisplayCheck(Env("", ":0"), displays.Connector()).Problem(), std::nullopt)
            << table.front().first;
    }
    // A forwarded display over TCP (ssh -X) is reached on 6000 + its number.
    FakeDisplays forwarded{{{"localhost", Reach::Open}}, {}};
    EXPECT_EQ(DisplayCheck(Env("", "localhost:10.0"), forwarded.Connector()).Problem(),
              std::nullopt);
    EXPECT_EQ(forwarded.tried, (std::vector<Endpoint>{{Kind::Tcp, "localhost", 6010}}));
}

TEST(DisplayCheck, EitherWindowSystemWillDoUnlessOneIsAskedFor) {
    const std::string wayland = std::string(kRuntimeDir) + "/wayland-1";
    FakeDisplays displays{{{wayland, Reach::Open}}, {}};
    // Nothing asked for: a stale DISPLAY beside a live Wayland session is no reason to stop.
    EXPECT_EQ(DisplayCheck(Env("", ":5", "wayland-1"), displays.Connector()).Problem(),
              std::nullopt);
    // X asked for: Wayland does not help, and the message is about DISPLAY.
    EXPECT_EQ(DisplayCheck(Env("xcb", "", "wayland-1"), displays.Connector()).Problem(),
              std::string(DisplayCheck::kDisplayNotSet));
    EXPECT_EQ(DisplayCheck(Env("xcb", ":5", "wayland-1"), displays.Connector()).Problem(),
              Unreachable(":5", "DISPLAY"));
    // Nothing asked for and no DISPLAY: X comes first, so its absence is what is said.
    FakeDisplays none;
    EXPECT_EQ(DisplayCheck(Env("", "", "wayland-1"), none.Connector()).Problem(),
              std::string(DisplayCheck::kDisplayNotSet));
}

TEST(DisplayCheck, WaylandAskedForIsLookedForInTheRuntimeDirectory) {
    FakeDisplays displays;
    // Without WAYLAND_DISPLAY the Wayland client library takes wayland-0.
    EXPECT_EQ(DisplayCheck(Env("wayland", ""), displays.Connector()).Problem(),
              Unreachable("wayland-0", "WAYLAND_DISPLAY"));
    EXPECT_EQ(displays.tried,
              (std::vector<Endpoint>{{Kind::Socket, std::string(kRuntimeDir) + "/wayland-0", 0}}));
    // A list is tried in turn; the first is the one named.
    EXPECT_EQ(
        DisplayCheck(Env("wayland-egl;xcb", ":3", "wayland-2"), displays.Connector()).Problem(),
        Unreachable("wayland-2", "WAYLAND_DISPLAY"));
    FakeDisplays x{{{"/tmp/.X11-unix/X3", Reach::Open}}, {}};
    EXPECT_EQ(DisplayCheck(Env("wayland;xcb", ":3", "wayland-2"), x.Connector()).Problem(),
              std::nullopt);

    EXPECT_EQ(DisplayCheck::WaylandEndpoint("/tmp/w/socket", ""),
              (Endpoint{Kind::Socket, "/tmp/w/socket", 0}));
    EXPECT_EQ(DisplayCheck::WaylandEndpoint("wayland-0", "/run/user/7"),
              (Endpoint{Kind::Socket, "/run/user/7/wayland-0", 0}));
    EXPECT_EQ(DisplayCheck::WaylandEndpoint("wayland-0", ""), std::nullopt);
}

TEST(DisplayCheck, APlatformWithoutWindowSystemIsTheUsersChoiceAndNotChecked) {
    for (const char* platform : {"offscreen", "offscreen:configfile=/tmp/screens.json",
                                 "vnc:size=800x600", "linuxfb", "minimal", "xcb;offscreen"}) {
        FakeDisplays displays;
        const DisplayCheck check(Env(platform, ""), displays.Connector());
        EXPECT_FALSE(check.NeedsDisplay()) << platform;
        EXPECT_EQ(check.Problem(), std::nullopt) << platform;
        EXPECT_TRUE(displays.tried.empty()) << platform;
    }
    for (const char* platform : {"", "xcb", "wayland", "wayland-egl", "wayland;xcb", "xcb:x=1"}) {
        EXPECT_TRUE(DisplayCheck(Env(platform, "")).NeedsDisplay()) << platform;
    }
}

TEST(DisplayCheck, TheRefusedLineNamesTheDisplayOrItsAbsence) {
    EXPECT_EQ(DisplayCheck(Env("", ":0")).RefusedLine(),
              "图形显示 :0 拒绝了连接（可能没有授权），请以登录桌面的用户身份启动，或检查 "
              "DISPLAY 是否正确。");
    EXPECT_EQ(DisplayCheck(Env("", "")).RefusedLine(), std::string(DisplayCheck::kDisplayNotSet));
}

TEST(DisplayCheck, ReadsXDisplayNamesAsTheXClientLibraryDoes) {
    const auto local = [](const std::string& number) {
        const std::string path = "/tmp/.X11-unix/X" + number;
        return std::vector<Endpoint>{{Kind::AbstractSocket, path, 0}, {Kind::Socket, path, 0}};
    };
    const auto tcp = [](const std::string& host, int port) {
        return std::vector<Endpoint>{{Kind::Tcp, host, port}};
    };
    const std::vector<std::pair<const char*, std::vector<Endpoint>>> cases{
        {":0", local("0")},
        {":1.0", local("1")},
        {"unix:2", local("2")},
        {"unix/:3", local("3")},
        {"localhost:10.0", tcp("localhost", 6010)},
        {"tcp/:4", tcp("localhost", 6004)},
        {"[::1]:5", tcp("::1", 6005)},
        {"192.0.2.7:2.1", tcp("192.0.2.7", 6002)},
        // Not understood: the toolkit is left to make of them what it can.
        {"", {}},
        {"0", {}},
        {":", {}},
        {":x", {}},
        {":0.", {}},
        {":0.a", {}},
        {":123456", {}},
        {"host::0", {}},
        {"weird/:0", {}},
    };
    for (const auto& [name, expected] : cases) {
        EXPECT_EQ(DisplayCheck::XEndpoints(name), expected) << '"' << name << '"';
    }
}

TEST(DisplayCheck, ADisplayNameItCannotReadIsLeftToTheToolkit) {
    FakeDisplays displays;
    EXPECT_EQ(DisplayCheck(Env("", "host::0"), displays.Connector()).Problem(), std::nullopt);
    EXPECT_TRUE(displays.tried.empty());
}

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    void Set(const char* name, const char* value) {
        const char* old = std::getenv(name);
        m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        if (value != nullptr) {
            setenv(name, value, 1);
        } else {
            unsetenv(name);
        }
    }
    ~ScopedEnvironment() {
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it) {
            if (it->second) {
                setenv(it->first.c_str(), it->second->c_str(), 1);
            } else {
                unsetenv(it->first.c_str());
            }
        }
    }

private:
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(DisplayCheck, TheCommandLinePlatformComesBeforeTheEnvironment) {
    ScopedEnvironment environment;
    environment.Set("QT_QPA_PLATFORM", "xcb");
    environment.Set("DISPLAY", ":7");
    environment.Set("WAYLAND_DISPLAY", nullptr);
    environment.Set("XDG_RUNTIME_DIR", "/run/user/5");
    char program[] = "tavrin";
    char option[] = "-platform";
    char longOption[] = "--platform";
    char offscreen[] = "offscreen";
    char vnc[] = "vnc";

    char* none[] = {program, nullptr};
    DisplayCheck::Environment read = DisplayCheck::Environment::OfProcess(1, none);
    EXPECT_EQ(read.platform, "xcb");
    EXPECT_EQ(read.display, ":7");
    EXPECT_EQ(read.waylandDisplay, "");
    EXPECT_EQ(read.runtimeDir, "/run/user/5");

    char* given[] = {program, option, offscreen, nullptr};
    EXPECT_EQ(DisplayCheck::Environment::OfProcess(3, given).platform, "offscreen");
    char* givenLong[] = {program, longOption, vnc, nullptr};
    EXPECT_EQ(DisplayCheck::Environment::OfProcess(3, givenLong).platform, "vnc");
    char* dangling[] = {program, option, nullptr}; // no value: the toolkit ignores it too
    EXPECT_EQ(DisplayCheck::Environment::OfProcess(2, dangling).platform, "xcb");
}

// The probe against real sockets.
class SocketProbe : public ::testing::Test {
protected:
    void TearDown() override {
        for (int fd : m_fds) {
            close(fd);
        }
    }

    // A listening socket at a path, or at an abstract name.
    void ListenLocal(const std::string& path, bool abstract, bool listening = true) {
        const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
        ASSERT_GE(fd, 0);
        m_fds.push_back(fd);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        const std::size_t offset = abstract ? 1 : 0;
        path.copy(address.sun_path + offset, path.size());
        const auto length = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + offset +
                                                   path.size() + (abstract ? 0 : 1));
        ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), length), 0);
        if (listening) {
            ASSERT_EQ(listen(fd, 1), 0);
        }
    }

    // A TCP port on the loopback address, listening or (closed again) not.
    int LoopbackPort(bool listening) {
        const int fd = socket(AF_INET, SOCK_STREAM, 0);
        EXPECT_GE(fd, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        EXPECT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
        socklen_t size = sizeof address;
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size);
        if (listening) {
            EXPECT_EQ(listen(fd, 1), 0);
            m_fds.push_back(fd);
        } else {
            close(fd);
        }
        return ntohs(address.sin_port);
    }

    QTemporaryDir m_dir;
    std::vector<int> m_fds;
};

TEST_F(SocketProbe, TellsAListeningSocketFromAMissingOrDeadOne) {
    ASSERT_TRUE(m_dir.isValid());
    const std::string live = m_dir.filePath("live").toStdString();
    const std::string dead = m_dir.filePath("dead").toStdString();
    ListenLocal(live, false);
    ListenLocal(dead, false, false); // the file of a server that has gone
    EXPECT_EQ(DisplayCheck::Connect({Kind::Socket, live, 0}), Reach::Open);
    EXPECT_EQ(DisplayCheck::Connect({Kind::Socket, dead, 0}), Reach::Refused);
    EXPECT_EQ(DisplayCheck::Connect({Kind::Socket, m_dir.filePath("none").toStdString(), 0}),
              Reach::Refused);
    EXPECT_EQ(DisplayCheck::Connect({Kind::Socket, std::string(200, 'x'), 0}), Reach::Unknown);

    const std::string abstract = live + "-abstract";
    ListenLocal(abstract, true);
    EXPECT_EQ(DisplayCheck::Connect({Kind::AbstractSocket, abstract, 0}), Reach::Open);
    // The abstract name and the file of the same name are different sockets.
    EXPECT_EQ(DisplayCheck::Connect({Kind::Socket, abstract, 0}), Reach::Refused);
    EXPECT_EQ(DisplayCheck::Connect({Kind::AbstractSocket, live, 0}), Reach::Refused);
}

TEST_F(SocketProbe, TellsAListeningTcpPortFromAClosedOne) {
    EXPECT_EQ(DisplayCheck::Connect({Kind::Tcp, "127.0.0.1", LoopbackPort(true)}), Reach::Open);
    EXPECT_EQ(DisplayCheck::Connect({Kind::Tcp, "127.0.0.1", LoopbackPort(false)}), Reach::Refused);
}

TEST_F(SocketProbe, AWaylandSocketInTheRuntimeDirectoryIsFound) {
    ASSERT_TRUE(m_dir.isValid());
    ListenLocal(m_dir.filePath("wayland-9").toStdString(), false);
    const DisplayCheck::Environment environment{"wayland", "", "wayland-9",
                                                m_dir.path().toStdString()};
    EXPECT_EQ(DisplayCheck(environment).Problem(), std::nullopt);
    const DisplayCheck::Environment other{"wayland", "", "wayland-8", m_dir.path().toStdString()};
    EXPECT_EQ(DisplayCheck(other).Problem(), Unreachable("wayland-8", "WAYLAND_DISPLAY"));
}

} // namespace
