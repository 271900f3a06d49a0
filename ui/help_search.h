// Where the help command finds its document. The search touches the file
// system, so the platform answers it; the main window's model only asks.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace tolvo {

inline constexpr std::string_view kHelpDocumentName = "Tolvo.html";

class HelpSearch {
  public:
    virtual ~HelpSearch() = default;
    // The document where it is found first; none when it is nowhere.
    virtual std::optional<std::filesystem::path> FindDocument(std::string_view fileName) const = 0;
    // The program file's name as the user sees it, named in the message when
    // the document is missing.
    virtual std::string_view ProgramFileName() const = 0;
};

}  // namespace tolvo
