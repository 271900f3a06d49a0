#include "platform/help_folders.h"

#include <system_error>
#include <utility>

#if defined(_WIN32)
#include <windows.h>

#include <iterator>
#endif

namespace tolvo {

std::optional<std::filesystem::path> FolderHelpSearch::FindDocument(std::string_view fileName) const {
    for (const std::filesystem::path& folder : folders_) {
        std::filesystem::path document = folder / std::filesystem::path(fileName);
        std::error_code error;
        if (std::filesystem::is_regular_file(document, error)) return document;
    }
    return std::nullopt;
}

std::filesystem::path ExecutableFolder(const char* argv0) {
    std::error_code error;
#if defined(_WIN32)
    wchar_t buffer[MAX_PATH * 4];
    const DWORD length = GetModuleFileNameW(nullptr, buffer, static_cast<DWORD>(std::size(buffer)));
    if (length > 0 && length < std::size(buffer)) return std::filesystem::path(buffer).parent_path();
#elif defined(__linux__)
    const std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) return self.parent_path();
#endif
    if (argv0 == nullptr) return std::filesystem::current_path(error);
    const std::filesystem::path program = std::filesystem::absolute(argv0, error);
    return error ? std::filesystem::path() : program.parent_path();
}

FolderHelpSearch DefaultHelpSearch(const std::filesystem::path& executableFolder) {
    std::vector<std::filesystem::path> folders;
    if (!executableFolder.empty()) {
        folders.push_back(executableFolder);
        // <prefix>/bin/tolvo finds <prefix>/share/tolvo, wherever the prefix is.
        folders.push_back(executableFolder.parent_path() / "share" / "tolvo");
    }
    std::error_code error;
    const std::filesystem::path workingDirectory = std::filesystem::current_path(error);
    if (!error) folders.push_back(workingDirectory);
#if defined(_WIN32)
    return FolderHelpSearch(std::move(folders), "Tolvo.exe");
#else
    return FolderHelpSearch(std::move(folders), "tolvo");
#endif
}

}  // namespace tolvo
