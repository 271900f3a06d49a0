// What writing a file does the same on every system; the system calls are in
// file_writer_posix.cpp and file_writer_windows.cpp.
#include "platform/file_writer.h"

#include <string>
#include <system_error>

namespace tolvo {

namespace {

// Beyond this many links in a row the chain is taken as a loop; the write
// then goes to the last name reached and fails there.
constexpr int kLinkChainMaximum = 40;

}  // namespace

std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target, std::mt19937& random) {
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string tag = ".";
    for (int k = 0; k < 8; ++k) tag += kLetters[pick(random)];
    std::filesystem::path name = target;
    name += tag + ".tmp";
    return name;
}

std::filesystem::path ResolveWriteTarget(const std::filesystem::path& target) {
    std::filesystem::path file = target;
    for (int k = 0; k < kLinkChainMaximum; ++k) {
        std::error_code error;
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(file, error))) return file;
        const std::filesystem::path next = std::filesystem::read_symlink(file, error);
        if (error) return file;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file;
}

FileWriteProblem WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes) {
    return WriteFileReplacing(target, [bytes](FileSink& sink) { return sink.Write(bytes); });
}

}  // namespace tolvo
