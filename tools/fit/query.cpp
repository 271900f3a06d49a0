#include "tools/fit/query.h"

#include <array>
#include <optional>

#include "core/general_table.h"
#include "core/utf8.h"

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
                 "\" is not a general class (GEN:f, GEN:m, GEN:c, GEN:v or GEN:精級, GEN:中級, GEN:粗級, "
                 "GEN:極粗級)"};
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

// The side says which feature it is, so its letters are read in that
// feature's case: "js5" before the slash is the hole JS5.
std::variant<Side, Error> ParseIsoSide(FeatureKind kind, std::string_view text) {
    std::string name(text);
    for (char& c : name) {
        if (kind == FeatureKind::Hole && c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (kind == FeatureKind::Shaft && c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    const std::optional<iso286::ToleranceClass> parsed = iso286::ParseClassName(name);
    if (!parsed || parsed->kind != kind) {
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
    auto hole = ParseSide(FeatureKind::Hole, pair.substr(0, slash));
    if (auto* e = std::get_if<Error>(&hole)) return *e;
    auto shaft = ParseSide(FeatureKind::Shaft, pair.substr(slash + 1));
    if (auto* e = std::get_if<Error>(&shaft)) return *e;
    query.hole = std::get<Side>(std::move(hole));
    query.shaft = std::get<Side>(std::move(shaft));
    return query;
}

// The value after an option; an error naming what it needs when there is none.
std::optional<std::string_view> NextValue(std::span<const std::string_view> args, std::size_t& i) {
    if (i + 1 == args.size()) return std::nullopt;
    return args[++i];
}

// --basis, --hole, --shaft, --full-range, --limit. None: not one of them; an
// empty message: read.
std::optional<Error> ParseFindOption(std::span<const std::string_view> args, std::size_t& i,
                                     FindOptions& find) {
    const std::string_view arg = args[i];
    if (arg == "--full-range") {
        find.fullRange = true;
        return Error{};
    }
    if (arg == "--basis") {
        const auto value = NextValue(args, i);
        if (value == "hole") {
            find.basis = FitBasis::Hole;
        } else if (value == "shaft") {
            find.basis = FitBasis::Shaft;
        } else if (value == "any") {
            find.basis = FitBasis::Any;
        } else {
            return Error{"--basis needs hole, shaft or any" +
                         (value ? ", not \"" + Quoted(*value) + "\"" : "")};
        }
        return Error{};
    }
    if (arg == "--hole" || arg == "--shaft") {
        const auto value = NextValue(args, i);
        if (!value) return Error{std::string(arg) + " needs a class: H7, GEN:m or +0.02,-0.01"};
        (arg == "--hole" ? find.holeText : find.shaftText) = std::string(*value);
        return Error{};
    }
    if (arg == "--limit") {
        const auto value = NextValue(args, i);
        std::size_t n = 0;
        bool digits = value && !value->empty() && value->size() <= 9;
        for (char c : value.value_or("")) {
            digits = digits && IsDigit(c);
            if (digits) n = n * 10 + static_cast<std::size_t>(c - '0');
        }
        if (!digits || n == 0) {
            return Error{"--limit needs a whole number of fits, 1 or more" +
                         (value ? ", not \"" + Quoted(*value) + "\"" : "")};
        }
        find.limit = n;
        return Error{};
    }
    return std::nullopt;
}

// Numbers in mm separated by commas: "25.012,25.015".
std::optional<std::vector<std::string>> NumberList(std::string_view text) {
    std::vector<std::string> numbers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        const std::string_view part =
            text.substr(start, comma == std::string_view::npos ? comma : comma - start);
        if (!IsWholeNumber(part)) return std::nullopt;
        numbers.emplace_back(part);
        if (comma == std::string_view::npos) return numbers;
        start = comma + 1;
    }
}

// --measured HOLE[,HOLE...] SHAFT[,SHAFT...] and --want MIN MAX, as --find's.
std::optional<Error> ParseMeasuredOption(std::span<const std::string_view> args, std::size_t& i,
                                         MeasuredOptions& measured) {
    const std::string_view arg = args[i];
    if (arg == "--measured") {
        const auto holes = NextValue(args, i);
        const auto shafts = NextValue(args, i);
        if (!shafts) return Error{"--measured needs the measured holes and shafts in mm, as 25.012 24.985"};
        auto holeList = NumberList(*holes);
        auto shaftList = NumberList(*shafts);
        if (!holeList || !shaftList) {
            return Error{"--measured \"" + Quoted(holeList ? *shafts : *holes) +
                         "\" is not a list of sizes in mm (25.012 or 25.012,25.015)"};
        }
        measured.given = true;
        measured.holeTexts = std::move(*holeList);
        measured.shaftTexts = std::move(*shaftList);
        return Error{};
    }
    if (arg == "--want") {
        const auto min = NextValue(args, i);
        const auto max = NextValue(args, i);
        if (!max) return Error{"--want needs the wanted clearance in mm, MIN MAX, as 0.010 0.040"};
        for (std::string_view v : {*min, *max}) {
            if (!IsWholeNumber(v)) return Error{"--want \"" + Quoted(v) + "\" is not a clearance in mm"};
        }
        measured.wantMinText = std::string(*min);
        measured.wantMaxText = std::string(*max);
        return Error{};
    }
    return std::nullopt;
}

// SIZE MIN MAX after --find, each a number.
std::variant<Options, Error> CheckFindWords(const Options& options) {
    if (options.words.size() != 3) {
        return Error{"a search is --find SIZE MIN MAX (mm, a clearance range), as --find 25 0.010 0.040"};
    }
    const char* names[] = {"size", "minimum clearance", "maximum clearance"};
    for (std::size_t k = 0; k < 3; ++k) {
        if (!IsWholeNumber(options.words[k])) {
            return Error{std::string(names[k]) + " \"" + Quoted(options.words[k]) +
                         "\" is not a number in mm"};
        }
    }
    return options;
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

std::variant<Options, Error> ParseCommandLine(std::span<const std::string_view> args) {
    Options options;
    bool batch = false;
    bool table = false;
    bool find = false;
    bool want = false;
    std::string findOption;  // the last option that only --find takes
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        const bool isOption = !optionsEnded && arg.starts_with("--");
        if (!isOption && !(!optionsEnded && arg == "-h")) {
            options.words.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            options.action = Action::Help;
            return options;
        } else if (arg == "--version") {
            options.action = Action::Version;
            return options;
        } else if (arg == "--json") {
            options.json = true;
        } else if (arg == "--table") {
            table = true;
        } else if (arg == "--lang" || arg.starts_with("--lang=")) {
            std::string_view value;
            if (arg == "--lang") {
                if (i + 1 == args.size()) return Error{"--lang needs a language: en or ja"};
                value = args[++i];
            } else {
                value = arg.substr(7);
            }
            if (value == "en") {
                options.language = Language::English;
            } else if (value == "ja") {
                options.language = Language::Japanese;
            } else {
                return Error{"--lang \"" + Quoted(value) + "\" is not a language: en or ja"};
            }
        } else if (arg == "--svg") {
            if (i + 1 == args.size() || args[i + 1].empty()) return Error{"--svg needs a file"};
            options.svgFile = std::string(args[++i]);
        } else if (arg == "--batch") {
            if (i + 1 == args.size()) return Error{"--batch needs a file, or - for standard input"};
            batch = true;
            options.batchFile = std::string(args[++i]);
        } else if (arg == "--find") {
            find = true;
        } else if (auto findError = ParseFindOption(args, i, options.find)) {
            if (!findError->message.empty()) return *findError;
            findOption = std::string(arg);
        } else if (auto measuredError = ParseMeasuredOption(args, i, options.measured)) {
            if (!measuredError->message.empty()) return *measuredError;
            if (arg == "--want") want = true;
        } else {
            return Error{"unknown option \"" + Quoted(arg) + "\" (see --help)"};
        }
    }
    if (find && (batch || table))
        return Error{std::string(batch ? "--batch" : "--table") + " and --find cannot be used together"};
    if (!find && !findOption.empty()) return Error{findOption + " is used with --find SIZE MIN MAX"};
    if (want && !options.measured.given) return Error{"--want is used with --measured"};
    if (options.measured.given && (find || batch || table)) {
        return Error{"--measured is used with one query: SIZE HOLE/SHAFT --measured HOLE SHAFT"};
    }
    if (find) {
        options.action = Action::Find;
        return CheckFindWords(options);
    }
    if (batch && table) return Error{"--batch and --table cannot be used together"};
    if ((batch || table) && !options.words.empty()) {
        return Error{std::string(batch ? "--batch" : "--table") + " takes no query: \"" +
                     Quoted(options.words.front()) + "\""};
    }
    if ((batch || table) && !options.svgFile.empty()) {
        return Error{std::string(batch ? "--batch" : "--table") + " and --svg cannot be used together"};
    }
    if (batch) {
        options.action = Action::Batch;
    } else if (table) {
        options.action = Action::Table;
    } else if (options.words.empty()) {
        return Error{"missing SIZE HOLE/SHAFT, as 25 H7/g6 (see --help)"};
    }
    return options;
}

}  // namespace tolvo::fit
