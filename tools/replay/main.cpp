// tolvo-replay [SCRIPT]: runs a script of user events (the file, or standard
// input) against the Tolvo window models and prints JSON on each "dump".
#include <iostream>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#endif

#include "platform/help_folders.h"
#include "tools/replay/replay.h"

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
        std::cerr << "usage: tolvo-replay [SCRIPT]\n";
        return 2;
    }
    if (argc == 2) return tolvo::RunReplayFile(argv[1], std::cout, std::cerr, help);
    return tolvo::RunReplay(std::cin, std::cout, std::cerr, help);
}
