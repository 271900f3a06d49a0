// The safe file writer on POSIX systems: open(O_CREAT | O_EXCL | O_NOFOLLOW),
// write, fsync, rename.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <random>
#include <string>

#include "platform/file_writer.h"

namespace tolvo {
namespace {

class DescriptorSink : public FileSink {
  public:
    explicit DescriptorSink(int descriptor) : descriptor_(descriptor) {}

    bool Write(std::string_view bytes) override {
        while (!bytes.empty() && !failed_) {
            const ssize_t written = ::write(descriptor_, bytes.data(), bytes.size());
            if (written < 0 && errno == EINTR) continue;
            if (written <= 0) {
                failed_ = true;
                break;
            }
            bytes.remove_prefix(static_cast<std::size_t>(written));
        }
        return !failed_;
    }
    bool Failed() const { return failed_; }

  private:
    int descriptor_;
    bool failed_ = false;
};

// A name of its own beside the target ("zones.svg.k3x9q2.tmp"), created
// exclusively: an existing file or a planted link of that name is never
// opened, another name is tried.
int CreateTemporary(const std::filesystem::path& target, std::filesystem::path& temporary) {
    std::mt19937 random(std::random_device{}());
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = TemporaryNameBeside(target, random);
        const int descriptor =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (descriptor >= 0) return descriptor;
        if (errno != EEXIST && errno != EINTR) return -1;
    }
    return -1;
}

}  // namespace

FileWriteProblem WriteFileReplacing(const std::filesystem::path& target, const FileContent& content) {
    const std::filesystem::path file = ResolveWriteTarget(target);
    struct stat existing {};
    const bool exists = ::stat(file.c_str(), &existing) == 0;
    if (!exists && errno != ENOENT) return FileWriteProblem::CannotCreate;  // a link loop, a file as a folder
    if (exists) {
        if (S_ISDIR(existing.st_mode)) return FileWriteProblem::Folder;
        if (!S_ISREG(existing.st_mode)) return FileWriteProblem::NotRegularFile;
        // The permission bits as well as access(): the superuser may write
        // anything, yet a file marked read-only is still not to be replaced.
        if ((existing.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(file.c_str(), W_OK) != 0)
            return FileWriteProblem::ReadOnly;
    }
    std::filesystem::path temporary;
    const int descriptor = CreateTemporary(file, temporary);
    if (descriptor < 0) return FileWriteProblem::CannotCreate;
    // The replaced file keeps its permissions; a new one has the umask's.
    bool good = !exists || ::fchmod(descriptor, existing.st_mode & 07777) == 0;
    DescriptorSink sink(descriptor);
    good = good && content(sink) && !sink.Failed();
    good = good && ::fsync(descriptor) == 0;
    good = ::close(descriptor) == 0 && good;
    if (!good) {
        ::unlink(temporary.c_str());
        return FileWriteProblem::WriteFailed;
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return FileWriteProblem::CannotReplace;
    }
    return FileWriteProblem::None;
}

}  // namespace tolvo
