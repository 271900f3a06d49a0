#include "tools/fit/query.h"

#include <array>
#include <optional>

#include "core/general_table.h"
#include "core/utf8.h"
#include "tools/fit/texts.h"

namespace tolvo::fit {
namespace {

// JIS B0405's letters of the four general classes, in GeneralClass order.
constexpr std::array<std::string_view, kGeneralClassCount> kGeneralLetters = {"f", "m", "c", "v"};
// Written before a general class on a side, so that "m" is never read as a letter.
constexpr std::string_view kGeneralPrefix = "GEN:";
constexpr std::size_t kQuotedMaximum = 40;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r';
}

std::string_view FeatureName(FeatureKind kind) {
    return kind == FeatureKind::Hole ? "hole" : "shaft";
}

FeatureKind Other(FeatureKind kind) {
    return kind == FeatureKind::Hole ? FeatureKind::Shaft : FeatureKind::Hole;
}

std::variant<Side, Error> ParseGeneralSide(FeatureKind kind, std::string_view text) {
    const std::string_view name = text.substr(kGeneralPrefix.size());
    for (int c = 0; c < kGeneralClassCount; ++c) {
        if (name == kGeneralLetters[c] || name == GeneralClassName(c)) {
            Side side;
            side.kind = SideKind::General;
            side.generalClass = c;
            return side;
        }
    }
    return Error{std::string(FeatureName(kind)) + " class \"" + Quoted(text) +
                 std::string(en::kNotAGeneralClass)};
}

std::variant<Side, Error> ParseFreeSide(FeatureKind kind, std::string_view text) {
    const std::size_t comma = text.find(',');
    const std::string_view first = text.substr(0, comma);
    const std::string_view second = text.substr(comma + 1);
    for (std::string_view part : {first, second}) {
        if (!IsWholeNumber(part)) {
            return Error{std::string(FeatureName(kind)) + " deviations \"" + Quoted(text) + "\": \"" +
                         Quoted(part) + "\" is not a number in mm (write them as +0.02,-0.01)"};
        }
    }
    Side side;
    side.kind = SideKind::Free;
    side.firstText = std::string(first);
    side.secondText = std::string(second);
    return side;
}

// The ISO class the text names when its case is the other feature's ("h7"
// before the slash): the class in the case of the given feature.
std::optional<std::string> OtherCaseClass(FeatureKind kind, std::string_view text) {
    const std::optional<iso286::ToleranceClass> parsed = iso286::ParseClassName(text);
    if (!parsed || parsed->kind == kind) return std::nullopt;
    return iso286::FormatClassName({kind, parsed->letterIndex, parsed->gradeIndex});
}

constexpr std::string_view kCaseRule = "a hole class is upper case and a shaft class lower case";

// Case carries the side: "H7" is a hole class, "h7" a shaft class, and a
// class in the other feature's case is refused rather than read as another
// class.
std::variant<Side, Error> ParseIsoSide(FeatureKind kind, std::string_view text) {
    if (const std::optional<std::string> corrected = OtherCaseClass(kind, text)) {
        return Error{std::string(FeatureName(kind)) + " class \"" + Quoted(text) + "\" is a " +
                     std::string(FeatureName(Other(kind))) + " class: " + std::string(kCaseRule) + " (the " +
                     std::string(FeatureName(kind)) + " " + *corrected + ")"};
    }
    const std::optional<iso286::ToleranceClass> parsed = iso286::ParseClassName(text);
    if (!parsed) {
        return Error{
            std::string(FeatureName(kind)) + " class \"" + Quoted(text) +
            "\" is not an ISO 286 class (a letter A to ZC and a grade 01 to 18, as H7), a general class "
            "(GEN:m) or deviations (+0.02,-0.01)"};
    }
    Side side;
    side.kind = SideKind::IsoClass;
    side.isoClass = *parsed;
    return side;
}

// HOLE/SHAFT with a side in the other feature's case: which side is which,
// and the pair corrected (the sides swapped, when that is what was meant).
std::optional<Error> PairCaseError(std::string_view hole, std::string_view shaft) {
    const std::optional<std::string> holeCorrected = OtherCaseClass(FeatureKind::Hole, hole);
    const std::optional<std::string> shaftCorrected = OtherCaseClass(FeatureKind::Shaft, shaft);
    if (!holeCorrected && !shaftCorrected) return std::nullopt;
    const std::string pair = std::string(hole) + "/" + std::string(shaft);
    std::string message = "\"" + Quoted(pair) + "\": " + std::string(kCaseRule) + " (HOLE/SHAFT): ";
    if (holeCorrected && shaftCorrected) {
        return Error{message + std::string(shaft) + "/" + std::string(hole) + " swaps the sides, " +
                     *holeCorrected + "/" + *shaftCorrected + " keeps them"};
    }
    // The side kept as written is quoted: it may hold anything.
    const std::string corrected = (holeCorrected ? *holeCorrected : Quoted(hole)) + "/" +
                                  (shaftCorrected ? *shaftCorrected : Quoted(shaft));
    return Error{message + corrected};
}

std::variant<Query, Error> ParseWords(std::span<const std::string_view> words) {
    if (words.size() < 2) return Error{"a query is SIZE HOLE/SHAFT [SHAFT_SIZE], as 25 H7/g6"};
    if (words.size() > 3) return Error{"too many words after SHAFT_SIZE: \"" + Quoted(words[3]) + "\""};
    Query query;
    if (!IsWholeNumber(words[0])) return Error{"size \"" + Quoted(words[0]) + "\" is not a number in mm"};
    query.holeSizeText = std::string(words[0]);
    query.shaftSizeText = query.holeSizeText;
    if (words.size() == 3) {
        if (!IsWholeNumber(words[2])) {
            return Error{"shaft size \"" + Quoted(words[2]) + "\" is not a number in mm"};
        }
        query.shaftSizeText = std::string(words[2]);
    }
    const std::string_view pair = words[1];
    const std::size_t slash = pair.find('/');
    if (slash == std::string_view::npos || pair.find('/', slash + 1) != std::string_view::npos) {
        return Error{"\"" + Quoted(pair) +
                     "\" is not HOLE/SHAFT (one slash between the two sides, as H7/g6)"};
    }
    if (auto error = PairCaseError(pair.substr(0, slash), pair.substr(slash + 1))) return *error;
    auto hole = ParseSide(FeatureKind::Hole, pair.substr(0, slash));
    if (auto* e = std::get_if<Error>(&hole)) return *e;
    auto shaft = ParseSide(FeatureKind::Shaft, pair.substr(slash + 1));
    if (auto* e = std::get_if<Error>(&shaft)) return *e;
    query.hole = std::get<Side>(std::move(hole));
    query.shaft = std::get<Side>(std::move(shaft));
    return query;
}

}  // namespace

std::variant<Side, Error> ParseSide(FeatureKind kind, std::string_view text) {
    if (text.empty()) return Error{"the " + std::string(FeatureName(kind)) + " side of HOLE/SHAFT is empty"};
    if (text.starts_with(kGeneralPrefix)) return ParseGeneralSide(kind, text);
    if (text.find(',') != std::string_view::npos) return ParseFreeSide(kind, text);
    return ParseIsoSide(kind, text);
}

bool IsWholeNumber(std::string_view text) {
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    std::size_t digits = 0;
    while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && IsDigit(text[i])) ++i, ++digits;
    }
    if (digits == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        std::size_t exponentDigits = 0;
        while (i < text.size() && IsDigit(text[i])) ++i, ++exponentDigits;
        if (exponentDigits == 0) return false;
    }
    return i == text.size();
}

std::string Quoted(std::string_view text) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size() && out.size() < kQuotedMaximum) {
        const utf8::Sequence s = utf8::Decode(text, i);
        // '?' for a control character or a byte that is not UTF-8
        const bool printable = s.wellFormed && s.code >= 0x20 && s.code != 0x7F;
        out += printable ? text.substr(i, s.length) : "?";
        i += s.length;
    }
    return i < text.size() ? out + "..." : out;
}

std::variant<Query, Error> ParseQuery(std::span<const std::string_view> words) {
    return ParseWords(words);
}

std::variant<Query, Error> ParseQuery(std::span<const std::string> words) {
    std::vector<std::string_view> views(words.begin(), words.end());
    return ParseWords(views);
}

bool IsSkippedLine(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size() && IsBlank(line[i])) ++i;
    return i == line.size() || line[i] == '#';
}

std::variant<Query, Error> ParseQueryLine(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && IsBlank(line[i])) ++i;
        const std::size_t start = i;
        while (i < line.size() && !IsBlank(line[i])) ++i;
        if (i > start) words.push_back(line.substr(start, i - start));
    }
    return ParseWords(words);
}

}  // namespace tolvo::fit
