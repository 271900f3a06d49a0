// Measures from outside a program the wall time from its start until its
// first top-level window is mapped on the X server, and its resident memory
// at that moment. Usage: startup_probe RUNS PROGRAM [ARGS...]; with
// STARTUP_PROBE_WINDOWS=N in the environment, until N top-level windows are
// mapped (the calculator and its diagram's window).
// Prints: median_ms median_rss_kib width height
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace {

long ResidentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_probe RUNS PROGRAM [ARGS...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) {
        std::fprintf(stderr, "startup_probe: no X display\n");
        return 2;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    const char* windowsText = std::getenv("STARTUP_PROBE_WINDOWS");
    const int windows = windowsText != nullptr ? std::max(1, std::atoi(windowsText)) : 1;
    std::vector<double> times, memory;
    int width = 0, height = 0;
    for (int run = 0; run < runs; ++run) {
        XSync(display, True);  // forget earlier events
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execv(argv[2], argv + 2);
            _exit(127);
        }
        for (int mapped = 0;;) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type != MapNotify) continue;
            XWindowAttributes attributes;
            if (!XGetWindowAttributes(display, event.xmap.window, &attributes) ||
                attributes.override_redirect) {
                continue;
            }
            if (++mapped == 1) {
                width = attributes.width;
                height = attributes.height;
            }
            if (mapped < windows) continue;
            times.push_back(
                std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
            memory.push_back(static_cast<double>(ResidentKib(pid)));
            break;
        }
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
    }
    std::printf("%.1f %.0f %d %d\n", Median(times), Median(memory), width, height);
    XCloseDisplay(display);
    return 0;
}
