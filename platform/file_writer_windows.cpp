// The safe file writer on Windows: CreateFileW(CREATE_NEW), WriteFile,
// FlushFileBuffers, MoveFileExW(MOVEFILE_REPLACE_EXISTING).
#include <windows.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "platform/file_writer.h"

namespace tolvo {
namespace {

// WriteFile takes a DWORD count: longer contents go in pieces.
constexpr std::size_t kPieceMaximum = 1u << 30;

class HandleSink : public FileSink {
  public:
    explicit HandleSink(HANDLE file) : file_(file) {}

    bool Write(std::string_view bytes) override {
        while (!bytes.empty() && !failed_) {
            const DWORD piece = static_cast<DWORD>(std::min(bytes.size(), kPieceMaximum));
            DWORD written = 0;
            if (!WriteFile(file_, bytes.data(), piece, &written, nullptr) || written == 0) {
                failed_ = true;
                break;
            }
            bytes.remove_prefix(written);
        }
        return !failed_;
    }
    bool Failed() const { return failed_; }

  private:
    HANDLE file_;
    bool failed_ = false;
};

// A name of its own beside the target ("zones.svg.k3x9q2.tmp"), created
// exclusively: CREATE_NEW never opens an existing file or a planted link.
HANDLE CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = TemporaryNameBeside(target, random);
        const HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        const DWORD error = GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

// A device (NUL, COM1), a pipe or a console answers another type than a disk file.
bool IsDiskFile(const std::filesystem::path& file) {
    const HANDLE handle = CreateFileW(file.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return true;  // nothing there to tell; the write finds out
    const bool disk = GetFileType(handle) == FILE_TYPE_DISK;
    CloseHandle(handle);
    return disk;
}

}  // namespace

FileWriteProblem WriteFileReplacing(const std::filesystem::path& target, const FileContent& content) {
    const std::filesystem::path file = ResolveWriteTarget(target);
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & FILE_ATTRIBUTE_DIRECTORY) return FileWriteProblem::Folder;
        if (attributes & FILE_ATTRIBUTE_READONLY) return FileWriteProblem::ReadOnly;
    }
    if (!IsDiskFile(file)) return FileWriteProblem::NotRegularFile;
    std::filesystem::path temporary;
    const HANDLE handle = CreateTemporary(file, temporary);
    if (handle == INVALID_HANDLE_VALUE) return FileWriteProblem::CannotCreate;
    HandleSink sink(handle);
    bool good = content(sink) && !sink.Failed();
    good = good && FlushFileBuffers(handle);
    good = CloseHandle(handle) && good;
    if (!good) {
        DeleteFileW(temporary.c_str());
        return FileWriteProblem::WriteFailed;
    }
    if (!MoveFileExW(temporary.c_str(), file.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        DeleteFileW(temporary.c_str());
        return FileWriteProblem::CannotReplace;
    }
    return FileWriteProblem::None;
}

}  // namespace tolvo
