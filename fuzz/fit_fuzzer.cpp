// Fuzzes tolvo-fit's command lines and batch lines: the first line of the
// input is a command line (words split at blanks), every further line a batch
// query. Whatever they hold, the parser answers a value or one short printable
// line of UTF-8; every query, search (--find), measured-parts check
// (--measured) and joint (--press) it accepts evaluates to a result or such
// an error; a success always writes something, every JSON output is one
// line of strict JSON, and no output nor the zone diagram's SVG holds an
// infinity or a NaN.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/zone_svg.h"
#include "tests/replay/strict_json.h"
#include "tools/fit/find.h"
#include "tools/fit/notation.h"
#include "tools/fit/press.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"
#include "tools/fit/writers.h"

namespace tolvo::fit {
namespace {

[[noreturn]] void Broken(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s: %.*s\n", what,
                 static_cast<int>(std::min<std::size_t>(detail.size(), 300)), detail.data());
    std::abort();
}

void CheckError(const Error& error) {
    constexpr std::size_t kLongest = 300;
    const std::string& m = error.message;
    if (m.empty() || m.size() > kLongest || !strict_json::IsUtf8(m)) Broken("an error is not short UTF-8", m);
    for (const char c : m) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            Broken("an error holds a control character", m);
    }
}

// What C's printf writes for an infinity or a NaN. No output quotes the
// user's input (only errors do), and none of their words holds these letters.
bool HoldsNonFinite(std::string_view text) {
    return text.find("inf") != std::string_view::npos || text.find("nan") != std::string_view::npos;
}

// A text output: something written, in UTF-8, ended by a line break.
void CheckText(const char* what, std::string_view text) {
    if (text.empty() || text.back() != '\n' || !strict_json::IsUtf8(text) || HoldsNonFinite(text))
        Broken(what, text);
}

void CheckJsonLine(const char* what, std::string_view json) {
    CheckText(what, json);
    if (json.find('\n') != json.size() - 1 || !strict_json::IsJson(json.substr(0, json.size() - 1)))
        Broken(what, json);
}

// The zone diagram as --svg writes it.
void CheckSvg(const Result& r) {
    const std::string svg = WriteZoneSvg(BuildZoneScene(DiagramInput(r)));
    if (!svg.starts_with("<svg") && !svg.starts_with("<?xml")) Broken("the diagram is no SVG", svg);
    CheckText("the diagram's SVG is broken", svg);
}

// Far fewer than the million the tool accepts, so that each input stays quick.
constexpr std::size_t kMostCheckedPairs = 2000;

void CheckMeasured(const Result& r, const MeasuredOptions& measured) {
    if (measured.holeTexts.size() * measured.shaftTexts.size() > kMostCheckedPairs) return;
    const auto report = CheckParts(r, measured);
    if (const auto* e = std::get_if<Error>(&report)) return CheckError(*e);
    const MeasuredReport& m = std::get<MeasuredReport>(report);
    std::string json;
    const bool jsonGood = WriteMeasuredJson(m, [&](std::string_view piece) { json += piece; });
    CheckJsonLine("a measured check is not one line of JSON", json);
    for (Language language : {Language::Japanese, Language::English}) {
        std::string text;
        const bool textGood = WriteMeasuredText(m, language, [&](std::string_view piece) { text += piece; });
        CheckText("a measured check's text is broken", text);
        if (textGood != jsonGood) Broken("the verdicts of text and JSON differ", text);
    }
}

// Every style's callouts of a result, as text and JSON (--notation all).
void CheckNotation(const Result& r) {
    Options options;
    options.notation.assign(CalloutStyles().begin(), CalloutStyles().end());
    for (bool json : {false, true}) {
        options.json = json;
        const auto written = WriteNotation(r, options);
        if (const auto* e = std::get_if<Error>(&written)) return CheckError(*e);
        const std::string& out = std::get<std::string>(written);
        if (json) {
            CheckJsonLine("the callouts are not one line of JSON", out);
        } else {
            CheckText("the callouts' text is broken", out);
        }
    }
}

void CheckQuery(const std::variant<Query, Error>& parsed, const MeasuredOptions* measured = nullptr) {
    if (const auto* e = std::get_if<Error>(&parsed)) return CheckError(*e);
    const auto result = Evaluate(std::get<Query>(parsed));
    if (const auto* e = std::get_if<Error>(&result)) return CheckError(*e);
    const Result& r = std::get<Result>(result);
    CheckJsonLine("a result is not one line of JSON", WriteJson(r));
    for (Language language : {Language::Japanese, Language::English}) {
        const std::string line = WriteTextLine(r, language);
        if (line.find('\n') != line.size() - 1) Broken("a text line is broken", line);
        CheckText("a text line is broken", line);
        CheckText("a text is broken", WriteText(r, language));
    }
    CheckSvg(r);
    CheckNotation(r);
    if (measured && measured->given) CheckMeasured(r, *measured);
}

// A search lists at most this many fits here ("--limit 0" lists all of a
// search that may meet over a hundred thousand).
constexpr std::size_t kMostListedFits = 200;

void CheckFind(const Options& options) {
    const auto report = Find(options);
    if (const auto* e = std::get_if<Error>(&report)) return CheckError(*e);
    const FindReport& r = std::get<FindReport>(report);
    const std::size_t limit =
        options.find.limit == 0 ? kMostListedFits : std::min(options.find.limit, kMostListedFits);
    CheckJsonLine("a search is not one line of JSON", WriteFindJson(r, limit));
    for (Language language : {Language::Japanese, Language::English})
        CheckText("a search's text is broken", WriteFindText(r, language, limit));
}

void CheckPress(const Options& options) {
    const auto report = EvaluatePress(options);
    if (const auto* e = std::get_if<Error>(&report)) return CheckError(*e);
    const PressReport& r = std::get<PressReport>(report);
    CheckJsonLine("a joint is not one line of JSON", WritePressJson(r));
    for (Language language : {Language::Japanese, Language::English})
        CheckText("a joint's text is broken", WritePressText(r, language));
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        const std::size_t end = std::min(line.find(' ', i), line.size());
        if (end > i) words.push_back(line.substr(i, end - i));
        i = end + 1;
    }
    return words;
}

}  // namespace
}  // namespace tolvo::fit

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tolvo::fit;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t firstEnd = std::min(input.find('\n'), input.size());
    const std::vector<std::string_view> args = Words(input.substr(0, firstEnd));
    const auto options = ParseCommandLine(args);
    if (const auto* e = std::get_if<Error>(&options)) {
        CheckError(*e);
    } else if (const Options& o = std::get<Options>(options); o.action == Action::Query) {
        CheckQuery(ParseQuery(std::span<const std::string>(o.words)), &o.measured);
    } else if (o.action == Action::Find) {
        CheckFind(o);
    } else if (o.action == Action::Press) {
        CheckPress(o);
    }
    std::size_t start = firstEnd + 1;
    while (start < input.size()) {
        const std::size_t end = std::min(input.find('\n', start), input.size());
        const std::string_view line = input.substr(start, end - start);
        if (!IsSkippedLine(line)) CheckQuery(ParseQueryLine(line));
        start = end + 1;
    }
    return 0;
}
