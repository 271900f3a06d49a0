// A DialogHost for tests: records what the models ask of the outside world
// and answers every message box with OK.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "ui/copy_model.h"
#include "ui/dialog_host.h"

namespace tolvo::testing {

struct Message {
    std::string caption;
    std::string text;
};

class RecordingHost : public DialogHost {
  public:
    void ShowMessage(std::string_view caption, std::string_view text) override {
        messages.push_back({std::string(caption), std::string(text)});
    }
    void PlaceOnClipboard(std::string_view text) override { clipboard.emplace_back(text); }
    bool OpenDocument(const std::filesystem::path& file) override {
        opened.push_back(file);
        return openSucceeds;
    }
    void RunAboutBox() override { ++aboutBoxes; }
    bool RunCopyDialog(CopyModel& dialog) override {
        ++copyDialogs;
        if (copyDialogUser) copyDialogUser(dialog);
        return dialog.Result().value_or(false);
    }

    // The texts of the messages shown so far, and forget them.
    std::vector<std::string> TakeMessages() {
        std::vector<std::string> texts;
        for (const Message& m : messages) texts.push_back(m.text);
        messages.clear();
        return texts;
    }

    std::vector<Message> messages;
    std::vector<std::string> clipboard;
    std::vector<std::filesystem::path> opened;
    bool openSucceeds = true;
    int aboutBoxes = 0;
    int copyDialogs = 0;
    // What the user does in the copy dialog; nothing (the dialog stays open) when unset.
    std::function<void(CopyModel&)> copyDialogUser;
};

}  // namespace tolvo::testing
