// The help search of a real installation: folders looked into in order.
#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "ui/help_search.h"

namespace tolvo {

class FolderHelpSearch : public HelpSearch {
  public:
    FolderHelpSearch(std::vector<std::filesystem::path> folders, std::string programFileName)
        : folders_(std::move(folders)), programFileName_(std::move(programFileName)) {}

    // The first folder that holds the document as a regular file.
    std::optional<std::filesystem::path> FindDocument(std::string_view fileName) const override;
    std::string_view ProgramFileName() const override { return programFileName_; }
    const std::vector<std::filesystem::path>& Folders() const { return folders_; }

  private:
    std::vector<std::filesystem::path> folders_;
    std::string programFileName_;
};

// The folder of the running executable; argv0 is the fallback where the
// platform cannot tell.
std::filesystem::path ExecutableFolder(const char* argv0);

// The executable's folder, then the installed data folder (share/tolvo beside
// the executable's bin folder), then the working directory; and the program
// file's name as the user sees it.
FolderHelpSearch DefaultHelpSearch(const std::filesystem::path& executableFolder);

}  // namespace tolvo
