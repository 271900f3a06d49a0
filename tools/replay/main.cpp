// tolvo-replay [SCRIPT]: runs a script of user events (the file, or standard
// input) against the Tolvo window models and prints JSON on each "dump".
#include <iostream>
#include <string_view>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "core/version.h"
#include "platform/help_folders.h"
#include "tools/replay/replay.h"

namespace {

constexpr std::string_view kUsage = "usage: tolvo-replay [SCRIPT]\n";

// What was printed reaches standard output, or the run is an error: a full
// disk or a closed output must not pass for a good run.
int Flushed(int status) {
    std::cout.flush();
    if (std::cout) return status;
    std::cerr << "tolvo-replay: cannot write the output\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
#if defined(_WIN32)
    // The output is UTF-8 with "\n" line ends on every platform, and a script
    // read from standard input is read as it is: no text-mode translation.
    for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
#endif
    std::ios::sync_with_stdio(false);
    const tolvo::FolderHelpSearch help =
        tolvo::DefaultHelpSearch(tolvo::ExecutableFolder(argc > 0 ? argv[0] : nullptr));
    if (argc > 2) {
        std::cerr << kUsage;
        return 2;
    }
    if (argc == 2) {
        const std::string_view arg = argv[1];
        if (arg == "--help" || arg == "-h") {
            std::cout
                << kUsage
                << "Runs a script of user events (the file, or standard input) against the Tolvo window\n"
                   "models and prints JSON on each \"dump\". Exit status 0 when every event was done, 2\n"
                   "otherwise.\n";
            return Flushed(0);
        }
        if (arg == "--version") {
            std::cout << "tolvo-replay " TOLVO_VERSION "\n";
            return Flushed(0);
        }
        return Flushed(tolvo::RunReplayFile(argv[1], std::cout, std::cerr, help));
    }
    return Flushed(tolvo::RunReplay(std::cin, std::cout, std::cerr, help));
}
