// tolvo-win32-replay [SCRIPT]: runs a script of user events (the file, or
// standard input) through the real Win32 window, Tolvo.exe's, and prints on
// each "dump" what its controls show, in tolvo-replay's JSON.
#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string_view>

#include "core/version.h"
#include "platform/help_folders.h"
#include "tools/replay/replay.h"
#include "tools/replay/win32_performer.h"

namespace {

constexpr std::string_view kUsage = "usage: tolvo-win32-replay [SCRIPT]\n";

// What was printed reaches standard output, or the run is an error.
int Flushed(int status) {
    std::cout.flush();
    if (std::cout) return status;
    std::cerr << "tolvo-win32-replay: cannot write the output\n";
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    // UTF-8 with "\n" line ends, as tolvo-replay writes it.
    for (std::FILE* stream : {stdin, stdout, stderr}) _setmode(_fileno(stream), _O_BINARY);
    std::ios::sync_with_stdio(false);
    if (argc > 2) {
        std::cerr << kUsage;
        return 2;
    }
    if (argc == 2) {
        const std::wstring_view arg = argv[1];
        if (arg == L"--help" || arg == L"-h") {
            std::cout << kUsage
                      << "Runs a script of user events (the file, or standard input) through the real Win32\n"
                         "window and prints what its controls show on each \"dump\", as tolvo-replay does.\n"
                         "Exit status 0 when every event was done, 2 after one a user could not do, 3 after\n"
                         "one the window has no command for.\n";
            return Flushed(0);
        }
        if (arg == L"--version") {
            std::cout << "tolvo-win32-replay " TOLVO_VERSION "\n";
            return Flushed(0);
        }
    }
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const tolvo::FolderHelpSearch help = tolvo::DefaultHelpSearch(tolvo::ExecutableFolder(nullptr));
    tolvo::Win32Performer window(help);
    if (argc == 2) return Flushed(tolvo::RunReplayFile(argv[1], std::cout, std::cerr, window));
    return Flushed(tolvo::RunReplay(std::cin, std::cout, std::cerr, window));
}
