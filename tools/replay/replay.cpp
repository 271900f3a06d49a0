#include "tools/replay/replay.h"

#include <algorithm>
#include <charconv>
#include <istream>
#include <memory>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "core/fit_evaluation.h"
#include "tools/driver/recording_host.h"
#include "tools/driver/user_events.h"
#include "ui/copy_model.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

// An event the user could not do; ends the replay with status 2.
struct ScriptError : std::runtime_error {
    using std::runtime_error::runtime_error;
};
// The script ended while a modal dialog was open.
struct EndOfScript {};

// ---- text helpers ----

void AppendJsonString(std::string& out, std::string_view text) {
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    for (const std::string& point : CodePoints(text)) {
        const unsigned char c = static_cast<unsigned char>(point[0]);
        if (point.size() == 1 && c >= 0x80) {
            out += "\xEF\xBF\xBD";  // not UTF-8: U+FFFD keeps the output valid JSON
        } else if (c == '"') {
            out += "\\\"";
        } else if (c == '\\') {
            out += "\\\\";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c < 0x20 || c == 0x7F) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
        } else {
            out += point;
        }
    }
    out += '"';
}

std::string HexColour(const Rgb& c) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string s = "#";
    for (int v : {c.red, c.green, c.blue}) {
        s += kHex[(v >> 4) & 0xF];
        s += kHex[v & 0xF];
    }
    return s;
}

void AppendControls(std::string& out, const ControlStates& controls) {
    out += "{";
    bool first = true;
    for (const ControlState& c : controls.All()) {
        if (!first) out += ',';
        first = false;
        out += '"' + std::to_string(c.id) + "\":{";
        switch (c.kind) {
            case ControlKind::InputEdit:
            case ControlKind::OutputEdit:
            case ControlKind::PreviewEdit:
            case ControlKind::Static:
                out += "\"text\":";
                AppendJsonString(out, c.text);
                out += ',';
                break;
            case ControlKind::Radio:
            case ControlKind::CheckBox:
                out += c.checked ? "\"checked\":true," : "\"checked\":false,";
                break;
            case ControlKind::Slider:
                out += "\"pos\":" + std::to_string(c.position) + ",\"min\":" + std::to_string(c.minimum) +
                       ",\"max\":" + std::to_string(c.maximum) + ',';
                break;
            default:
                break;
        }
        out += c.enabled ? "\"enabled\":true}" : "\"enabled\":false}";
    }
    out += "}";
}

// One entry of the dump's log.
void AppendRequest(std::string& out, const RecordingHost::Request& request) {
    switch (request.kind) {
        case RecordingHost::Kind::Message:
            out += "{\"message\":";
            AppendJsonString(out, request.text);
            out += ",\"caption\":";
            AppendJsonString(out, request.caption);
            out += '}';
            return;
        case RecordingHost::Kind::Clipboard:
            out += "{\"clipboard\":";
            AppendJsonString(out, request.text);
            out += '}';
            return;
        case RecordingHost::Kind::Open: {
            out += "{\"open\":";
            const std::u8string path = request.file.generic_u8string();
            AppendJsonString(out, std::string(path.begin(), path.end()));
            out += '}';
            return;
        }
        case RecordingHost::Kind::AboutBox:
            out += "{\"about\":true}";
            return;
    }
}

// ---- the script runner ----

class Runner {
  public:
    Runner(std::istream& script, std::ostream& out, const HelpSearch& help)
        : script_(script), out_(out), model_(host_, help) {
        host_.copyDialogUser = [this](CopyModel& dialog) { RunCopyDialog(dialog); };
    }

    void Run() {
        std::string line;
        while (NextEvent(line)) {
            if (line.starts_with("dlg ") || line == "dlg") Fail("no copy dialog is open");
            MainEvent(line);
        }
    }

    int LineNumber() const { return lineNumber_; }

  private:
    [[noreturn]] void Fail(const std::string& why) const { throw ScriptError(why); }

    // The nested loop of the modal copy dialog.
    void RunCopyDialog(CopyModel& dialog) {
        dialog_ = &dialog;
        std::string line;
        while (!dialog.Result().has_value()) {
            if (!NextEvent(line)) throw EndOfScript{};
            if (line == "dump") {
                Dump();
                continue;
            }
            if (!line.starts_with("dlg ")) Fail("the copy dialog is open; its events start with \"dlg \"");
            DialogEvent(line.substr(4));
        }
        dialog_ = nullptr;
    }

    // The next line that holds an event; false at the end of the script.
    bool NextEvent(std::string& line) {
        while (std::getline(script_, line)) {
            ++lineNumber_;
            if (!line.empty() && line.back() == '\r') line.pop_back();
            if (line.find_first_not_of(" \t") == std::string::npos || line.front() == '#') continue;
            return true;
        }
        return false;
    }

    // "verb rest": the word before the first blank, and what follows that blank.
    static std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
        const std::size_t blank = text.find(' ');
        if (blank == std::string_view::npos) return {text, {}};
        return {text.substr(0, blank), text.substr(blank + 1)};
    }

    long long Number(std::string_view text, const char* what) const {
        long long value = 0;
        int base = 10;
        std::string_view digits = text;
        bool negative = false;
        if (digits.starts_with('-')) {
            negative = true;
            digits.remove_prefix(1);
        }
        if (digits.starts_with("0x") || digits.starts_with("0X")) {
            base = 16;
            digits.remove_prefix(2);
        }
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
        if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
            Fail(std::string("expected ") + what + ", got \"" + std::string(text) + "\"");
        }
        return negative ? -value : value;
    }

    int ControlId(std::string_view text) const {
        const long long id = Number(text, "a control ID");
        if (id < 0 || id > 0xFFFF) Fail("no control " + std::string(text));
        return static_cast<int>(id);
    }

    static const ControlState& Require(const ControlStates& controls, int id, const Runner& runner) {
        const ControlState* c = controls.Find(id);
        if (c == nullptr) runner.Fail("no control " + std::to_string(id));
        return *c;
    }

    // Gives the focus to a control the way a click does; the control must be able to take it.
    template <typename Model>
    void FocusControl(Model& model, int id) {
        const ControlState& c = Require(model.Controls(), id, *this);
        if (!CanTakeFocus(c.kind)) Fail("control " + std::to_string(id) + " cannot take the focus");
        if (!c.enabled) Fail("control " + std::to_string(id) + " is disabled");
        model.OnFocus(id);
    }

    template <typename Model>
    void RequireWritableEdit(Model& model, int id) {
        const ControlState& c = Require(model.Controls(), id, *this);
        if (!IsEdit(c.kind)) Fail("control " + std::to_string(id) + " is not an edit");
        if (!c.enabled) Fail("edit " + std::to_string(id) + " is disabled");
        if (!IsWritableEdit(c.kind)) Fail("edit " + std::to_string(id) + " is read-only");
    }

    template <typename Model>
    bool EditEvent(Model& model, std::string_view verb, std::string_view rest) {
        if (verb != "type" && verb != "set" && verb != "back") return false;
        const auto [idText, argument] = SplitWord(rest);
        const int id = ControlId(idText);
        RequireWritableEdit(model, id);
        FocusControl(model, id);
        if (verb == "set") {
            model.OnEditChanged(id, argument);
        } else if (verb == "type") {
            TypeKeys(model, argument);
        } else {
            const long long count = argument.empty() ? 1 : Number(argument, "a count");
            if (count < 0) Fail("a count cannot be negative");
            Backspaces(model, count);
        }
        return true;
    }

    template <typename Model>
    void ClickEvent(Model& model, std::string_view idText) {
        const int id = ControlId(idText);
        const ControlState& c = Require(model.Controls(), id, *this);
        const bool button = c.kind == ControlKind::Radio || c.kind == ControlKind::CheckBox ||
                            c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultPushButton;
        if (!button) Fail("control " + std::to_string(id) + " is not a button");
        FocusControl(model, id);
        model.OnClicked(id);
    }

    void MainEvent(const std::string& line) {
        const auto [verb, rest] = SplitWord(line);
        if (verb == "dump") return Dump();
        if (model_.Ended()) Fail("the main window has ended");
        if (EditEvent(model_, verb, rest)) return;
        if (verb == "click") return ClickEvent(model_, rest);
        if (verb == "focus") return FocusControl(model_, ControlId(rest));
        if (verb == "slide") {
            const auto [idText, position] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(model_.Controls(), id, *this).kind != ControlKind::Slider)
                Fail("control " + std::string(idText) + " is not a slider");
            const long long pos = Number(position, "a slider position");
            FocusControl(model_, id);
            model_.OnSliderPosition(id, static_cast<int>(std::clamp<long long>(pos, -1'000'000, 1'000'000)));
            return;
        }
        if (verb == "scroll" || verb == "vscroll") {
            const auto [idText, codeText] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(model_.Controls(), id, *this).kind != ControlKind::ScrollBar)
                Fail("control " + std::string(idText) + " is not a scroll bar");
            FocusControl(model_, id);
            if (verb == "scroll") {
                if (codeText != "up" && codeText != "down") Fail("scroll takes up or down");
                model_.OnClassScroll(id, codeText == "up" ? ScrollCode::LineUp : ScrollCode::LineDown);
                model_.OnClassScroll(id, ScrollCode::EndScroll);
                return;
            }
            static const std::pair<std::string_view, ScrollCode> kCodes[] = {
                {"lineup", ScrollCode::LineUp},
                {"linedown", ScrollCode::LineDown},
                {"endscroll", ScrollCode::EndScroll},
                {"pageup", ScrollCode::PageUp},
                {"pagedown", ScrollCode::PageDown}};
            for (const auto& [name, code] : kCodes) {
                if (name == codeText) return model_.OnClassScroll(id, code);
            }
            Fail("unknown scroll code \"" + std::string(codeText) + "\"");
        }
        if (verb == "key") {
            if (rest == "enter") return model_.OnEnter();
            if (rest == "escape") return model_.OnEscape();
            if (rest == "f1") return model_.OnHelp();
            Fail("unknown key \"" + std::string(rest) + "\"");
        }
        if (verb == "syscommand") {
            const long long command = Number(rest, "a system command");
            if (command < 0 || command > 0xFFFF) Fail("no system command " + std::string(rest));
            return model_.OnSystemCommand(static_cast<unsigned>(command));
        }
        if (verb == "about") return model_.OnSystemCommand(MainModel::kAboutCommand);
        Fail("unknown event \"" + std::string(verb) + "\"");
    }

    void DialogEvent(std::string_view line) {
        CopyModel& dialog = *dialog_;
        const auto [verb, rest] = SplitWord(line);
        if (EditEvent(dialog, verb, rest)) return;
        if (verb == "click") return ClickEvent(dialog, rest);
        if (verb == "focus") return FocusControl(dialog, ControlId(rest));
        if (verb == "key") {
            if (rest == "enter") return dialog.OnEnter();
            if (rest == "escape") return dialog.OnEscape();
            Fail("unknown key \"" + std::string(rest) + "\" in the copy dialog");
        }
        Fail("unknown copy dialog event \"" + std::string(verb) + "\"");
    }

    void Dump() {
        std::string out = "{\"controls\":";
        AppendControls(out, model_.Controls());
        out += ",\"focus\":" + std::to_string(model_.Focus()) + ",\"fitColors\":";
        if (const auto colors = model_.FitKindLabelColors()) {
            out += "{\"text\":\"" + HexColour(colors->text) + "\",\"background\":\"" +
                   HexColour(colors->background) + "\"}";
        } else {
            out += "null";
        }
        out += ",\"log\":[";
        for (std::size_t i = 0; i < host_.requests.size(); ++i) {
            if (i > 0) out += ',';
            AppendRequest(out, host_.requests[i]);
        }
        host_.requests.clear();
        out += "],\"copyDialog\":";
        if (dialog_ != nullptr) {
            out += "{\"controls\":";
            AppendControls(out, dialog_->Controls());
            out += ",\"focus\":" + std::to_string(dialog_->Focus()) + "}";
        } else {
            out += "null";
        }
        out += ",\"ended\":";
        if (!model_.Ended()) {
            out += "null";
        } else {
            out += *model_.Ended() == EndResult::Ok ? "\"ok\"" : "\"cancel\"";
        }
        out += "}\n";
        out_ << out;
    }

    std::istream& script_;
    std::ostream& out_;
    RecordingHost host_;
    MainModel model_;
    CopyModel* dialog_ = nullptr;
    int lineNumber_ = 0;
};

}  // namespace

int RunReplay(std::istream& script, std::ostream& out, std::ostream& errors, const HelpSearch& help) {
    std::unique_ptr<Runner> runner;
    try {
        runner = std::make_unique<Runner>(script, out, help);
        runner->Run();
    } catch (const ScriptError& error) {
        out.flush();
        errors << "tolvo-replay: line " << runner->LineNumber() << ": " << error.what() << '\n';
        return 2;
    } catch (const EndOfScript&) {
        // the script ended with the copy dialog open: nothing more happens
    }
    out.flush();
    return 0;
}

}  // namespace tolvo
