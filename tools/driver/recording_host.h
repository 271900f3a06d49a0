// A DialogHost that records, in order, what the models ask of the outside
// world and answers every message box with OK. tolvo-replay logs from it; the
// tests and the fuzzer read it.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/copy_model.h"
#include "ui/dialog_host.h"

namespace tolvo {

class RecordingHost : public DialogHost {
  public:
    struct Request {
        enum class Kind { Message, Clipboard, Open, AboutBox } kind;
        std::string caption;         // a message's
        std::string text;            // a message's, or what went on the clipboard
        std::filesystem::path file;  // the document to open
    };
    using Kind = Request::Kind;

    void ShowMessage(std::string_view caption, std::string_view text) override {
        requests.push_back({Kind::Message, std::string(caption), std::string(text), {}});
    }
    void PlaceOnClipboard(std::string_view text) override {
        requests.push_back({Kind::Clipboard, {}, std::string(text), {}});
    }
    bool OpenDocument(const std::filesystem::path& file) override {
        requests.push_back({Kind::Open, {}, {}, file});
        return openSucceeds;
    }
    void RunAboutBox() override { requests.push_back({Kind::AboutBox, {}, {}, {}}); }
    bool RunCopyDialog(CopyModel& dialog) override {
        ++copyDialogs;
        if (copyDialogUser) copyDialogUser(dialog);
        return dialog.Result().value_or(false);
    }

    // The requests of one kind, in order.
    std::vector<Request> All(Kind kind) const {
        std::vector<Request> found;
        for (const Request& r : requests) {
            if (r.kind == kind) found.push_back(r);
        }
        return found;
    }
    std::vector<Request> Messages() const { return All(Kind::Message); }
    // The texts of the messages shown so far; forgets every request.
    std::vector<std::string> TakeMessages() {
        std::vector<std::string> texts;
        for (const Request& m : Messages()) texts.push_back(m.text);
        requests.clear();
        return texts;
    }
    std::vector<std::string> ClipboardTexts() const {
        std::vector<std::string> texts;
        for (const Request& c : All(Kind::Clipboard)) texts.push_back(c.text);
        return texts;
    }
    std::vector<std::filesystem::path> OpenedFiles() const {
        std::vector<std::filesystem::path> files;
        for (const Request& o : All(Kind::Open)) files.push_back(o.file);
        return files;
    }
    int AboutBoxes() const { return static_cast<int>(All(Kind::AboutBox).size()); }

    std::vector<Request> requests;
    bool openSucceeds = true;
    int copyDialogs = 0;
    // What the user does in the copy dialog; nothing (the dialog stays open) when unset.
    std::function<void(CopyModel&)> copyDialogUser;
};

}  // namespace tolvo
