// Starts a program and measures the time from its exec to the moment its
// first window is mapped on the X server named by DISPLAY, then terminates it.
//
//   time_to_map <program> [arguments...]
//
// Prints "mapped_ms=<milliseconds>" on success; exits with 1 when the program
// ends or nothing is mapped within 20 seconds.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: time_to_map <program> [arguments...]\n");
        return 2;
    }
    xcb_connection_t* X = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(X)) {
        std::fprintf(stderr, "time_to_map: no X server\n");
        return 1;
    }
    const xcb_screen_t* Screen = xcb_setup_roots_iterator(xcb_get_setup(X)).data;
    // Every window made a child of the root (a top-level window, or a window
    // manager's frame) reports its mapping here.
    const uint32_t Mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(
        X, xcb_change_window_attributes_checked(X, Screen->root, XCB_CW_EVENT_MASK, &Mask));

    const auto Started = std::chrono::steady_clock::now();
    const pid_t Child = fork();
    if (Child == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double Ms = -1;
    pollfd Fd{xcb_get_file_descriptor(X), POLLIN, 0};
    while (Ms < 0) {
        while (xcb_generic_event_t* Event = xcb_poll_for_event(X)) {
            if ((Event->response_type & 0x7F) == XCB_MAP_NOTIFY && Ms < 0)
                Ms = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() -
                                                               Started)
                         .count();
            std::free(Event);
        }
        if (Ms >= 0) break;
        int Status = 0;
        if (waitpid(Child, &Status, WNOHANG) == Child) {
            std::fprintf(stderr, "time_to_map: %s ended before mapping a window\n", argv[1]);
            return 1;
        }
        if (std::chrono::steady_clock::now() - Started > std::chrono::seconds(20)) break;
        poll(&Fd, 1, 20);
    }
    kill(Child, SIGTERM);
    waitpid(Child, nullptr, 0);
    xcb_disconnect(X);
    if (Ms < 0) {
        std::fprintf(stderr, "time_to_map: no window was mapped\n");
        return 1;
    }
    std::printf("mapped_ms=%.2f\n", Ms);
    return 0;
}
