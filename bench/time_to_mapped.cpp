// Starts a window program on the X display and prints the milliseconds from just before its exec
// to the server's notice that it mapped a top-level window, its resident memory then and the
// window's size, then ends it. The program itself carries no measuring code.
// Usage: time_to_mapped PROGRAM [ARGUMENT...]   Prints "milliseconds megabytes widthxheight".
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <poll.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kPatience = std::chrono::seconds(30);

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <typename T> using XcbReply = std::unique_ptr<T, FreeDeleter>;

// Children of the root window that are mapped are told from now on; the round trip makes sure
// that the server has taken the request before the program starts.
void watchTopLevelMaps(xcb_connection_t* connection, xcb_window_t root) {
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    XcbReply<xcb_get_input_focus_reply_t>(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
}

struct Program {
    pid_t id;
    bool ended = false;
};

// The first window mapped that a window manager would manage; tooltips and menus are not.
std::optional<xcb_window_t> nextTopLevelMap(xcb_connection_t* connection, Program& program) {
    const Clock::time_point deadline = Clock::now() + kPatience;
    pollfd server{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (const XcbReply<xcb_generic_event_t> event{xcb_poll_for_event(connection)}) {
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<const xcb_map_notify_event_t*>(event.get());
                if (map->override_redirect == 0) {
                    return map->window;
                }
            }
        }
        program.ended = waitpid(program.id, nullptr, WNOHANG) == program.id;
        if (xcb_connection_has_error(connection) != 0 || program.ended) {
            return std::nullopt;
        }
        poll(&server, 1, 100);
    }
    return std::nullopt;
}

double residentMegabytes(pid_t program) {
    std::ifstream status("/proc/" + std::to_string(program) + "/status");
    std::string field;
    while (status >> field) {
        if (field == "VmRSS:") {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024.0;
        }
    }
    return -1;
}

std::string windowSize(xcb_connection_t* connection, xcb_window_t window) {
    const XcbReply<xcb_get_geometry_reply_t> geometry{
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, window), nullptr)};
    if (!geometry) {
        return "?";
    }
    return std::to_string(geometry->width) + "x" + std::to_string(geometry->height);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "Usage: time_to_mapped PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    int screenNumber = 0;
    xcb_connection_t* connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection) != 0) {
        std::fprintf(stderr, "time_to_mapped: no X display\n");
        return 2;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int skipped = 0; skipped < screenNumber; ++skipped) {
        xcb_screen_next(&screens);
    }
    watchTopLevelMaps(connection, screens.data->root);

    const Clock::time_point start = Clock::now();
    Program program{fork()};
    if (program.id == 0) {
        execvp(argv[1], argv + 1);
        std::perror("time_to_mapped: exec");
        std::_Exit(127);
    }
    const std::optional<xcb_window_t> window = nextTopLevelMap(connection, program);
    const std::chrono::duration<double, std::milli> elapsed = Clock::now() - start;
    if (window) {
        std::printf("%.2f %.1f %s\n", elapsed.count(), residentMegabytes(program.id),
                    windowSize(connection, *window).c_str());
    } else {
        std::fprintf(stderr, "time_to_mapped: %s mapped no window\n", argv[1]);
    }
    if (!program.ended) {
        kill(program.id, SIGKILL);
        waitpid(program.id, nullptr, 0);
    }
    xcb_disconnect(connection);
    return window ? 0 : 1;
}
