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
// Exits 1 on any failure, with the reason on stderr.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <string>

#include "ui/dialog_templates.h"
#include "ui/win32/wide_text.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto kWindowTimeout = std::chrono::seconds(30);
constexpr auto kCloseWhenTimeout = std::chrono::seconds(60);
constexpr DWORD kEndTimeoutMs = 10000;

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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    _setmode(_fileno(stdout), _O_BINARY);  // the title's bytes as they are, LF line end
    bool mainCaption = false;
    std::wstring closeWhen;
    int first = 1;
    for (; first < argc; ++first) {
        const std::wstring option = argv[first];
        if (option == L"--main-caption") {
            mainCaption = true;
        } else if (option == L"--close-when" && first + 1 < argc) {
            closeWhen = argv[++first];
        } else {
            break;
        }
    }
    if (first >= argc)
        return Fail("usage: win32_start_probe [--main-caption] [--close-when FILE] PROGRAM [ARGS...]");
    std::wstring commandLine;
    for (int i = first; i < argc; ++i) commandLine += (i > first ? L" " : L"") + Quoted(argv[i]);

    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(argv[first], commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return Fail("cannot start " + tolvo::win32::Utf8(argv[first]) + " (error " +
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
    std::printf("%.1f %s\n", milliseconds, shown.c_str());
    std::fflush(stdout);
    if (mainCaption && shown != tolvo::kMainDialog.caption) {
        return Fail("the window's title is \"" + shown + "\", not \"" +
                        std::string(tolvo::kMainDialog.caption) + "\"",
                    process.hProcess);
    }
    if (!closeWhen.empty()) {
        const auto waiting = Clock::now();
        while (GetFileAttributesW(closeWhen.c_str()) == INVALID_FILE_ATTRIBUTES) {
            if (WaitForSingleObject(process.hProcess, 20) == WAIT_OBJECT_0)
                return Fail("the program ended while its window was looked at");
            if (Clock::now() - waiting > kCloseWhenTimeout)
                return Fail("nobody looked at the window within 60 s", process.hProcess);
        }
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
