// What the window models ask of the world outside them. The Qt views
// implement it for real; the tests and tolvo-replay record what is asked.
#pragma once

#include <filesystem>
#include <string_view>

namespace tolvo {

class CopyModel;

class DialogHost {
  public:
    virtual ~DialogHost() = default;
    // A modal message box with an exclamation icon and an OK button only.
    virtual void ShowMessage(std::string_view caption, std::string_view text) = 0;
    // Plain text, UTF-8, lines ended by "\r\n"; replaces what was there.
    virtual void PlaceOnClipboard(std::string_view text) = 0;
    // Opens a document with the desktop's default handler; false when that fails.
    virtual bool OpenDocument(const std::filesystem::path& file) = 0;
    virtual void RunAboutBox() = 0;
    // Runs the copy dialog modally until it ends; true when "コピー" ended it.
    virtual bool RunCopyDialog(CopyModel& dialog) = 0;
};

}  // namespace tolvo
