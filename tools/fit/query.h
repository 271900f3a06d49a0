// What tolvo-fit is asked: its command line and the queries of its argument
// list or of a batch file, read into values before anything is evaluated.
#pragma once

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/callout.h"
#include "core/feature.h"
#include "core/fit_finder.h"
#include "core/iso286_table.h"
#include "core/measured_check.h"
#include "tools/fit/press_options.h"

namespace tolvo::fit {

// Measured sizes, limit sizes and clearances lie within this many mm: the
// measured-parts check and the fit finder compare them to the nanometre
// within it, and clamp anything beyond.
inline constexpr double kLargestMagnitude = tolvo::kLargestMeasuredSize;

// A one-line message naming the part of the input at fault.
struct Error {
    std::string message;
};

// How one side of HOLE/SHAFT gives its limit deviations.
enum class SideKind { IsoClass, General, Free };

struct Side {
    SideKind kind = SideKind::IsoClass;
    iso286::ToleranceClass isoClass{FeatureKind::Hole, 0, 0};  // IsoClass
    int generalClass = 0;                                      // General: 0..3, 精級 .. 極粗級
    std::string firstText;                                     // Free: the two deviations in mm, as written
    std::string secondText;
};

struct Query {
    std::string holeSizeText;  // each a whole number, checked
    std::string shaftSizeText;
    Side hole;
    Side shaft;
};

enum class Language { Japanese, English };
enum class Action { Query, Batch, Table, Find, Press, Help, Version, Materials };

// A wide search meets over a hundred thousand pairs: a screenful unless asked.
inline constexpr std::size_t kDefaultFindLimit = 20;

// What --find reads besides SIZE MIN MAX (in Options::words).
struct FindOptions {
    FitBasis basis = FitBasis::Hole;  // as the finder window starts
    std::string holeText;             // --hole / --shaft: the fixed side as written; empty: searched
    std::string shaftText;
    bool fullRange = false;                 // the whole ISO 286 system instead of the seed's classes
    std::size_t limit = kDefaultFindLimit;  // at most this many fits; 0: all

    bool operator==(const FindOptions&) const = default;
};

// --measured HOLE[,HOLE...] SHAFT[,SHAFT...] and --want MIN MAX after a query.
struct MeasuredOptions {
    bool given = false;
    std::vector<std::string> holeTexts;
    std::vector<std::string> shaftTexts;
    std::string wantMinText;  // both empty: no wanted range
    std::string wantMaxText;

    bool operator==(const MeasuredOptions&) const = default;
};

// The fit in service (tools/fit/service.h): the service options of a query,
// read as numbers but not yet checked against each other or their ranges.
struct TemperatureSpan {
    double from = 0.0;  // °C
    double to = 0.0;
    bool operator==(const TemperatureSpan&) const = default;
};
struct ServiceOptions {
    const Material* holeMaterial = nullptr;  // none: the values given only
    const Material* shaftMaterial = nullptr;
    std::optional<double> holeAlpha;  // 1/K
    std::optional<double> shaftAlpha;
    std::optional<double> temperature;  // °C, both parts
    std::optional<double> holeTemperature;
    std::optional<double> shaftTemperature;
    std::optional<TemperatureSpan> range;  // both parts, together
    std::optional<TemperatureSpan> holeRange;
    std::optional<TemperatureSpan> shaftRange;
    bool stats = false;
    std::optional<double> cp;
    std::optional<double> holeCp;
    std::optional<double> shaftCp;
    std::optional<double> holeShift;  // μm
    std::optional<double> shaftShift;
    bool uniform = false;            // --distribution uniform
    bool distributionGiven = false;  // --distribution at all
    bool operator==(const ServiceOptions&) const = default;
};

struct Options {
    Action action = Action::Query;
    bool json = false;
    Language language = Language::Japanese;
    std::string batchFile;           // Batch: a path, or "-" for standard input
    std::string svgFile;             // Query: where to write the zone diagram; empty: none
    std::vector<std::string> words;  // Query: SIZE HOLE/SHAFT [SHAFT_SIZE]; Find: SIZE MIN MAX
    FindOptions find;
    MeasuredOptions measured;
    // --sheet FILE: where to write the calculation sheet as SVG; empty: none.
    std::string sheetFile;
    // ---- --notation and --diameter-sign (notation.h) ----
    std::vector<CalloutStyle> notation;  // the styles asked for; empty without --notation
    DiameterSign diameterSign = DiameterSign::Phi;
    // ---- end of --notation ----
    PressOptions press;  // Press: SIZE HOLE/SHAFT, or SIZE with --interference
    ServiceOptions service;

    bool operator==(const Options&) const = default;
};

// The arguments after the program name, read through the option table
// (options.h): options anywhere, words in order, "--" ends the options.
std::variant<Options, Error> ParseCommandLine(std::span<const std::string_view> args);

// One side of HOLE/SHAFT: an ISO class, GEN:x or free deviations "+a,-b".
std::variant<Side, Error> ParseSide(FeatureKind kind, std::string_view text);

// SIZE HOLE/SHAFT [SHAFT_SIZE]; the shaft takes the hole's size when it has
// none of its own.
std::variant<Query, Error> ParseQuery(std::span<const std::string_view> words);
std::variant<Query, Error> ParseQuery(std::span<const std::string> words);
// One line of a batch file, its words separated by blanks or tabs.
std::variant<Query, Error> ParseQueryLine(std::string_view line);
// Blank lines and lines whose first non-blank character is '#'.
bool IsSkippedLine(std::string_view line);

// True when the whole text is one decimal number in the "C" conventions:
// optional sign, digits with an optional point, an optional exponent. "25x"
// and "2,5" are not.
bool IsWholeNumber(std::string_view text);

// A piece of the user's input fit to quote in a one-line message: control
// characters shown as '?', cut short when long.
std::string Quoted(std::string_view text);

}  // namespace tolvo::fit
