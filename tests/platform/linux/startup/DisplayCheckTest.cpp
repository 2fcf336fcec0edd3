// The display check: which window systems it asks for which request and what it says when
// none lets the program in; and its probes against a real X server and a Wayland socket,
// read as the display libraries read the names.
#include "platform/linux/startup/DisplayCheck.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

using startup::DisplayCheck;
using XAnswer = DisplayCheck::XAnswer;

// Probes that answer from tables and record what was asked; anything not in a table is
// unreachable.
struct FakeDisplays {
    std::vector<std::pair<std::string, XAnswer>> x;
    std::vector<std::string> wayland;
    std::vector<std::string> asked;

    DisplayCheck::Probes Probes() {
        return {[this](const std::string& display) {
                    asked.push_back("x " + display);
                    for (const auto& [name, answer] : x) {
                        if (name == display) {
                            return answer;
                        }
                    }
                    return XAnswer::Unreachable;
                },
                [this](const std::string& display) {
                    asked.push_back("wayland " + display);
                    return std::find(wayland.begin(), wayland.end(), display) != wayland.end();
                }};
    }
};

DisplayCheck::Environment Env(std::string platform, std::string display,
                              std::string waylandDisplay = "") {
    return {std::move(platform), std::move(display), std::move(waylandDisplay)};
}

std::string Unreachable(const std::string& display, const std::string& variable) {
    return "无法连接图形显示 " + display + "，请在桌面会话中启动，或检查 " + variable +
           " 是否正确。";
}

TEST(DisplayCheck, WithNoDisplayNamedItSaysDisplayIsNotSetAndTriesNothing) {
    FakeDisplays displays;
    const DisplayCheck check(Env("", ""), displays.Probes());
    EXPECT_EQ(check.Problem(), std::string(DisplayCheck::kDisplayNotSet));
    EXPECT_TRUE(displays.asked.empty());
    EXPECT_NE(DisplayCheck::kDisplayNotSet.find("DISPLAY 未设置"), std::string_view::npos);
}

TEST(DisplayCheck, ADisplayNobodyListensOnIsNamedWithItsVariable) {
    FakeDisplays displays;
    EXPECT_EQ(DisplayCheck(Env("", ":99"), displays.Probes()).Problem(),
              Unreachable(":99", "DISPLAY"));
    EXPECT_EQ(displays.asked, std::vector<std::string>{"x :99"});
    // A name that itself holds the placeholders is named as it is.
    EXPECT_EQ(DisplayCheck(Env("", ":%2%1"), displays.Probes()).Problem(),
              Unreachable(":%2%1", "DISPLAY"));
}

TEST(DisplayCheck, ADisplayThatLetsTheProgramInLetsTheToolkitStart) {
    FakeDisplays displays{
        {{":0", XAnswer::Accepted}, {"localhost:10.0", XAnswer::Accepted}}, {}, {}};
    EXPECT_EQ(DisplayCheck(Env("", ":0"), displays.Probes()).Problem(), std::nullopt);
    // A forwarded display (ssh -X) is asked under its own name, as the X library reads it.
    EXPECT_EQ(DisplayCheck(Env("xcb", "localhost:10.0"), displays.Probes()).Problem(),
              std::nullopt);
}

TEST(DisplayCheck, AnXServerThatTurnsTheProgramAwayIsSaidInOneLine) {
    FakeDisplays displays{{{":0", XAnswer::Refused}}, {}, {}};
    EXPECT_EQ(DisplayCheck(Env("", ":0"), displays.Probes()).Problem(),
              "图形显示 :0 拒绝了连接（可能没有授权），请以登录桌面的用户身份启动，或检查 "
              "DISPLAY 是否正确。");
    // A live Wayland session beside it will do.
    FakeDisplays both{{{":0", XAnswer::Refused}}, {"wayland-1"}, {}};
    EXPECT_EQ(DisplayCheck(Env("", ":0", "wayland-1"), both.Probes()).Problem(), std::nullopt);
}

TEST(DisplayCheck, EitherWindowSystemWillDoUnlessOneIsAskedFor) {
    FakeDisplays displays{{}, {"wayland-1"}, {}};
    // Nothing asked for: a stale DISPLAY beside a live Wayland session is no reason to stop.
    EXPECT_EQ(DisplayCheck(Env("", ":5", "wayland-1"), displays.Probes()).Problem(), std::nullopt);
    // X asked for: Wayland does not help, and the message is about DISPLAY.
    EXPECT_EQ(DisplayCheck(Env("xcb", "", "wayland-1"), displays.Probes()).Problem(),
              std::string(DisplayCheck::kDisplayNotSet));
    EXPECT_EQ(DisplayCheck(Env("xcb", ":5", "wayland-1"), displays.Probes()).Problem(),
              Unreachable(":5", "DISPLAY"));
    // Nothing asked for and no DISPLAY: X comes first, so its absence is what is said.
    FakeDisplays none;
    EXPECT_EQ(DisplayCheck(Env("", "", "wayland-1"), none.Probes()).Problem(),
              std::string(DisplayCheck::kDisplayNotSet));
}

TEST(DisplayCheck, WaylandAskedForIsTriedUnderTheLibrarysDefaultName) {
    FakeDisplays displays;
    // Without WAYLAND_DISPLAY the Wayland client library takes wayland-0.
    EXPECT_EQ(DisplayCheck(Env("wayland", ""), displays.Probes()).Problem(),
              Unreachable("wayland-0", "WAYLAND_DISPLAY"));
    EXPECT_EQ(displays.asked, std::vector<std::string>{"wayland wayland-0"});
    // A list is tried in turn; the first is the one named.
    EXPECT_EQ(DisplayCheck(Env("wayland-egl;xcb", ":3", "wayland-2"), displays.Probes()).Problem(),
              Unreachable("wayland-2", "WAYLAND_DISPLAY"));
    FakeDisplays x{{{":3", XAnswer::Accepted}}, {}, {}};
    EXPECT_EQ(DisplayCheck(Env("wayland;xcb", ":3", "wayland-2"), x.Probes()).Problem(),
              std::nullopt);
}

TEST(DisplayCheck, APlatformWithoutWindowSystemIsTheUsersChoiceAndNotChecked) {
    for (const char* platform : {"offscreen", "offscreen:configfile=/tmp/screens.json",
                                 "vnc:size=800x600", "linuxfb", "minimal", "xcb;offscreen"}) {
        FakeDisplays displays;
        const DisplayCheck check(Env(platform, ""), displays.Probes());
        EXPECT_FALSE(check.NeedsDisplay()) << platform;
        EXPECT_EQ(check.Problem(), std::nullopt) << platform;
        EXPECT_TRUE(displays.asked.empty()) << platform;
    }
    for (const char* platform :
         {"", "xcb", "wayland", "wayland-egl", "wayland;xcb", "xcb:x=1", " xcb ; wayland "}) {
        EXPECT_TRUE(DisplayCheck(Env(platform, "")).NeedsDisplay()) << platform;
    }
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

    char* given[] = {program, option, offscreen, nullptr};
    EXPECT_EQ(DisplayCheck::Environment::OfProcess(3, given).platform, "offscreen");
    char* givenLong[] = {program, longOption, vnc, nullptr};
    EXPECT_EQ(DisplayCheck::Environment::OfProcess(3, givenLong).platform, "vnc");
    char* dangling[] = {program, option, nullptr}; // no value: the toolkit ignores it too
    EXPECT_EQ(DisplayCheck::Environment::OfProcess(2, dangling).platform, "xcb");
}

// What a call writes to stderr.
template <class Call> std::string StderrOf(Call call) {
    std::FILE* file = std::tmpfile();
    const int saved = dup(STDERR_FILENO);
    std::fflush(stderr);
    dup2(fileno(file), STDERR_FILENO);
    call();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    std::string text;
    std::rewind(file);
    for (int c = std::fgetc(file); c != EOF; c = std::fgetc(file)) {
        text += static_cast<char>(c);
    }
    std::fclose(file);
    return text;
}

// An X server of the test's own (Xvfb picks a free display number); with a cookie it lets in
// only the clients that have it.
class RealXServer : public testing::Test {
protected:
    void Start(bool withCookie) {
        ASSERT_TRUE(m_scratch.isValid());
        m_cookies = m_scratch.filePath("cookies").toStdString();
        std::ofstream(m_cookies).close(); // an empty one lets every client in
        if (withCookie) {
            // Any free display's number will do for the entry: Xvfb takes the cookie as its own.
            ASSERT_EQ(std::system(("xauth -q -f " + m_cookies +
                                   " add :0 . 0123456789abcdef0123456789abcdef")
                                      .c_str()),
                      0)
                << "xauth is missing: run scripts/deps.sh test";
        }
        int pipe[2];
        ASSERT_EQ(::pipe(pipe), 0);
        const std::string fd = std::to_string(pipe[1]);
        // Without -noreset the server resets as its last client goes, and a probe right after
        // finds nobody.
        const char* arguments[] = {"Xvfb",  "-displayfd",      fd.c_str(), "-nolisten", "tcp",
                                   "-auth", m_cookies.c_str(), "-noreset", nullptr};
        ASSERT_EQ(posix_spawnp(&m_server, "Xvfb", nullptr, nullptr,
                               const_cast<char* const*>(arguments), environ),
                  0)
            << "Xvfb is missing: run scripts/deps.sh test";
        close(pipe[1]);
        pollfd ready{pipe[0], POLLIN, 0};
        constexpr int kStartMs = 10000;
        ASSERT_EQ(poll(&ready, 1, kStartMs), 1) << "Xvfb did not start";
        char number[16] = {};
        ASSERT_GT(read(pipe[0], number, sizeof number - 1), 0);
        close(pipe[0]);
        m_display = ":" + std::to_string(std::atoi(number));
    }
    void TearDown() override {
        if (m_server > 0) {
            kill(m_server, SIGTERM);
            waitpid(m_server, nullptr, 0);
        }
    }

    QTemporaryDir m_scratch;
    std::string m_cookies;
    std::string m_display;
    pid_t m_server = 0;
};

TEST_F(RealXServer, ReadsXDisplayNamesAsTheXClientLibraryDoes) {
    Start(false);
    const std::string number = m_display.substr(1);
    for (const std::string& name : {m_display, m_display + ".0", "unix:" + number}) {
        EXPECT_EQ(DisplayCheck::ConnectX(name), XAnswer::Accepted) << name;
    }
    // No TCP listener, a screen the server does not have, names the library cannot read.
    for (const std::string& name :
         {"localhost:" + number, m_display + ".7", std::string("host::0"), std::string(":x")}) {
        EXPECT_EQ(DisplayCheck::ConnectX(name), XAnswer::Unreachable) << name;
    }
}

TEST_F(RealXServer, TellsAServerThatIsNotThereFromOneThatRefusesWithoutAWordOnStderr) {
    Start(true);
    // The probe has no cookie: it is turned away.
    ScopedEnvironment environment;
    const std::string nobody = m_scratch.filePath("nobody").toStdString();
    std::ofstream(nobody).close();
    environment.Set("XAUTHORITY", nobody.c_str());

    XAnswer answer = XAnswer::Accepted;
    EXPECT_EQ(StderrOf([&] { answer = DisplayCheck::ConnectX(m_display); }), "");
    EXPECT_EQ(answer, XAnswer::Refused);
    XAnswer absent = XAnswer::Accepted;
    EXPECT_EQ(StderrOf([&] { absent = DisplayCheck::ConnectX(":4095"); }), "");
    EXPECT_EQ(absent, XAnswer::Unreachable);
}

TEST(WaylandProbe, FindsASocketWhereACompositorListensAndNothingElse) {
    QTemporaryDir scratch;
    ASSERT_TRUE(scratch.isValid());
    const std::string path = scratch.filePath("wayland-test").toStdString();
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_GE(listener, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    path.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(listen(listener, 1), 0);
    EXPECT_TRUE(DisplayCheck::ConnectWayland(path));
    close(listener);
    EXPECT_FALSE(DisplayCheck::ConnectWayland(path)); // the file is left, nobody listens
    EXPECT_EQ(StderrOf([] { EXPECT_FALSE(DisplayCheck::ConnectWayland("no-such-display")); }), "");
}

} // namespace
