// Every file the programs write goes through here: a temporary file of its
// own beside the target (created exclusively, never through a link), written
// whole, flushed, then renamed over the target. A reader never sees half a
// file, and a write that fails leaves the old file as it was.
#pragma once

#include <filesystem>
#include <functional>
#include <random>
#include <string_view>

namespace tolvo {

// Why a file was not written; None: it was.
enum class FileWriteProblem {
    None,
    Folder,          // the target is a folder
    NotRegularFile,  // a device, a pipe or a socket: never replaced by a file
    ReadOnly,        // the target may not be written: refused, not replaced
    CannotCreate,    // no new file can be made in the target's folder (missing, closed)
    WriteFailed,     // the content or the disk failed before the file was whole
    CannotReplace,   // the finished file could not be renamed over the target
};

// Where the content goes, in order. Write answers false when the bytes could
// not be written; the content stops there.
class FileSink {
  public:
    virtual bool Write(std::string_view bytes) = 0;

  protected:
    ~FileSink() = default;
};

// Gives the whole content to the sink; false when it could not be made (the
// old file then stays).
using FileContent = std::function<bool(FileSink& sink)>;

// The file a write to `target` lands in: a link is followed to the file it
// names (as an editor saves through it), relative links from their own folder.
std::filesystem::path ResolveWriteTarget(const std::filesystem::path& target);

// A name of its own beside the target, "zones.svg.k3x9q2ab.tmp": eight
// random letters, for the temporary file each system's writer creates
// exclusively (trying another name when one is taken).
std::filesystem::path TemporaryNameBeside(const std::filesystem::path& target, std::mt19937& random);
// Names tried before the folder is taken as one that refuses new files.
inline constexpr int kTemporaryNameAttempts = 100;

FileWriteProblem WriteFileReplacing(const std::filesystem::path& target, const FileContent& content);
FileWriteProblem WriteFileReplacing(const std::filesystem::path& target, std::string_view bytes);

}  // namespace tolvo
