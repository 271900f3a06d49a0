// Times a program from process start to exit, measured from outside: the
// median wall time over repeated runs, its standard output discarded.
// Usage: process_probe RUNS PROGRAM [ARGS...]; prints the median in ms.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

extern char** environ;

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const int runs = std::max(1, std::atoi(argv[1]));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    std::vector<double> times;
    for (int r = 0; r < runs; ++r) {
        const auto start = std::chrono::steady_clock::now();
        pid_t child = 0;
        if (posix_spawn(&child, argv[2], &actions, nullptr, argv + 2, environ) != 0) return 2;
        int status = 0;
        waitpid(child, &status, 0);
        times.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return 2;
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    std::printf("%.3f\n", times[runs / 2]);
    return 0;
}
