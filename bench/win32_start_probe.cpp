// Starts a Windows program and measures, from inside the same Wine session (or
// Windows desktop), the wall time from its process start until its first
// top-level window is visible; then closes that window as a user would
// (WM_CLOSE) and requires the program to end with exit code 0.
//
// Usage: win32_start_probe [--main-caption] [--close-when FILE] PROGRAM [ARGS...]
//   --main-caption   the window's title must be the calculator's caption
//   --close-when F   leave the window open until the file F exists (so that a
//                    check from outside, on the X server, can look at it)
// Prints one line: milliseconds, a space, the window's title (UTF-8).
//        win32_start_probe --alternate RUNS PROGRAM_A PROGRAM_B
// Times both RUNS times in turns, ending each at once; each line "a" or "b",
// then as above.
// Exits 1 on any failure, with the reason on stderr.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "ui/dialog_templates.h"
#include "ui/win32/wide_text.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kWindowTimeout = std::chrono::seconds(30);
constexpr auto kCloseWhenTimeout = std::chrono::seconds(60);
constexpr DWORD kEndTimeoutMs = 10000;
constexpr const char* kUsage =
    "usage: win32_start_probe [--main-caption] [--close-when FILE] PROGRAM [ARGS...]\n"
    "       win32_start_probe --alternate RUNS PROGRAM_A PROGRAM_B";

struct Search {
    DWORD processId;
    HWND window;
};

BOOL CALLBACK FindShownWindow(HWND window, LPARAM searchPointer) {
    auto* search = reinterpret_cast<Search*>(searchPointer);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->processId && IsWindowVisible(window) && GetWindow(window, GW_OWNER) == nullptr) {
        search->window = window;
        return FALSE;
    }
    return TRUE;
}

// One argument as CreateProcessW's command line wants it quoted.
std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) return argument;
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

int Fail(const std::string& reason, HANDLE process = nullptr) {
    if (process != nullptr) TerminateProcess(process, 1);
    std::fprintf(stderr, "win32_start_probe: %s\n", reason.c_str());
    return 1;
}

struct Options {
    bool mainCaption = false;
    std::wstring closeWhen;
    bool terminate = false;  // end it at once, not through its window
};

// One run: start, time until the window is shown, print, close, require exit
// code 0. Returns the probe's exit code.
int TimeOneStart(const std::vector<std::wstring>& command, const Options& options, const char* label) {
    std::wstring commandLine;
    for (const std::wstring& argument : command)
        commandLine += (commandLine.empty() ? L"" : L" ") + Quoted(argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(command[0].c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return Fail("cannot start " + tolvo::win32::Utf8(command[0]) + " (error " +
                    std::to_string(GetLastError()) + ")");
    }
    CloseHandle(process.hThread);
    Search search{process.dwProcessId, nullptr};
    while (search.window == nullptr) {
        EnumWindows(FindShownWindow, reinterpret_cast<LPARAM>(&search));
        if (search.window != nullptr) break;
        if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            DWORD code = 0;
            GetExitCodeProcess(process.hProcess, &code);
            return Fail("the program ended (code " + std::to_string(code) + ") before showing a window");
        }
        if (Clock::now() - start > kWindowTimeout)
            return Fail("no window shown within 30 s", process.hProcess);
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(Clock::now() - start).count();

    std::wstring title(static_cast<std::size_t>(GetWindowTextLengthW(search.window)) + 1, L'\0');
    title.resize(static_cast<std::size_t>(
        GetWindowTextW(search.window, title.data(), static_cast<int>(title.size()))));
    const std::string shown = tolvo::win32::Utf8(title);
    std::printf("%s%.1f %s\n", label, milliseconds, shown.c_str());
    std::fflush(stdout);
    if (options.mainCaption && shown != tolvo::kMainDialog.caption) {
        return Fail("the window's title is \"" + shown + "\", not \"" +
                        std::string(tolvo::kMainDialog.caption) + "\"",
                    process.hProcess);
    }
    if (!options.closeWhen.empty()) {
        const auto waiting = Clock::now();
        while (GetFileAttributesW(options.closeWhen.c_str()) == INVALID_FILE_ATTRIBUTES) {
            if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0)
                return Fail("the program ended while its window was looked at");
            if (Clock::now() - waiting > kCloseWhenTimeout)
                return Fail("nobody looked at the window within 60 s", process.hProcess);
        }
    }

    if (options.terminate) {  // a Wine process takes seconds to end of its own
        TerminateProcess(process.hProcess, 0);
        WaitForSingleObject(process.hProcess, kEndTimeoutMs);
        CloseHandle(process.hProcess);
        return 0;
    }
    PostMessageW(search.window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.hProcess, kEndTimeoutMs) != WAIT_OBJECT_0)
        return Fail("the program did not end within 10 s of closing its window", process.hProcess);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hProcess);
    if (code != 0) return Fail("the program ended with code " + std::to_string(code));
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // the title's bytes as they are, LF line end
    Options options;
    int first = 1;
    for (; first < argc; ++first) {
        const std::wstring option = argv[first];
        if (option == L"--main-caption") {
            options.mainCaption = true;
        } else if (option == L"--close-when" && first + 1 < argc) {
            options.closeWhen = argv[++first];
        } else {
            break;
        }
    }
    if (first + 3 < argc && std::wstring(argv[first]) == L"--alternate") {
        // Two programs in turns, a new order each round, so that a slower
        // moment of the machine falls on both alike.
        const int runs = _wtoi(argv[first + 1]);
        options.terminate = true;
        const std::vector<std::wstring> programs = {argv[first + 2], argv[first + 3]};
        std::mt19937 random(GetTickCount());
        for (int run = 0; run < runs; ++run) {
            const bool secondFirst = (random() & 1) != 0;
            for (int turn = 0; turn < 2; ++turn) {
                const int which = turn == (secondFirst ? 1 : 0) ? 0 : 1;
                if (const int failed = TimeOneStart({programs[which]}, options, which == 0 ? "a " : "b "))
                    return failed;
            }
        }
        return 0;
    }
    if (first >= argc) return Fail(kUsage);
    return TimeOneStart(std::vector<std::wstring>(argv + first, argv + argc), options, "");
}
