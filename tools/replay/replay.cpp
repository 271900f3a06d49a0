#include "tools/replay/replay.h"

#include <algorithm>
#include <array>
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
#include "tools/replay/model_performer.h"
#include "ui/copy_model.h"
#include "ui/finder_model.h"
#include "ui/main_model.h"
#include "ui/press_fit_model.h"
#include "ui/service_model.h"

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
// with `extended`, once the script has opted in with an `option` event;
// `omitted` (kNoId: none) not at all.
void AppendControls(std::string& out, const ControlStates& controls, bool extended,
                    std::array<int, 2> omitted = {kNoId, kNoId}) {
    out += "{";
    bool first = true;
    for (const ControlState& c : controls.All()) {
        if ((!extended && main_dialog::IsExtensionId(c.id)) || c.id == omitted[0] || c.id == omitted[1])
            continue;
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
    // The operating conditions' outlines at temperature and band, only while their dialog draws them.
    if (!scene.serviceZones.empty()) {
        out += ",\"atTemperature\":[";
        for (std::size_t i = 0; i < scene.serviceZones.size(); ++i) {
            const ZoneRect& z = scene.serviceZones[i];
            if (i > 0) out += ',';
            out += "{\"label\":";
            json::AppendString(out, z.label.text);
            out += ",\"upper\":" + Micrometres(z.upperUm) + ",\"lower\":" + Micrometres(z.lowerUm) + '}';
        }
        out += "],\"band\":";
        if (scene.clearanceBand) {
            out += "{\"low\":" + Micrometres(scene.clearanceBand->lowUm) +
                   ",\"high\":" + Micrometres(scene.clearanceBand->highUm) + '}';
        } else {
            out += "null";
        }
        out += ",\"serviceNote\":";
        json::AppendString(out, scene.serviceNote);
    }
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
    Runner(std::istream& script, std::ostream& out, Performer& performer)
        : script_(script), out_(out), performer_(performer) {
        performer_.runCopyDialog = [this] { RunCopyDialog(); };
    }

    void Run() {
        std::string line;
        while (NextEvent(line)) {
            if (line.starts_with("dlg ") || line == "dlg") Fail("no copy dialog is open");
            if (DumpEvent(line)) continue;
            if (line.starts_with("fnd ") || line == "fnd") {
                FinderEvent(line.substr(std::min<std::size_t>(line.size(), 4)));
            } else if (line.starts_with("prs ") || line == "prs") {
                CompanionEvent(Pane::PressFit, line.substr(std::min<std::size_t>(line.size(), 4)),
                               "press-fit");
            } else if (line.starts_with("svc ") || line == "svc") {
                CompanionEvent(Pane::Service, line.substr(std::min<std::size_t>(line.size(), 4)), "service");
            } else {
                MainEvent(line);
            }
            performer_.AfterEvent();
        }
    }

    long long LineNumber() const { return lineNumber_; }

  private:
    [[noreturn]] void Fail(const std::string& why) const { throw ScriptError(why); }

    const MainModel& Main() const { return performer_.Main(); }

    // The nested loop of the modal copy dialog.
    void RunCopyDialog() {
        std::string line;
        while (!performer_.CopyDialog()->Result().has_value()) {
            if (!NextEvent(line)) throw EndOfScript{};
            if (DumpEvent(line)) continue;
            if (!line.starts_with("dlg ")) Fail("the copy dialog is open; its events start with \"dlg \"");
            DialogEvent(line.substr(4));
        }
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

    // The model of a pane, read for the checks.
    template <typename F>
    void WithModel(Pane pane, F&& f) const {
        switch (pane) {
            case Pane::Main:
                return f(Main());
            case Pane::CopyDialog:
                return f(*performer_.CopyDialog());
            case Pane::Finder:
                return f(*performer_.Finder());
            case Pane::PressFit:
                return f(*performer_.PressFit());
            case Pane::Service:
                return f(*performer_.Service());
        }
    }
    const ControlStates& ControlsOf(Pane pane) const {
        const ControlStates* controls = nullptr;
        WithModel(pane, [&](const auto& model) { controls = &model.Controls(); });
        return *controls;
    }

    // Gives the focus to a control the way a click does; the control must be able to take it.
    void FocusControl(Pane pane, int id) {
        RequireFocusable(ControlsOf(pane), id);
        performer_.Focus(pane, id);
    }

    // What a user can do to a control, whichever window it is in.
    void RequireFocusable(const ControlStates& controls, int id) {
        const ControlState& c = Require(controls, id, *this);
        if (!CanTakeFocus(c.kind)) Fail("control " + std::to_string(id) + " cannot take the focus");
        if (!c.enabled) Fail("control " + std::to_string(id) + " is disabled");
    }

    void RequireWritableEdit(const ControlStates& controls, int id) {
        const ControlState& c = Require(controls, id, *this);
        if (!IsEdit(c.kind)) Fail("control " + std::to_string(id) + " is not an edit");
        if (!c.enabled) Fail("edit " + std::to_string(id) + " is disabled");
        if (!IsWritableEdit(c.kind)) Fail("edit " + std::to_string(id) + " is read-only");
    }

    void RequireButton(const ControlStates& controls, int id) {
        const ControlState& c = Require(controls, id, *this);
        const bool button = c.kind == ControlKind::Radio || c.kind == ControlKind::CheckBox ||
                            c.kind == ControlKind::PushButton || c.kind == ControlKind::DefaultPushButton;
        if (!button) Fail("control " + std::to_string(id) + " is not a button");
    }

    long long BackspaceCount(std::string_view argument) {
        const long long count = argument.empty() ? 1 : Number(argument, "a count", kSignedDecimal);
        if (count < 0) Fail("a count cannot be negative");
        return count;
    }

    bool EditEvent(Pane pane, std::string_view verb, std::string_view rest) {
        if (verb != "type" && verb != "set" && verb != "back") return false;
        const auto [idText, argument] = SplitWord(rest);
        const int id = ControlId(idText);
        RequireWritableEdit(ControlsOf(pane), id);
        FocusControl(pane, id);
        // A keystroke that changes nothing (with the focus on no writable edit, or
        // a backspace on an empty one) leaves the window as it was, so every
        // keystroke after it is lost too: the loops end there.
        if (verb == "set") {
            performer_.SetText(pane, id, argument);
        } else if (verb == "type") {
            performer_.Type(pane, argument);
        } else {
            performer_.Backspaces(pane, BackspaceCount(argument));
        }
        return true;
    }

    void ClickEvent(Pane pane, std::string_view idText) {
        const int id = ControlId(idText);
        RequireButton(ControlsOf(pane), id);
        FocusControl(pane, id);
        performer_.Click(pane, id);
    }

    void MainEvent(const std::string& line) {
        const auto [verb, rest] = SplitWord(line);
        if (Main().Ended()) Fail("the main window has ended");
        if (EditEvent(Pane::Main, verb, rest)) return;
        if (verb == "click") return ClickEvent(Pane::Main, rest);
        if (verb == "focus") return FocusControl(Pane::Main, ControlId(rest));
        if (verb == "slide") {
            const auto [idText, position] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(Main().Controls(), id, *this).kind != ControlKind::Slider)
                Fail("control " + std::to_string(id) + " is not a slider");
            const long long pos = Number(position, "a slider position", kSignedDecimal);
            FocusControl(Pane::Main, id);
            performer_.Slide(id, static_cast<int>(std::clamp<long long>(pos, -1'000'000, 1'000'000)));
            return;
        }
        if (verb == "scroll" || verb == "vscroll") {
            const auto [idText, codeText] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(Main().Controls(), id, *this).kind != ControlKind::ScrollBar)
                Fail("control " + std::to_string(id) + " is not a scroll bar");
            FocusControl(Pane::Main, id);
            if (verb == "scroll") {
                if (codeText != "up" && codeText != "down") Fail("scroll takes up or down");
                performer_.Scroll(Pane::Main, id,
                                  codeText == "up" ? ScrollCode::LineUp : ScrollCode::LineDown);
                performer_.Scroll(Pane::Main, id, ScrollCode::EndScroll);
                return;
            }
            static const std::pair<std::string_view, ScrollCode> kCodes[] = {
                {"lineup", ScrollCode::LineUp},
                {"linedown", ScrollCode::LineDown},
                {"endscroll", ScrollCode::EndScroll},
                {"pageup", ScrollCode::PageUp},
                {"pagedown", ScrollCode::PageDown}};
            for (const auto& [name, code] : kCodes) {
                if (name == codeText) return performer_.Scroll(Pane::Main, id, code);
            }
            Fail("unknown scroll code " + Quoted(codeText));
        }
        if (verb == "key") {
            if (rest == "enter") return performer_.Key(Pane::Main, ReplayKey::Enter);
            if (rest == "escape") return performer_.Key(Pane::Main, ReplayKey::Escape);
            if (rest == "f1") return performer_.Key(Pane::Main, ReplayKey::F1);
            Fail("unknown key " + Quoted(rest));
        }
        if (verb == "syscommand") {
            const long long command = Number(rest, "a system command", kDecimalOrHex);
            if (command > 0xFFFF) Fail("no system command " + Shown(rest));
            return performer_.SystemCommand(static_cast<unsigned>(command));
        }
        if (verb == "option") return OptionEvent(rest);
        if (verb == "finder") {
            if (rest != "open") Fail("finder takes open");
            finderUsed_ = true;
            if (performer_.Finder() == nullptr) performer_.OpenFinder();
            return;
        }
        if (verb == "press") {
            pressFitUsed_ = true;
            return OpenCompanion(Pane::PressFit, rest, "press");
        }
        if (verb == "service") {
            serviceUsed_ = true;
            return OpenCompanion(Pane::Service, rest, "service");
        }
        if (verb == "about") {
            if (!rest.empty()) Fail("\"about\" takes nothing after it");
            return performer_.SystemCommand(MainModel::kAboutCommand);
        }
        if (verb == "chars") return CharsEvent(rest);
        if (verb == "copy-callout") {
            if (!rest.empty()) Fail("\"copy-callout\" takes nothing after it");
            calloutUsed_ = true;
            return performer_.CopyCallout();
        }
        if (verb == "paste") {
            const FitClassRange before = Main().Range();
            performer_.PasteCallout(rest);
            // A callout beyond the range switches it: from then on the dump shows the range.
            if (Main().Range() != before) extended_ = true;
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
        const ControlKind kind = Require(Main().Controls(), id, *this).kind;
        if (kind != ControlKind::Slider && kind != ControlKind::ScrollBar)
            Fail("control " + std::to_string(id) + " is not a slider or a scroll bar");
        if (text.empty()) Fail("chars takes a control ID, the characters and optionally a time");
        if (!timeText.empty()) charsTimeMs_ = Number(timeText, "a time in milliseconds", kDecimal);
        FocusControl(Pane::Main, id);
        for (std::size_t i = 0; i < text.size();) {
            const std::size_t length = KeystrokeAt(text, i);
            performer_.ClassChars(id, text.substr(i, length), charsTimeMs_);
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
            performer_.SetFullRange(value == "on");
        } else if (name == "zone-diagram") {
            performer_.SetZoneDiagram(value == "on");
        } else {
            Fail("unknown option " + Quoted(name));
        }
        extended_ = true;
    }

    // ---- the callout as a drawing writes it ----
    // "option callout-style class|class-deviations|deviations|limits" and
    // "option diameter-sign phi|dia|none"; false for any other option.
    bool CalloutOptionEvent(std::string_view name, std::string_view value) {
        CalloutOptions options = Main().CalloutChoice();
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
        performer_.SetCalloutOptions(options);
        extended_ = true;
        calloutUsed_ = true;
        return true;
    }

    void AppendCalloutOptions(std::string& out) const {
        out += ",\"callout\":{\"style\":\"";
        out += CalloutStyleName(Main().CalloutChoice().style);
        out += "\",\"diameterSign\":\"";
        out += DiameterSignName(Main().CalloutChoice().sign);
        out += "\"}";
    }
    // ---- end of the callout ----

    void DialogEvent(std::string_view line) {
        const auto [verb, rest] = SplitWord(line);
        if (EditEvent(Pane::CopyDialog, verb, rest)) return;
        if (verb == "click") return ClickEvent(Pane::CopyDialog, rest);
        if (verb == "focus") return FocusControl(Pane::CopyDialog, ControlId(rest));
        if (verb == "key") {
            if (rest == "enter") return performer_.Key(Pane::CopyDialog, ReplayKey::Enter);
            if (rest == "escape") return performer_.Key(Pane::CopyDialog, ReplayKey::Escape);
            Fail("unknown key " + Quoted(rest) + " in the copy dialog");
        }
        Fail("unknown copy dialog event " + Quoted(verb));
    }

    // The events of the non-modal finder dialog, "fnd ..." (the prefix removed).
    void FinderEvent(std::string_view line) {
        if (Main().Ended()) Fail("the main window has ended");
        if (performer_.Finder() == nullptr) Fail("no finder dialog is open");
        const auto [verb, rest] = SplitWord(line);
        if (EditEvent(Pane::Finder, verb, rest)) return;
        if (verb == "click") return ClickEvent(Pane::Finder, rest);
        if (verb == "focus") return FocusControl(Pane::Finder, ControlId(rest));
        if (verb == "choose") {
            const long long row = Number(rest, "a row number", kDecimal);
            const auto& rows = performer_.Finder()->Rows();
            if (row >= static_cast<long long>(rows.size())) Fail("no row " + std::to_string(row));
            if (!rows[static_cast<std::size_t>(row)].fit)
                Fail("row " + std::to_string(row) + " holds no pair");
            return performer_.ChooseRow(static_cast<int>(row));
        }
        if (verb == "close" && rest.empty()) return performer_.CloseFinder();
        Fail("unknown finder event " + Quoted(verb));
    }

    // ---- the joint's and the operating conditions' dialogs ----
    bool CompanionOpen(Pane pane) const {
        return pane == Pane::PressFit ? performer_.PressFit() != nullptr : performer_.Service() != nullptr;
    }

    // The events of a non-modal dialog beside the main window, its prefix
    // removed; `name` says which in a refusal.
    void CompanionEvent(Pane pane, std::string_view line, const std::string& name) {
        if (performer_.Main().Ended()) Fail("the main window has ended");
        if (!CompanionOpen(pane)) Fail("no " + name + " dialog is open");
        const auto [verb, rest] = SplitWord(line);
        if (EditEvent(pane, verb, rest)) return;
        if (verb == "click") return ClickEvent(pane, rest);
        if (verb == "focus") return FocusControl(pane, ControlId(rest));
        if (verb == "scroll") {
            const auto [idText, codeText] = SplitWord(rest);
            const int id = ControlId(idText);
            if (Require(ControlsOf(pane), id, *this).kind != ControlKind::ScrollBar)
                Fail("control " + std::to_string(id) + " is not a scroll bar");
            if (codeText != "up" && codeText != "down") Fail("scroll takes up or down");
            FocusControl(pane, id);
            performer_.Scroll(pane, id, codeText == "up" ? ScrollCode::LineUp : ScrollCode::LineDown);
            performer_.Scroll(pane, id, ScrollCode::EndScroll);
            return;
        }
        if (verb == "close" && rest.empty()) return performer_.CloseCompanion(pane);
        Fail("unknown " + name + " event " + Quoted(verb));
    }

    // `"name":null` while the dialog is closed, else its controls and focus.
    void AppendCompanion(std::string& out, std::string_view name, Pane pane) const {
        out += ",\"";
        out += name;
        out += "\":";
        if (!CompanionOpen(pane)) {
            out += "null";
            return;
        }
        out += "{\"controls\":";
        AppendControls(out, performer_.Shown(pane), true);
        out += ",\"focus\":" + std::to_string(performer_.ShownFocus(pane)) + "}";
    }

    // Opens the dialog (nothing more when it is open).
    void OpenCompanion(Pane pane, std::string_view rest, const char* verb) {
        if (rest != "open") Fail(std::string(verb) + " takes open");
        if (!CompanionOpen(pane)) performer_.OpenCompanion(pane);
    }
    // ---- end of the two dialogs ----

    void Dump() {
        std::string out = "{\"controls\":";
        AppendControls(out, performer_.Shown(Pane::Main), extended_);
        out += ",\"focus\":" + std::to_string(performer_.ShownFocus(Pane::Main)) + ",\"fitColors\":";
        if (const auto colors = performer_.ShownFitColors()) {
            out += "{\"text\":\"" + HexColour(colors->text) + "\",\"background\":\"" +
                   HexColour(colors->background) + "\"}";
        } else {
            out += "null";
        }
        out += ",\"log\":[";
        const std::vector<RecordingHost::Request> log = performer_.TakeLog();
        for (std::size_t i = 0; i < log.size(); ++i) {
            if (i > 0) out += ',';
            AppendRequest(out, log[i]);
        }
        out += "],\"copyDialog\":";
        if (performer_.CopyDialog() != nullptr) {
            out += "{\"controls\":";
            // The joint's check box from the first `press` event on, the
            // operating conditions' from the first `service` event on.
            AppendControls(out, performer_.Shown(Pane::CopyDialog),
                           extended_ || calloutUsed_ || pressFitUsed_ || serviceUsed_,
                           {pressFitUsed_ ? kNoId : copy_dialog::kIncludePressFit,
                            serviceUsed_ ? kNoId : copy_dialog::kIncludeService});
            out += ",\"focus\":" + std::to_string(performer_.ShownFocus(Pane::CopyDialog)) + "}";
        } else {
            out += "null";
        }
        out += ",\"ended\":";
        if (!Main().Ended()) {
            out += "null";
        } else {
            out += *Main().Ended() == EndResult::Ok ? "\"ok\"" : "\"cancel\"";
        }
        if (extended_) {
            out += performer_.ShownFullRange() ? ",\"fullRange\":true" : ",\"fullRange\":false";
            out += ",\"zoneDiagram\":";
            if (performer_.ShownZoneDiagram()) {
                AppendZoneScene(out, Main().Zones());
            } else {
                out += "null";
            }
        }
        if (finderUsed_) AppendFinder(out);
        if (calloutUsed_) AppendCalloutOptions(out);
        if (pressFitUsed_) AppendCompanion(out, "pressFit", Pane::PressFit);
        if (serviceUsed_) AppendCompanion(out, "service", Pane::Service);
        out += "}\n";
        out_ << out;
    }

    void AppendFinder(std::string& out) const {
        out += ",\"finder\":";
        if (performer_.Finder() == nullptr) {
            out += "null";
            return;
        }
        out += "{\"controls\":";
        AppendControls(out, performer_.Shown(Pane::Finder), true);
        out += ",\"rows\":[";
        bool first = true;
        for (const ShownRow& row : performer_.ShownRows()) {
            if (!first) out += ',';
            first = false;
            out += "{\"text\":";
            json::AppendString(out, row.text);
            out += row.choosable ? ",\"choosable\":true}" : ",\"choosable\":false}";
        }
        out += "],\"focus\":" + std::to_string(performer_.ShownFocus(Pane::Finder)) + "}";
    }

    std::istream& script_;
    std::ostream& out_;
    Performer& performer_;
    long long lineNumber_ = 0;
    bool extended_ = false;      // an `option` event has come
    bool finderUsed_ = false;    // a `finder` event has come
    bool calloutUsed_ = false;   // a callout option or a `copy-callout` event has come
    long long charsTimeMs_ = 0;  // the time of the last `chars` event
    bool pressFitUsed_ = false;  // a `press` event has come
    bool serviceUsed_ = false;   // a `service` event has come
};

}  // namespace

int RunReplay(std::istream& script, std::ostream& out, std::ostream& errors, const HelpSearch& help) {
    ModelPerformer performer(help);
    return RunReplay(script, out, errors, performer);
}

int RunReplay(std::istream& script, std::ostream& out, std::ostream& errors, Performer& performer) {
    std::unique_ptr<Runner> runner;
    try {
        runner = std::make_unique<Runner>(script, out, performer);
        runner->Run();
    } catch (const ScriptError& error) {
        out.flush();
        errors << "tolvo-replay: line " << runner->LineNumber() << ": " << error.what() << '\n';
        return 2;
    } catch (const NotPerformed& missing) {
        out.flush();
        errors << "tolvo-replay: line " << runner->LineNumber()
               << ": not done in this window: " << missing.what() << '\n';
        return 3;
    } catch (const EndOfScript&) {
        // the script ended with the copy dialog open: nothing more happens
    }
    out.flush();
    return 0;
}

int RunReplayFile(const std::filesystem::path& script, std::ostream& out, std::ostream& errors,
                  const HelpSearch& help) {
    ModelPerformer performer(help);
    return RunReplayFile(script, out, errors, performer);
}

int RunReplayFile(const std::filesystem::path& script, std::ostream& out, std::ostream& errors,
                  Performer& performer) {
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
    return RunReplay(in, out, errors, performer);
}

}  // namespace tolvo
