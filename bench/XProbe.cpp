// Timing probe for the benchmark, talking to the X server directly so that no polling or
// tool start-up lands inside a measurement. Times are CLOCK_MONOTONIC seconds, the clock of
// Python's time.monotonic().
//
//   xprobe launch PROGRAM [ARG...]
//     Listens for map events on the root window, starts the program and prints
//     "mapped WINDOW PID SECONDS" when its first top-level window is mapped (SECONDS from
//     just before the exec), then "drawn SECONDS" when the program first draws into that
//     window (the DAMAGE extension's first report on it), then waits for the program to end
//     and exits with its status.
//   xprobe click WINDOW X Y
//     Moves the pointer to (X, Y) in the window, lets hover effects settle, then presses and
//     releases button 1 and prints "clicked TIME", TIME taken just before the press.
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

constexpr std::chrono::milliseconds kHoverSettle{300};
constexpr xcb_button_t kLeftButton = 1;
constexpr int kUsage = 2;

double Now() {
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) * 1e-9;
}

xcb_connection_t* Connect(xcb_screen_t** screen) {
    int number = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &number);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "xprobe: cannot open the display\n");
        std::exit(1);
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < number; ++i) {
        xcb_screen_next(&it);
    }
    *screen = it.data;
    // The program started must not inherit the probe's connection.
    fcntl(xcb_get_file_descriptor(c), F_SETFD, FD_CLOEXEC);
    return c;
}

// The first event number of the DAMAGE extension, after agreeing on its version.
uint8_t DamageEvents(xcb_connection_t* c) {
    const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
    if (damage == nullptr || !damage->present) {
        std::fprintf(stderr, "xprobe: the X server has no DAMAGE extension\n");
        std::exit(1);
    }
    free(xcb_damage_query_version_reply(
        c, xcb_damage_query_version(c, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION),
        nullptr));
    return damage->first_event;
}

int Launch(char** argv) {
    xcb_screen_t* screen = nullptr;
    xcb_connection_t* c = Connect(&screen);
    const uint8_t damageNotify = DamageEvents(c) + XCB_DAMAGE_NOTIFY;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // selection in effect

    const double start = Now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[0], argv);
        std::fprintf(stderr, "xprobe: cannot start %s: %s\n", argv[0], std::strerror(errno));
        _exit(127);
    }
    // Damage is watched from each top-level window's creation on, so that a first drawing
    // right after the map cannot come before the watch does.
    std::vector<xcb_damage_damage_t> watches;
    xcb_window_t mapped = XCB_NONE;
    while (xcb_generic_event_t* event = xcb_wait_for_event(c)) {
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
            watches.push_back(xcb_generate_id(c));
            xcb_damage_create(c, watches.back(), created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(c);
        } else if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
            const auto* notify = reinterpret_cast<xcb_map_notify_event_t*>(event);
            if (!notify->override_redirect) {
                mapped = notify->window;
                std::printf("mapped 0x%x %d %.6f\n", mapped, static_cast<int>(pid), Now() - start);
                std::fflush(stdout);
            }
        } else if (type == damageNotify && mapped != XCB_NONE &&
                   reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == mapped) {
            std::printf("drawn %.6f\n", Now() - start);
            std::fflush(stdout);
            free(event);
            break;
        }
        free(event);
    }
    xcb_disconnect(c);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int Click(xcb_window_t window, int16_t x, int16_t y) {
    xcb_screen_t* screen = nullptr;
    xcb_connection_t* c = Connect(&screen);
    xcb_translate_coordinates_reply_t* at = xcb_translate_coordinates_reply(
        c, xcb_translate_coordinates(c, window, screen->root, x, y), nullptr);
    if (at == nullptr) {
        std::fprintf(stderr, "xprobe: no window 0x%x\n", window);
        return 1;
    }
    xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, screen->root, at->dst_x,
                        at->dst_y, 0);
    free(at);
    xcb_flush(c);
    std::this_thread::sleep_for(kHoverSettle);
    const double pressed = Now();
    xcb_test_fake_input(c, XCB_BUTTON_PRESS, kLeftButton, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    xcb_test_fake_input(c, XCB_BUTTON_RELEASE, kLeftButton, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); // both delivered
    std::printf("clicked %.6f\n", pressed);
    xcb_disconnect(c);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "launch") == 0) {
        return Launch(argv + 2);
    }
    if (argc == 5 && std::strcmp(argv[1], "click") == 0) {
        return Click(static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0)),
                     static_cast<int16_t>(std::atoi(argv[3])),
                     static_cast<int16_t>(std::atoi(argv[4])));
    }
    std::fprintf(stderr, "usage: xprobe launch PROGRAM [ARG...] | xprobe click WINDOW X Y\n");
    return kUsage;
}
