#include "tools/fit/options.h"

#include <array>
#include <cmath>
#include <vector>

#include "core/materials.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "tools/fit/notation.h"
#include "tools/fit/press.h"
#include "tools/fit/service.h"
#include "tools/fit/sheet.h"
#include "tools/fit/texts.h"

namespace tolvo::fit {
namespace {

// --help's layout: an option's help begins in this column and lines end
// before the last.
constexpr std::size_t kHelpColumn = 17;
constexpr std::size_t kHelpWidth = 80;

// "--basis needs hole, shaft or any", and what was given instead when it was.
Error Needs(const OptionSpec& option, std::optional<std::string_view> given = std::nullopt) {
    if (given) return Error{FillIn(en::kNeedsNotGiven, {option.name, option.needs, Quoted(*given)})};
    return Error{FillIn(en::kNeeds, {option.name, option.needs})};
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

using Values = std::span<const std::string_view>;

// A clearance in mm within the magnitudes sizes are compared in.
bool IsClearanceInRange(std::string_view text) {
    return std::fabs(ParseNumber(text)) <= kLargestMagnitude;
}

std::optional<Error> ReadJson(const OptionSpec&, Values, Options& options) {
    options.json = true;
    return std::nullopt;
}

std::optional<Error> ReadLanguage(const OptionSpec& option, Values values, Options& options) {
    if (values[0] == "en") {
        options.language = Language::English;
    } else if (values[0] == "ja") {
        options.language = Language::Japanese;
    } else {
        return Error{FillIn(en::kNotALanguage, {option.name, Quoted(values[0])})};
    }
    return std::nullopt;
}

std::optional<Error> ReadSvg(const OptionSpec& option, Values values, Options& options) {
    if (values[0].empty()) return Needs(option);
    options.svgFile = std::string(values[0]);
    return std::nullopt;
}

std::optional<Error> ReadBatch(const OptionSpec&, Values values, Options& options) {
    options.batchFile = std::string(values[0]);
    return std::nullopt;
}

std::optional<Error> ReadBasis(const OptionSpec& option, Values values, Options& options) {
    if (values[0] == "hole") {
        options.find.basis = FitBasis::Hole;
    } else if (values[0] == "shaft") {
        options.find.basis = FitBasis::Shaft;
    } else if (values[0] == "any") {
        options.find.basis = FitBasis::Any;
    } else {
        return Needs(option, values[0]);
    }
    return std::nullopt;
}

std::optional<Error> ReadFixedHole(const OptionSpec& option, Values values, Options& options) {
    if (values[0].empty()) return Needs(option);
    options.find.holeText = std::string(values[0]);
    return std::nullopt;
}

std::optional<Error> ReadFixedShaft(const OptionSpec& option, Values values, Options& options) {
    if (values[0].empty()) return Needs(option);
    options.find.shaftText = std::string(values[0]);
    return std::nullopt;
}

std::optional<Error> ReadFullRange(const OptionSpec&, Values, Options& options) {
    options.find.fullRange = true;
    return std::nullopt;
}

std::optional<Error> ReadLimit(const OptionSpec& option, Values values, Options& options) {
    const std::string_view text = values[0];
    std::size_t n = 0;
    bool digits = !text.empty() && text.size() <= 9;
    for (char c : text) {
        digits = digits && c >= '0' && c <= '9';
        if (digits) n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    if (!digits) return Needs(option, text);
    options.find.limit = n;
    return std::nullopt;
}

std::optional<Error> ReadMeasured(const OptionSpec& option, Values values, Options& options) {
    auto holes = NumberList(values[0]);
    auto shafts = NumberList(values[1]);
    if (!holes || !shafts) {
        return Error{FillIn(en::kNotASizeList, {option.name, Quoted(holes ? values[1] : values[0])})};
    }
    for (const std::vector<std::string>* sizes : {&*holes, &*shafts}) {
        for (const std::string& size : *sizes) {
            const double value = ParseNumber(size);
            if (!(value > 0.0 && value <= kLargestMagnitude)) {
                return Error{FillIn(en::kMeasuredSizeOutOfRange, {option.name, Quoted(size)})};
            }
        }
    }
    options.measured.given = true;
    options.measured.holeTexts = std::move(*holes);
    options.measured.shaftTexts = std::move(*shafts);
    return std::nullopt;
}

std::optional<Error> ReadWant(const OptionSpec& option, Values values, Options& options) {
    for (std::string_view v : values) {
        if (!IsWholeNumber(v)) return Error{FillIn(en::kNotAClearance, {option.name, Quoted(v)})};
        if (!IsClearanceInRange(v)) return Error{FillIn(en::kClearanceOutOfRange, {option.name, Quoted(v)})};
    }
    options.measured.wantMinText = std::string(values[0]);
    options.measured.wantMaxText = std::string(values[1]);
    return std::nullopt;
}

// The joint's options (--press): numbers into their fields of PressOptions,
// each a finite number; what else each must be the joint's check says.
template <std::optional<double> PressOptions::*Field>
std::optional<Error> ReadPressNumber(const OptionSpec& option, Values values, Options& options) {
    if (!IsWholeNumber(values[0])) return Needs(option, values[0]);
    const double value = ParseNumber(values[0]);
    if (!std::isfinite(value))
        return Error{FillIn(en::kPressBeyondNumbers, {option.name, Quoted(values[0])})};
    options.press.*Field = value;
    return std::nullopt;
}

std::optional<Error> ReadInterference(const OptionSpec& option, Values values, Options& options) {
    std::optional<double>* ends[] = {&options.press.interferenceMin, &options.press.interferenceMax};
    for (std::size_t k = 0; k < 2; ++k) {
        if (!IsWholeNumber(values[k])) return Needs(option, values[k]);
        const double value = ParseNumber(values[k]);
        if (!std::isfinite(value))
            return Error{FillIn(en::kPressBeyondNumbers, {option.name, Quoted(values[k])})};
        *ends[k] = value;
    }
    return std::nullopt;
}

template <const Material* PressOptions::*Field>
std::optional<Error> ReadPressMaterial(const OptionSpec& option, Values values, Options& options) {
    const Material* material = FindMaterial(values[0]);
    if (!material)
        return Error{FillIn(en::kNotAMaterial, {option.name, Quoted(values[0]), MaterialKeyList()})};
    options.press.*Field = material;
    return std::nullopt;
}

std::optional<Error> ReadSmoothing(const OptionSpec& option, Values values, Options& options) {
    const double k = IsWholeNumber(values[0]) ? ParseNumber(values[0]) : 0.0;
    if (k == SmoothingFactor(Smoothing::Current)) {
        options.press.smoothing = Smoothing::Current;
    } else if (k == SmoothingFactor(Smoothing::Older)) {
        options.press.smoothing = Smoothing::Older;
    } else {
        return Needs(option, values[0]);
    }
    return std::nullopt;
}

using P = PressOptions;

std::optional<Error> ReadHelp(const OptionSpec&, Values, Options& options) {
    options.action = Action::Help;
    return std::nullopt;
}

std::optional<Error> ReadVersion(const OptionSpec&, Values, Options& options) {
    options.action = Action::Version;
    return std::nullopt;
}

static_assert(kDefaultFindLimit == 20, "--limit's help line gives the default");

constexpr ModeSet kQueries = kQueryMode | kMeasuredMode;
// The table has no words to translate, and a callout is written alike in both languages.
constexpr ModeSet kWithText = kEveryMode & ~kTableMode & ~kNotationMode;

// One entry per option: name, argument, the words it reads, the modes it has
// an effect in, the mode it chooses, its handler; then what its value is (for
// "needs ...") and its help line.
// clang-format off
constexpr std::array kOptions = {
    OptionSpec{"--json",       "",               0, kEveryMode,    0,             ReadJson,
               "", "one JSON object per result"},
    OptionSpec{"--lang",       "en|ja",          1, kWithText,     0,             ReadLanguage,
               "a language: en or ja", "text in English or Japanese (the default)"},
    OptionSpec{"--svg",        "FILE",           1, kQueries,      0,             ReadSvg,
               "a file", "also write the tolerance-zone diagram as SVG to FILE"},
    OptionSpec{"--batch",      "FILE",           1, kBatchMode,    kBatchMode,    ReadBatch,
               "a file, or - for standard input",
               "one query per line (- reads standard input); blank lines and # comments are skipped; exit "
               "status 1 when a line failed"},
    OptionSpec{"--table",      "",               0, kTableMode,    kTableMode,    nullptr,
               "", "every cell of the ISO 286 system, one line each"},
    OptionSpec{"--find",       "SIZE MIN MAX",   0, kFindMode,     kFindMode,     nullptr,
               "", "every pair of classes whose clearance lies within MIN..MAX mm (negative: interference), "
               "ranked, commonly used fits (*) first, then the five closest misses"},
    OptionSpec{"--basis",      "hole|shaft|any", 1, kFindMode,     0,             ReadBasis,
               "hole, shaft or any", "H holes only (hole, the default), h shafts only (shaft) or both (any)"},
    OptionSpec{"--hole",       "CLASS",          1, kFindMode,     0,             ReadFixedHole,
               "a class: H7, GEN:m or +0.02,-0.01",
               "the hole is CLASS (H7, GEN:m or +0.02,-0.01); the shafts are searched"},
    OptionSpec{"--shaft",      "CLASS",          1, kFindMode,     0,             ReadFixedShaft,
               "a class: H7, GEN:m or +0.02,-0.01", "the shaft is CLASS; the holes are searched"},
    OptionSpec{"--full-range", "",               0, kFindMode,     0,             ReadFullRange,
               "", "the whole ISO 286 system, not D..P grades 5..12"},
    OptionSpec{"--limit",      "N",              1, kFindMode,     0,             ReadLimit,
               "a whole number of fits, 0 for all", "show the first N fits (20 by default, 0 for all)"},
    OptionSpec{"--measured",   "HOLES SHAFTS",   2, kMeasuredMode, kMeasuredMode, ReadMeasured,
               "the measured holes and shafts in mm, as 25.012 24.985",
               "measured sizes in mm (comma-separated) against the pair's limit sizes, and each pair's "
               "clearance (one to one when as many holes as shafts, else each hole with each shaft), then a "
               "verdict; exit status 0 when every part is within its limits (and every pair meets --want), 1 "
               "otherwise"},
    OptionSpec{"--want",       "MIN MAX",        2, kMeasuredMode | kQueryMode, 0, ReadWant,
               "the wanted clearance in mm, MIN MAX, as 0.010 0.040",
               "mark whether each pair gives a clearance within MIN..MAX mm (with --measured), or the "
               "probability of falling below MIN and above MAX (with --stats)"},
    // The fit in service (tools/fit/service.cpp): at temperature, over a range, as the parts spread.
    OptionSpec{"--hole-material", "NAME",        1, kQueryMode,    0,             ReadHoleMaterial,
               "a material (see --materials)", "the hole's material (--materials lists them)"},
    OptionSpec{"--hole-alpha", "PER_K",          1, kQueryMode,    0,             ReadHoleAlpha,
               "an expansion coefficient in 1/K, as 23.6e-6",
               "the hole's linear expansion coefficient in 1/K, replacing its material's"},
    OptionSpec{"--shaft-alpha", "PER_K",         1, kQueryMode,    0,             ReadShaftAlpha,
               "an expansion coefficient in 1/K, as 11.7e-6",
               "the shaft's linear expansion coefficient in 1/K, replacing its material's"},
    OptionSpec{"--temperature", "T",             1, kQueryMode,    0,             ReadTemperature,
               "a temperature in deg C", "both parts at T deg C (the limits hold at 20 deg C): the fit at temperature"},
    OptionSpec{"--hole-temperature", "T",        1, kQueryMode,    0,             ReadHoleTemperature,
               "a temperature in deg C", "the hole at T deg C (replaces --temperature and --temperature-range for it)"},
    // The fit in service's and the joint's (in service) shaft temperature, one option.
    OptionSpec{"--shaft-temperature", "T",       1, kQueryMode | kPressMode, 0,   ReadShaftTemperature,
               "a temperature in deg C", "the shaft at T deg C (replaces --temperature and --temperature-range for it; "
               "with --press: in service, 20 by default)"},
    OptionSpec{"--temperature-range", "T1 T2",   2, kQueryMode,    0,             ReadTemperatureRange,
               "two temperatures in deg C, as 20 80",
               "both parts together from T1 to T2 deg C: the smallest and largest clearance and where the fit "
               "changes kind"},
    OptionSpec{"--hole-temperature-range", "T1 T2", 2, kQueryMode, 0,             ReadHoleTemperatureRange,
               "two temperatures in deg C, as 20 80",
               "the hole anywhere from T1 to T2 deg C, independently of the shaft"},
    OptionSpec{"--shaft-temperature-range", "T1 T2", 2, kQueryMode, 0,            ReadShaftTemperatureRange,
               "two temperatures in deg C, as 20 80",
               "the shaft anywhere from T1 to T2 deg C, independently of the hole"},
    OptionSpec{"--stats",      "",               0, kQueryMode,    0,             ReadStats,
               "", "the statistical clearance: its mean and sigma, mean +/- 3sigma, the probability of interference and of "
               "clearance (at temperature when one is given)"},
    OptionSpec{"--cp",         "C",              1, kQueryMode,    0,             ReadCp,
               "a process capability Cp, as 1.33", "with --stats: Cp of both parts (sigma = tolerance / (6*Cp); 1 by "
               "default)"},
    OptionSpec{"--hole-cp",    "C",              1, kQueryMode,    0,             ReadHoleCp,
               "a process capability Cp, as 1.33", "with --stats: the hole's Cp"},
    OptionSpec{"--shaft-cp",   "C",              1, kQueryMode,    0,             ReadShaftCp,
               "a process capability Cp, as 1.33", "with --stats: the shaft's Cp"},
    OptionSpec{"--hole-shift", "UM",             1, kQueryMode,    0,             ReadHoleShift,
               "a shift in um, as -2", "with --stats: the hole's sizes centred UM um off the middle of its limits"},
    OptionSpec{"--shaft-shift", "UM",            1, kQueryMode,    0,             ReadShaftShift,
               "a shift in um, as 1.5", "with --stats: the shaft's sizes centred UM um off the middle of its limits"},
    OptionSpec{"--distribution", "normal|uniform", 1, kQueryMode,  0,             ReadDistribution,
               "normal or uniform",
               "with --stats: sizes normally distributed (the default) or uniform over the tolerance / Cp"},
    OptionSpec{"--materials",  "",               0, kMaterialsMode, kMaterialsMode, nullptr,
               "", "the materials table: names, E, nu, alpha, strength and density with their units"},
    // End of the fit in service.
    // The calculation sheet (tools/fit/sheet.h).
    OptionSpec{"--sheet",      "FILE",           1, kQueries,      0,             ReadSheet,
               "a file", "also write the calculation sheet, an A4 page as SVG, to FILE"},
    // ---- the callout as a drawing writes it (notation.h) ----
    OptionSpec{"--notation",   "STYLE",          1, kNotationMode, kNotationMode, ReadNotation,
               "class, class-deviations, deviations, limits or all",
               "print the pair's callout as a drawing writes it instead of the results: class (25H7/g6), "
               "class-deviations (25H7(+0.021/0) 25g6(-0.007/-0.020)), deviations (25 +0.021/0 ...), limits "
               "(25.021/25.000 ...) or all, one line each"},
    OptionSpec{"--diameter-sign", "phi|dia|none", 1, kNotationMode, 0,           ReadDiameterSign,
               "phi, dia or none",
               "the sign before the size: phi (U+03C6, the default), dia (U+2300) or none for a length"},
    // ---- end of the callout ----
    // The interference-fit joint.
    OptionSpec{"--press",      "",               0, kPressMode,    kPressMode,    nullptr,
               "", "the interference-fit joint of SIZE HOLE/SHAFT (or of SIZE with --interference): joint "
               "pressure, stresses and safeties, torque and axial capacity, press-in force, shrink and cooling "
               "temperatures (elastic, DIN 7190-1); needs --hub-od and --length; exit status 1 when there is "
               "no interference or no pressure at either end"},
    OptionSpec{"--interference", "MIN MAX",      2, kPressMode,    0,             ReadInterference,
               "the interference in mm, MIN MAX, as 0.018 0.059",
               "the joint's diametral interference in mm (positive: interference) instead of a pair's"},
    OptionSpec{"--hub-od",     "D",              1, kPressMode,    0,             ReadPressNumber<&P::hubOuterDiameter>,
               "the hub's outer diameter in mm", "the hub's outer diameter in mm, above SIZE"},
    OptionSpec{"--length",     "L",              1, kPressMode,    0,             ReadPressNumber<&P::length>,
               "the joint's length in mm", "the length of the joint in mm"},
    OptionSpec{"--shaft-bore", "D",              1, kPressMode,    0,             ReadPressNumber<&P::shaftBore>,
               "the shaft's bore in mm", "a hollow shaft's bore in mm, below SIZE (0, the default: solid)"},
    OptionSpec{"--mu",         "M",              1, kPressMode,    0,             ReadPressNumber<&P::friction>,
               "a coefficient of friction, as 0.1",
               "the coefficient of friction in service (0.1 by default: steel on steel, dry)"},
    OptionSpec{"--mu-press",   "M",              1, kPressMode,    0,             ReadPressNumber<&P::pressFriction>,
               "a coefficient of friction, as 0.08",
               "the coefficient of friction while pressing in (--mu's by default)"},
    OptionSpec{"--hub-material", "NAME",         1, kPressMode,    0,             ReadPressMaterial<&P::hubMaterial>,
               "a material", "the hub's material from the table (steel by default)"},
    // The joint's and the fit in service's (service.cpp) shaft material, one option.
    OptionSpec{"--shaft-material", "NAME",       1, kPressMode | kQueryMode, 0,   ReadShaftMaterial,
               "a material", "the shaft's material from the table (steel by default with --press)"},
    OptionSpec{"--hub-e",      "GPA",            1, kPressMode,    0,             ReadPressNumber<&P::hubModulus>,
               "a modulus of elasticity in GPa", "the hub's modulus of elasticity in GPa, for the material's"},
    OptionSpec{"--shaft-e",    "GPA",            1, kPressMode,    0,             ReadPressNumber<&P::shaftModulus>,
               "a modulus of elasticity in GPa", "the shaft's modulus of elasticity in GPa"},
    OptionSpec{"--hub-nu",     "V",              1, kPressMode,    0,             ReadPressNumber<&P::hubPoisson>,
               "a Poisson's ratio, as 0.3", "the hub's Poisson's ratio"},
    OptionSpec{"--shaft-nu",   "V",              1, kPressMode,    0,             ReadPressNumber<&P::shaftPoisson>,
               "a Poisson's ratio, as 0.3", "the shaft's Poisson's ratio"},
    OptionSpec{"--hub-yield",  "MPA",            1, kPressMode,    0,             ReadPressNumber<&P::hubStrength>,
               "a strength in MPa", "the hub's yield strength in MPa (a brittle material's tensile strength)"},
    OptionSpec{"--shaft-yield", "MPA",           1, kPressMode,    0,             ReadPressNumber<&P::shaftStrength>,
               "a strength in MPa", "the shaft's yield strength in MPa"},
    OptionSpec{"--hub-alpha",  "PER_K",          1, kPressMode,    0,             ReadPressNumber<&P::hubExpansion>,
               "an expansion coefficient in 1/K, as 11.7e-6",
               "the hub's linear expansion coefficient in 1/K, for the shrink temperature"},
    OptionSpec{"--rz-hub",     "UM",             1, kPressMode,    0,             ReadPressNumber<&P::hubRoughness>,
               "a roughness Rz in micrometres", "the hub bore's roughness Rz in micrometres (none by default)"},
    OptionSpec{"--rz-shaft",   "UM",             1, kPressMode,    0,             ReadPressNumber<&P::shaftRoughness>,
               "a roughness Rz in micrometres", "the shaft's roughness Rz in micrometres"},
    OptionSpec{"--smoothing",  "K",              1, kPressMode,    0,             ReadSmoothing,
               "0.4 or 0.8",
               "the share of the roughness flattened when pressed: 0.4 (DIN 7190-1, the default) or 0.8 "
               "(the older method of DIN 7190)"},
    OptionSpec{"--rpm",        "N",              1, kPressMode,    0,             ReadPressNumber<&P::speed>,
               "a speed in 1/min", "the speed in 1/min: the hub's growth by it is lost (an approximation)"},
    OptionSpec{"--hub-temperature", "T",         1, kPressMode,    0,             ReadPressNumber<&P::hubTemperature>,
               "a temperature in degrees Celsius",
               "the hub's temperature in service, degrees Celsius: the parts' unequal growth is lost (20 by default)"},
    OptionSpec{"--room-temperature", "T",        1, kPressMode,    0,             ReadPressNumber<&P::roomTemperature>,
               "a temperature in degrees Celsius",
               "the temperature the joint is mounted at, degrees Celsius (20 by default)"},
    OptionSpec{"--mounting-clearance", "MM",     1, kPressMode,    0,             ReadPressNumber<&P::mountingClearance>,
               "a clearance in mm", "the play for mounting the heated hub freely, mm (0.001 times SIZE by default)"},
    OptionSpec{"--help",       "",               0, kEveryMode,    0,             ReadHelp,
               "", "this text"},
    OptionSpec{"--version",    "",               0, kEveryMode,    0,             ReadVersion,
               "", "the program's version"},
};
// clang-format on

// The mode a command line's options choose, the earlier in this list winning;
// a query when none chooses one.
constexpr std::array kModePrecedence = {kBatchMode, kTableMode,    kFindMode,     kMeasuredMode,
                                        kPressMode, kNotationMode, kMaterialsMode};

const OptionSpec* FindOption(std::string_view name) {
    for (const OptionSpec& option : kOptions) {
        if (option.name == name) return &option;
    }
    return nullptr;
}

// The option that chooses the mode; none for a plain query.
const OptionSpec* Chooser(ModeSet mode) {
    for (const OptionSpec& option : kOptions) {
        if (option.selects == mode) return &option;
    }
    return nullptr;
}

// "--find SIZE MIN MAX": how the option that chooses a mode is written.
std::string ModeCall(ModeSet mode) {
    const OptionSpec* chooser = Chooser(mode);
    if (!chooser) return std::string(en::kQueryCall);
    return std::string(chooser->name) + (chooser->argument.empty() ? "" : " ") +
           std::string(chooser->argument);
}

// "--find SIZE MIN MAX or --measured HOLES SHAFTS": the modes of a set.
std::string ModeCalls(ModeSet modes) {
    std::string calls;
    for (ModeSet mode : kModePrecedence) {
        if (modes & mode) calls += (calls.empty() ? "" : std::string(en::kCallsOr)) + ModeCall(mode);
    }
    return calls;
}

// --find's options say so in --help: "with --find SIZE MIN MAX: ".
std::string ModePrefix(const OptionSpec& option) {
    if ((option.modes & kQueryMode) || option.selects) return {};
    return FillIn(en::kWithMode, {ModeCalls(option.modes)});
}

// SIZE MIN MAX after --find, each a number.
std::optional<Error> CheckFindWords(const Options& options) {
    if (options.words.size() != 3) {
        return Error{std::string(en::kFindWordsMissing)};
    }
    const std::string_view names[] = {en::kSizeWord, en::kMinimumClearanceWord, en::kMaximumClearanceWord};
    for (std::size_t k = 0; k < 3; ++k) {
        if (!IsWholeNumber(options.words[k]))
            return Error{FillIn(en::kNotANumber, {names[k], Quoted(options.words[k])})};
    }
    // The finder says the range of a finite size; one beyond the range of
    // numbers is shown as written.
    if (!std::isfinite(ParseNumber(options.words[0]))) {
        return Error{FillIn(en::kSearchSizeOutOfRange, {"\"" + Quoted(options.words[0]) + "\""})};
    }
    for (std::size_t k = 1; k < 3; ++k) {
        if (!IsClearanceInRange(options.words[k]))
            return Error{FillIn(en::kClearanceOutOfRange, {names[k], Quoted(options.words[k])})};
    }
    return std::nullopt;
}

// An option that has no effect in the chosen mode is refused, so that a
// command line never looks as if it did something it does not.
std::optional<Error> CheckModes(const std::vector<const OptionSpec*>& given, ModeSet mode) {
    const OptionSpec* chooser = Chooser(mode);
    for (const OptionSpec* option : given) {
        if (option->modes & mode) continue;
        if (chooser) return Error{FillIn(en::kCannotBeTogether, {chooser->name, option->name})};
        return Error{FillIn(en::kUsedWith, {option->name, ModeCalls(option->modes)})};
    }
    return std::nullopt;
}

}  // namespace

std::span<const OptionSpec> OptionTable() {
    return kOptions;
}

std::string OptionHelp() {
    std::string help;
    for (const OptionSpec& option : kOptions) {
        std::string line = "  " + std::string(option.name);
        if (!option.argument.empty()) line += " " + std::string(option.argument);
        const std::string text = ModePrefix(option) + std::string(option.help);
        std::size_t start = 0;
        while (start < text.size()) {
            if (line.size() + 1 > kHelpColumn) {  // no room on the name's line
                help += line + "\n";
                line.clear();
            }
            line.resize(kHelpColumn, ' ');
            // As many words as fit before the width.
            std::size_t end = text.size();
            if (kHelpColumn + (end - start) >= kHelpWidth) {
                end = text.rfind(' ', start + (kHelpWidth - 1 - kHelpColumn));
                if (end == std::string::npos || end <= start) end = text.find(' ', start);
                if (end == std::string::npos) end = text.size();
            }
            line += text.substr(start, end - start);
            help += line + "\n";
            line.clear();
            start = end < text.size() ? end + 1 : end;
        }
    }
    return help;
}

std::variant<Options, Error> ParseCommandLine(std::span<const std::string_view> args) {
    Options options;
    std::vector<const OptionSpec*> given;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        if (!optionsEnded && arg == "-h") arg = "--help";
        // "-x" is a mistyped option; "-5" and "-0.01,+0.02/h7" are words.
        if (!optionsEnded && arg.size() > 1 && arg[0] == '-' && arg[1] != '-' &&
            ((arg[1] >= 'a' && arg[1] <= 'z') || (arg[1] >= 'A' && arg[1] <= 'Z'))) {
            return Error{FillIn(en::kUnknownOption, {Quoted(arg)})};
        }
        if (optionsEnded || !arg.starts_with("--")) {
            options.words.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        const std::size_t equals = arg.find('=');
        const OptionSpec* option = FindOption(arg.substr(0, equals));
        if (!option) return Error{FillIn(en::kUnknownOption, {Quoted(arg)})};
        for (const OptionSpec* earlier : given) {
            if (earlier == option) return Error{FillIn(en::kGivenTwice, {option->name})};
        }
        given.push_back(option);
        std::vector<std::string_view> values;
        if (equals != std::string_view::npos) {
            if (option->valueCount == 0) return Error{FillIn(en::kTakesNoValue, {option->name})};
            values.push_back(arg.substr(equals + 1));
        }
        while (values.size() < static_cast<std::size_t>(option->valueCount)) {
            if (i + 1 == args.size()) return Needs(*option);
            values.push_back(args[++i]);
        }
        if (option->read) {
            if (auto error = option->read(*option, values, options)) return *error;
        }
        // --help and --version answer whatever else the line says.
        if (options.action == Action::Help || options.action == Action::Version) return options;
    }
    ModeSet chosen = 0;
    for (const OptionSpec* option : given) chosen |= option->selects;
    ModeSet mode = kQueryMode;
    for (ModeSet m : kModePrecedence) {
        if (chosen & m) {
            mode = m;
            break;
        }
    }
    if (auto error = CheckModes(given, mode)) return *error;
    if (mode == kPressMode) {
        options.action = Action::Press;
        if (auto error = CheckPressWords(options)) return *error;
    } else if (mode == kFindMode) {
        options.action = Action::Find;
        if (auto error = CheckFindWords(options)) return *error;
    } else if (mode == kBatchMode || mode == kTableMode || mode == kMaterialsMode) {
        options.action = mode == kBatchMode   ? Action::Batch
                         : mode == kTableMode ? Action::Table
                                              : Action::Materials;
        if (!options.words.empty()) {
            return Error{FillIn(en::kTakesNoQuery, {Chooser(mode)->name, Quoted(options.words.front())})};
        }
    } else if (options.words.empty()) {
        return Error{std::string(en::kMissingQuery)};
    }
    if (mode == kQueryMode) {
        if (auto error = CheckServiceOptions(options)) return *error;
    }
    return options;
}

}  // namespace tolvo::fit
