// tolvo-replay [SCRIPT]: runs a script of user events (the file, or standard
// input) against the Tolvo window models and prints JSON on each "dump".
#include <fstream>
#include <iostream>

#include "platform/help_folders.h"
#include "tools/replay/replay.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const tolvo::FolderHelpSearch help =
        tolvo::DefaultHelpSearch(tolvo::ExecutableFolder(argc > 0 ? argv[0] : nullptr));
    if (argc > 2) {
        std::cerr << "usage: tolvo-replay [SCRIPT]\n";
        return 2;
    }
    if (argc == 2) {
        std::ifstream script(argv[1], std::ios::binary);
        if (!script) {
            std::cerr << "tolvo-replay: cannot read " << argv[1] << '\n';
            return 2;
        }
        return tolvo::RunReplay(script, std::cout, std::cerr, help);
    }
    return tolvo::RunReplay(std::cin, std::cout, std::cerr, help);
}
