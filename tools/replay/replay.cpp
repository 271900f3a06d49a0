#include "tools/replay/replay.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/fit_evaluation.h"
#include "core/json_writer.h"
#include "core/zone_diagram.h"
#include "tools/driver/recording_host.h"
#include "tools/driver/user_events.h"
#include "ui/copy_model.h"
#include "ui/finder_model.h"
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

// A piece of the script or a path in an error message: short, and safe to print.
std::string Shown(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    std::string out;
    if (json::AppendEscaped(out, text, json::Quotes::Kept, kLongest)) out += "…";
    return out;
}

std::string Quoted(std::string_view text) {
    return '"' + Shown(text) + '"';
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

// The extensions' controls (main_dialog::IsExtensionId) only
// with `extended`, once the script has opted in with an `option` event.
void AppendControls(std::string& out, const ControlStates& controls, bool extended) {
    out += "{";
    bool first = true;
    for (const ControlState& c : controls.All()) {
        if (!extended && main_dialog::IsExtensionId(c.id)) continue;
        if (!first) out += ',';
        first = false;
        out += '"' + std::to_string(c.id) + "\":{";
        switch (c.kind) {
            case ControlKind::InputEdit:
            case ControlKind::OutputEdit:
            case ControlKind::PreviewEdit:
            case ControlKind::Static:
                out += "\"text\":";
                json::AppendString(out, c.text);
                out += ',';
                if (c.partial) out += "\"partial\":true,";
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

// ---- the recording host and the script runner ----

// How a number may be written: decimal digits, where allowed after a minus
// sign or as "0x" and hex digits.
struct NumberForm {
    bool negative = false;
    bool hex = false;
};
static constexpr NumberForm kDecimal{};
static constexpr NumberForm kSignedDecimal{.negative = true};
static constexpr NumberForm kDecimalOrHex{.hex = true};

// One entry of the dump's log.
std::string_view FitKindName(FitKind kind) {
    switch (kind) {
        case FitKind::Clearance:
            return "clearance";
        case FitKind::Transition:
            return "transition";
        case FitKind::Interference:
            return "interference";
        case FitKind::None:
            break;
    }
    return "none";
}

// A value of the zone diagram as the window shows it, six significant digits.
std::string Micrometres(double value) {
    return json::Number(value, json::Digits::Six);
}

// The tolerance-zone diagram as data: the values in μm, not the layout.
void AppendZoneScene(std::string& out, const ZoneScene& scene) {
    out += "{\"zeroLine\":";
    json::AppendString(out, scene.zeroLabel.text);
    out += ",\"zones\":[";
    for (std::size_t i = 0; i < scene.zones.size(); ++i) {
        const ZoneRect& z = scene.zones[i];
        if (i > 0) out += ',';
        out += z.kind == FeatureKind::Hole ? "{\"feature\":\"hole\"" : "{\"feature\":\"shaft\"";
        out += ",\"label\":";
        json::AppendString(out, z.label.text);
        out += ",\"upper\":" + Micrometres(z.upperUm) + ",\"lower\":" + Micrometres(z.lowerUm) +
               ",\"upperText\":";
        json::AppendString(out, z.upperText.text);
        out += ",\"lowerText\":";
        json::AppendString(out, z.lowerText.text);
        out += '}';
    }
    out += "],\"fit\":";
    if (scene.spans.empty()) {
        out += "null";
    } else {
        out += "{\"kind\":\"";
        out += FitKindName(scene.fitKind);
        out += "\",\"kindText\":";
        json::AppendString(out, scene.fitKindText);
        out += ",\"spans\":[";
        for (std::size_t i = 0; i < scene.spans.size(); ++i) {
            const ZoneSpan& span = scene.spans[i];
            if (i > 0) out += ',';
            out += "{\"from\":" + Micrometres(span.fromUm) + ",\"to\":" + Micrometres(span.toUm) +
                   ",\"amount\":" + Micrometres(span.clearanceUm) + ",\"text\":";
            json::AppendString(out, span.text);
            out += '}';
        }
        out += "]}";
    }
    out += ",\"note\":";
    json::AppendString(out, scene.note);
    out += '}';
}

void AppendRequest(std::string& out, const RecordingHost::Request& request) {
    switch (request.kind) {
        case RecordingHost::Kind::Message:
            out += "{\"message\":";
            json::AppendString(out, request.text);
            out += ",\"caption\":";
            json::AppendString(out, request.caption);
            out += '}';
            return;
        case RecordingHost::Kind::Clipboard:
            out += "{\"clipboard\":";
            json::AppendString(out, request.text);
            out += '}';
            return;
        case RecordingHost::Kind::Open: {
            out += "{\"open\":";
            const std::u8string path = request.file.generic_u8string();
            json::AppendString(out, std::string(path.begin(), path.end()));
            out += '}';
            return;
        }
        case RecordingHost::Kind::AboutBox:
            out += "{\"about\":true}";
            return;
    }
}

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
            if (DumpEvent(line)) continue;
            if (line.starts_with("fnd ") || line == "fnd") {
                FinderEvent(line.substr(std::min<std::size_t>(line.size(), 4)));
            } else {
                MainEvent(line);
            }
            // The non-modal finder follows the main window (its fixed side, the measured check).
            if (finder_) finder_->Refresh();
        }
    }

    long long LineNumber() const { return lineNumber_; }

  private:
    [[noreturn]] void Fail(const std::string& why) const { throw ScriptError(why); }

    // The nested loop of the modal copy dialog.
    void RunCopyDialog(CopyModel& dialog) {
        dialog_ = &dialog;
        std::string line;
        while (!dialog.Result().has_value()) {
            if (!NextEvent(line)) throw EndOfScript{};
            if (DumpEvent(line)) continue;
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

    long long Number(std::string_view text, const char* what, NumberForm form) const {
        std::string_view digits = text;
        const bool negative = form.negative && digits.starts_with('-');
        if (negative) digits.remove_prefix(1);
        int base = 10;
        if (form.hex && (digits.starts_with("0x") || digits.starts_with("0X"))) {
            base = 16;
            digits.remove_prefix(2);
        }
        long long value = 0;
        // from_chars would take a second sign itself: the digits must start at once.
        const bool digitFirst = !digits.empty() && digits.front() != '-';
        const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value, base);
        if (!digitFirst || error != std::errc{} || end != digits.data() + digits.size()) {
            Fail(std::string("expected ") + what + ", got " + Quoted(text));
        }
        return negative ? -value : value;
    }

    int ControlId(std::string_view text) const {
        const long long id = Number(text, "a control ID", kDecimal);
        if (id > 0xFFFF) Fail("no control " + std::to_string(id));
        return static_cast<int>(id);
    }

    // "dump", which takes nothing after it in either window; false for any other event.
    bool DumpEvent(std::string_view line) {
        const auto [verb, rest] = SplitWord(line);
        if (verb != "dump") return false;
        if (!rest.empty()) Fail("\"dump\" takes nothing after it");
        Dump();
        return true;
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
        // A keystroke that changes nothing (with the focus on no writable edit, or
        // a backspace on an empty one) leaves the window as it was, so every
        // keystroke after it is lost too: the loops end there.
        if (verb == "set") {
            model.OnEditChanged(id, argument);
        } else if (verb == "type") {
            TypeKeys(model, argument);
        } else {
            const long long count = argument.empty() ? 1 : Number(argument, "a count", kSignedDecimal);
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
        if (model_.Ended()) Fail("the main window has ended");
        if (EditEvent(model_, verb, rest)) return;
        if (verb == "click") return ClickEvent(model_, rest);
        if (verb == "focus") return FocusControl(model_, ControlId(rest));
        if (verb == "slide") {
            const auto [idText, position] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(model_.Controls(), id, *this).kind != ControlKind::Slider)
                Fail("control " + std::to_string(id) + " is not a slider");
            const long long pos = Number(position, "a slider position", kSignedDecimal);
            FocusControl(model_, id);
            model_.OnSliderPosition(id, static_cast<int>(std::clamp<long long>(pos, -1'000'000, 1'000'000)));
            return;
        }
        if (verb == "scroll" || verb == "vscroll") {
            const auto [idText, codeText] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(model_.Controls(), id, *this).kind != ControlKind::ScrollBar)
                Fail("control " + std::to_string(id) + " is not a scroll bar");
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
            Fail("unknown scroll code " + Quoted(codeText));
        }
        if (verb == "key") {
            if (rest == "enter") return model_.OnEnter();
            if (rest == "escape") return model_.OnEscape();
            if (rest == "f1") return model_.OnHelp();
            Fail("unknown key " + Quoted(rest));
        }
        if (verb == "syscommand") {
            const long long command = Number(rest, "a system command", kDecimalOrHex);
            if (command > 0xFFFF) Fail("no system command " + Shown(rest));
            return model_.OnSystemCommand(static_cast<unsigned>(command));
        }
        if (verb == "option") return OptionEvent(rest);
        if (verb == "finder") {
            if (rest != "open") Fail("finder takes open");
            finderUsed_ = true;
            if (!finder_) finder_.emplace(model_);
            return;
        }
        if (verb == "about") {
            if (!rest.empty()) Fail("\"about\" takes nothing after it");
            return model_.OnSystemCommand(MainModel::kAboutCommand);
        }
        if (verb == "chars") return CharsEvent(rest);
        if (verb == "copy-callout") {
            if (!rest.empty()) Fail("\"copy-callout\" takes nothing after it");
            calloutUsed_ = true;
            return model_.OnCopyCallout();
        }
        if (verb == "paste") {
            const FitClassRange before = model_.Range();
            model_.OnPasteCallout(rest);
            // A callout beyond the range switches it: from then on the dump shows the range.
            if (model_.Range() != before) extended_ = true;
            return;
        }
        Fail("unknown event " + Quoted(verb));
    }

    // "chars ID TEXT [MS]": one keystroke per character of TEXT on a slider or
    // scroll bar, at MS milliseconds (without it, the time of the chars event
    // before: no pause).
    void CharsEvent(std::string_view rest) {
        const auto [idText, argument] = SplitWord(rest);
        const auto [text, timeText] = SplitWord(argument);
        const int id = ControlId(idText);
        const ControlKind kind = Require(model_.Controls(), id, *this).kind;
        if (kind != ControlKind::Slider && kind != ControlKind::ScrollBar)
            Fail("control " + std::to_string(id) + " is not a slider or a scroll bar");
        if (text.empty()) Fail("chars takes a control ID, the characters and optionally a time");
        if (!timeText.empty()) charsTimeMs_ = Number(timeText, "a time in milliseconds", kDecimal);
        FocusControl(model_, id);
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = KeystrokeAt(text, i);
            model_.OnClassChars(id, text.substr(i, length), charsTimeMs_);
            i += length;
        }
    }

    // "option NAME on|off", as the window's menu items; the first one opts the
    // script into the extended dump. The callout's options take a word instead.
    void OptionEvent(std::string_view rest) {
        const auto [name, value] = SplitWord(rest);
        if (CalloutOptionEvent(name, value)) return;
        if (value != "on" && value != "off") Fail("option takes a name and on or off");
        if (name == "full-range") {
            model_.SetFullRange(value == "on");
        } else if (name == "zone-diagram") {
            model_.SetZoneDiagram(value == "on");
        } else {
            Fail("unknown option " + Quoted(name));
        }
        extended_ = true;
    }

    // ---- the callout as a drawing writes it ----
    // "option callout-style class|class-deviations|deviations|limits" and
    // "option diameter-sign phi|dia|none"; false for any other option.
    bool CalloutOptionEvent(std::string_view name, std::string_view value) {
        CalloutOptions options = model_.CalloutChoice();
        if (name == "callout-style") {
            const std::optional<CalloutStyle> style = FindCalloutStyle(value);
            if (!style) Fail("callout-style takes class, class-deviations, deviations or limits");
            options.style = *style;
        } else if (name == "diameter-sign") {
            const std::optional<DiameterSign> sign = FindDiameterSign(value);
            if (!sign) Fail("diameter-sign takes phi, dia or none");
            options.sign = *sign;
        } else {
            return false;
        }
        model_.SetCalloutOptions(options);
        extended_ = true;
        calloutUsed_ = true;
        return true;
    }

    void AppendCalloutOptions(std::string& out) const {
        out += ",\"callout\":{\"style\":\"";
        out += CalloutStyleName(model_.CalloutChoice().style);
        out += "\",\"diameterSign\":\"";
        out += DiameterSignName(model_.CalloutChoice().sign);
        out += "\"}";
    }
    // ---- end of the callout ----

    void DialogEvent(std::string_view line) {
        CopyModel& dialog = *dialog_;
        const auto [verb, rest] = SplitWord(line);
        if (EditEvent(dialog, verb, rest)) return;
        if (verb == "click") return ClickEvent(dialog, rest);
        if (verb == "focus") return FocusControl(dialog, ControlId(rest));
        if (verb == "key") {
            if (rest == "enter") return dialog.OnEnter();
            if (rest == "escape") return dialog.OnEscape();
            Fail("unknown key " + Quoted(rest) + " in the copy dialog");
        }
        Fail("unknown copy dialog event " + Quoted(verb));
    }

    // The events of the non-modal finder dialog, "fnd ..." (the prefix removed).
    void FinderEvent(std::string_view line) {
        if (model_.Ended()) Fail("the main window has ended");
        if (!finder_) Fail("no finder dialog is open");
        FinderAction(*finder_, line);
        if (finder_->Closed()) finder_.reset();
    }

    void FinderAction(FinderModel& finder, std::string_view line) {
        const auto [verb, rest] = SplitWord(line);
        if (EditEvent(finder, verb, rest)) return;
        if (verb == "click") return ClickEvent(finder, rest);
        if (verb == "focus") return FocusControl(finder, ControlId(rest));
        if (verb == "choose") {
            const long long row = Number(rest, "a row number", kDecimal);
            const auto& rows = finder.Rows();
            if (row >= static_cast<long long>(rows.size())) Fail("no row " + std::to_string(row));
            if (!rows[static_cast<std::size_t>(row)].fit)
                Fail("row " + std::to_string(row) + " holds no pair");
            finder.OnFocus(finder_dialog::kResults);
            finder.OnChooseRow(static_cast<int>(row));
            return;
        }
        if (verb == "close" && rest.empty()) return finder.OnEscape();
        Fail("unknown finder event " + Quoted(verb));
    }

    void Dump() {
        std::string out = "{\"controls\":";
        AppendControls(out, model_.Controls(), extended_);
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
            AppendControls(out, dialog_->Controls(), extended_ || calloutUsed_);
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
        if (extended_) {
            out += model_.Range() == FitClassRange::Whole ? ",\"fullRange\":true" : ",\"fullRange\":false";
            out += ",\"zoneDiagram\":";
            if (model_.ZoneDiagramShown()) {
                AppendZoneScene(out, model_.Zones());
            } else {
                out += "null";
            }
        }
        if (finderUsed_) AppendFinder(out);
        if (calloutUsed_) AppendCalloutOptions(out);
        out += "}\n";
        out_ << out;
    }

    void AppendFinder(std::string& out) const {
        out += ",\"finder\":";
        if (!finder_) {
            out += "null";
            return;
        }
        out += "{\"controls\":";
        AppendControls(out, finder_->Controls(), true);
        out += ",\"rows\":[";
        bool first = true;
        for (const FinderRow& row : finder_->Rows()) {
            if (!first) out += ',';
            first = false;
            out += "{\"text\":";
            json::AppendString(out, row.text);
            out += row.fit ? ",\"choosable\":true}" : ",\"choosable\":false}";
        }
        out += "],\"focus\":" + std::to_string(finder_->Focus()) + "}";
    }

    std::istream& script_;
    std::ostream& out_;
    RecordingHost host_;
    MainModel model_;
    CopyModel* dialog_ = nullptr;
    long long lineNumber_ = 0;
    bool extended_ = false;              // an `option` event has come
    std::optional<FinderModel> finder_;  // while the finder dialog is open
    bool finderUsed_ = false;            // a `finder` event has come
    bool calloutUsed_ = false;           // a callout option or a `copy-callout` event has come
    long long charsTimeMs_ = 0;          // the time of the last `chars` event
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

int RunReplayFile(const std::filesystem::path& script, std::ostream& out, std::ostream& errors,
                  const HelpSearch& help) {
    // A folder opens as a stream on some systems and then reads as empty.
    std::error_code ignored;
    const bool folder = std::filesystem::is_directory(script, ignored);
    std::ifstream in;
    if (!folder) in.open(script, std::ios::binary);
    if (!in.is_open()) {
        const std::u8string path = script.u8string();
        errors << "tolvo-replay: cannot read " << Shown(std::string(path.begin(), path.end()))
               << (folder ? ": it is a folder" : "") << '\n';
        return 2;
    }
    return RunReplay(in, out, errors, help);
}

}  // namespace tolvo
