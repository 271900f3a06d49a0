// The command line's English texts, entry for entry beside the Japanese ones
// of core/texts_ja.h ("--lang ja"). Texts with "{0}", "{1}" are patterns for
// FillIn (core/text_fill.h). The options' own words (what each needs, its help
// line) live in the option table of tools/fit/options.cpp, the catalogue of
// the options, as ui/dialog_templates.cpp is of the dialogs.
#pragma once

#include <string_view>

namespace tolvo::fit::en {

// The fit finder's and the measured check's reports. {0} an amount ("3 μm").
inline constexpr std::string_view kMissBelow = "{0} below the minimum";
inline constexpr std::string_view kMissAbove = "{0} above the maximum";
inline constexpr std::string_view kMissBoth = "{0} below the minimum and {1} above the maximum";
inline constexpr std::string_view kMeasuredInside = "inside";
inline constexpr std::string_view kMeasuredAbove = "outside: {0} above the upper limit";
inline constexpr std::string_view kMeasuredBelow = "outside: {0} below the lower limit";
inline constexpr std::string_view kFitsFound = "fits meeting the requirement: {0}";
inline constexpr std::string_view kFitsShown = " (first {0} shown)";
inline constexpr std::string_view kFitsHead[] = {" ", "hole", "shaft", "min mm", "max mm", "kind"};
inline constexpr std::string_view kMissesTitle = "closest misses:\n";
inline constexpr std::string_view kPairsTitle = "pairs";
inline constexpr std::string_view kPairsWanted = " (wanted clearance {0})";  // {0} "0.01 ～ 0.04 mm"
inline constexpr std::string_view kPairInterference = "interference ";
inline constexpr std::string_view kPairClearance = "clearance ";
inline constexpr std::string_view kPairMeets = "meets";
inline constexpr std::string_view kPairMisses = "misses";
inline constexpr std::string_view kVerdictGood = "verdict: good: every part lies within its limits{1}";
inline constexpr std::string_view kVerdictGoodPairs = " and every pair meets the wanted clearance";
inline constexpr std::string_view kVerdictNotGood = "verdict: not good: parts outside their limits {0}{1}";
inline constexpr std::string_view kVerdictMissedPairs = ", pairs missing the wanted clearance {2}";
inline constexpr std::string_view kMoreRows = "… {0} more (--limit 0 for all)\n";
// {0} holes, {1} shafts, {2} pairs, {3} the most.
inline constexpr std::string_view kTooManyPairs =
    "--measured gives {0} holes × {1} shafts = {2} pairs, more than {3} (as many holes as shafts are paired one to "
    "one)";

// The general classes a side may name, in the usage text and in its error.
inline constexpr std::string_view kSynopsis =
    "Usage: tolvo-fit [--json] [--lang en|ja] [--svg FILE] SIZE HOLE/SHAFT [SHAFT_SIZE]\n"
    "       tolvo-fit [--json] [--lang en|ja] --batch FILE|-\n"
    "       tolvo-fit [--json] --table\n"
    "       tolvo-fit [--json] [--lang en|ja] --find SIZE MIN MAX [--basis hole|shaft|any]\n"
    "                 [--hole CLASS | --shaft CLASS] [--full-range] [--limit N]\n"
    "       tolvo-fit [--json] [--lang en|ja] [--svg FILE] SIZE HOLE/SHAFT\n"
    "                 --measured HOLE[,HOLE...] SHAFT[,SHAFT...] [--want MIN MAX]\n"
    "       tolvo-fit [--json] SIZE HOLE/SHAFT [SHAFT_SIZE] --notation STYLE\n"
    "                 [--diameter-sign phi|dia|none]\n"
    "       tolvo-fit [--json] [--lang en|ja] SIZE HOLE/SHAFT --press --hub-od D --length L [joint options]\n"
    "       tolvo-fit [--json] [--lang en|ja] --press SIZE --interference MIN MAX --hub-od D --length L\n"
    "                 [joint options]\n"
    "       tolvo-fit [--json] [--lang en|ja] SIZE HOLE/SHAFT [--hole-material NAME] [--shaft-material NAME]\n"
    "                 [--hole-alpha PER_K] [--shaft-alpha PER_K] [--temperature T | --temperature-range T1 T2]\n"
    "                 [--hole-temperature T] [--shaft-temperature T] [--stats [--cp C] [--hole-cp C]\n"
    "                 [--shaft-cp C] [--hole-shift UM] [--shaft-shift UM] [--distribution normal|uniform]\n"
    "                 [--want MIN MAX]]\n"
    "       tolvo-fit [--json] [--lang en|ja] --materials\n"
    "\n"
    "Limits and fits of a hole and a shaft, as the Tolvo window works them out.\n"
    "Each side of HOLE/SHAFT is an ISO 286 class (H7, g6, ZC11, h01), a JIS B0405\n"
    "general class (GEN:f, GEN:m, GEN:c, GEN:v or GEN:精級, GEN:中級, GEN:粗級,\n"
    "GEN:極粗級) or free deviations in mm (+0.02,-0.01, in either order). Sizes are\n"
    "in mm; SHAFT_SIZE gives the shaft a basic size of its own.\n"
    "\n";

// The program's name before each message on standard error.
inline constexpr std::string_view kProgram = "tolvo-fit: ";
inline constexpr std::string_view kVersion = "tolvo-fit {0}\n";
inline constexpr std::string_view kExamples =
    "\n"
    "Examples: tolvo-fit 25 H7/g6    tolvo-fit --json 400 H7/s6    tolvo-fit 30 GEN:m/+0.02,-0.01\n"
    "          tolvo-fit --find 25 0.010 0.040    tolvo-fit 25 H7/g6 --measured 25.012 24.985\n"
    "          tolvo-fit 40 H7/s6 --press --hub-od 80 --length 30\n"
    "          tolvo-fit 25 H7/g6 --sheet 25_H7-g6.svg\n";

// The features, in FeatureKind order: in heads, messages and the table.
inline constexpr std::string_view kFeatureWords[] = {"hole", "shaft"};

// A query's report, its labels padded so that the values line up.
inline constexpr std::string_view kBasicSizeLabel = "basic size:   ";
inline constexpr std::string_view kDeviationLabel = "deviations:   ";
inline constexpr std::string_view kToleranceLabel = "tolerance:    ";
inline constexpr std::string_view kLimitsLabel = "limit sizes:  ";
inline constexpr std::string_view kMeanLabel = "mean size:    ";
inline constexpr std::string_view kMeanFitLabel = "mean sizes:       ";
inline constexpr std::string_view kMaxClearanceCaption = "max clearance:    ";
inline constexpr std::string_view kMinClearanceCaption = "min clearance:    ";
inline constexpr std::string_view kMaxInterferenceCaption = "max interference: ";
inline constexpr std::string_view kMinInterferenceCaption = "min interference: ";
// In the order of FitKind after None.
inline constexpr std::string_view kFitKindNames[] = {"clearance fit", "transition fit", "interference fit"};
inline constexpr std::string_view kNoFit = "no fit (no clearance and no interference)";
// {0} the amount in mm.
inline constexpr std::string_view kMeanClearance = "{0} mm clearance";
inline constexpr std::string_view kMeanInterference = "{0} mm interference";
inline constexpr std::string_view kMeanZero = "0 mm";
inline constexpr std::string_view kNoFitKind = "none";
inline constexpr std::string_view kMeasuredLimitsLabel = "limit sizes: ";

// Command-line errors. {0} an option's name where one is named.
inline constexpr std::string_view kNeeds = "{0} needs {1}";
inline constexpr std::string_view kNeedsNotGiven = "{0} needs {1}, not \"{2}\"";
inline constexpr std::string_view kNotALanguage = "{0} \"{1}\" is not a language: en or ja";
inline constexpr std::string_view kNotASizeList =
    "{0} \"{1}\" is not a list of sizes in mm (25.012 or 25.012,25.015)";
inline constexpr std::string_view kMeasuredSizeOutOfRange =
    "{0} size \"{1}\" is out of range: a measured size is over 0 up to 1000000 mm";
inline constexpr std::string_view kNotAClearance = "{0} \"{1}\" is not a clearance in mm";
// {0} what the clearance is ("--want", "minimum clearance").
inline constexpr std::string_view kClearanceOutOfRange =
    "{0} \"{1}\" is out of range: a clearance is from -1000000 to 1000000 mm";
// How a mode is called in "... is used with a query".
inline constexpr std::string_view kQueryCall = "a query";
inline constexpr std::string_view kCallsOr = " or ";
inline constexpr std::string_view kWithMode = "with {0}: ";
inline constexpr std::string_view kFindWordsMissing =
    "a search is --find SIZE MIN MAX (mm, a clearance range), as --find 25 0.010 0.040";
inline constexpr std::string_view kSizeWord = "size";
inline constexpr std::string_view kShaftSizeWord = "shaft size";
inline constexpr std::string_view kMinimumClearanceWord = "minimum clearance";
inline constexpr std::string_view kMaximumClearanceWord = "maximum clearance";
// {0} what is not a number ("size"), {1} the text given.
inline constexpr std::string_view kNotANumber = "{0} \"{1}\" is not a number in mm";
// {0} the size: "25 mm", or as written when beyond the range of numbers.
inline constexpr std::string_view kSearchSizeOutOfRange =
    "size {0} is out of range: a search is over 0 up to 3150 mm";
inline constexpr std::string_view kSeedSizeOutOfRange =
    "size {0} is out of range: the classes D to P, grades 5 to 12 are up to 120 mm (--full-range searches the whole "
    "ISO 286 system)";
inline constexpr std::string_view kCannotBeTogether = "{0} and {1} cannot be used together";
inline constexpr std::string_view kUsedWith = "{0} is used with {1}";
inline constexpr std::string_view kUnknownOption = "unknown option \"{0}\" (see --help)";
inline constexpr std::string_view kGivenTwice = "{0} is given twice";
inline constexpr std::string_view kTakesNoValue = "{0} takes no value";
inline constexpr std::string_view kTakesNoQuery = "{0} takes no query: \"{1}\"";
inline constexpr std::string_view kMissingQuery = "missing SIZE HOLE/SHAFT, as 25 H7/g6 (see --help)";

// Query errors. {0} the feature ("hole"), {1} the text given.
inline constexpr std::string_view kNotAGeneralClass =
    "{0} class \"{1}\" is not a general class (GEN:f, GEN:m, GEN:c, GEN:v or GEN:精級, GEN:中級, GEN:粗級, "
    "GEN:極粗級)";
// {2} the part that is no number.
inline constexpr std::string_view kFreeNotANumber =
    "{0} deviations \"{1}\": \"{2}\" is not a number in mm (write them as +0.02,-0.01)";
inline constexpr std::string_view kCaseRule = "a hole class is upper case and a shaft class lower case";
// {2} the other feature, {3} the class in the feature's case, {4} kCaseRule.
inline constexpr std::string_view kOtherFeatureClass = "{0} class \"{1}\" is a {2} class: {4} (the {0} {3})";
// {0} HOLE/SHAFT as given, {1} kCaseRule, {2} the pair corrected.
inline constexpr std::string_view kPairCase = "\"{0}\": {1} (HOLE/SHAFT): {2}";
// {0} HOLE/SHAFT as given, {1} kCaseRule, {2} the sides swapped, {3} both cases corrected.
inline constexpr std::string_view kPairCaseBoth =
    "\"{0}\": {1} (HOLE/SHAFT): {2} swaps the sides, {3} keeps them";
inline constexpr std::string_view kNotAnIsoClass =
    "{0} class \"{1}\" is not an ISO 286 class (a letter A to ZC and a grade 01 to 18, as H7), a general class "
    "(GEN:m) or deviations (+0.02,-0.01)";
inline constexpr std::string_view kQueryWordsMissing = "a query is SIZE HOLE/SHAFT [SHAFT_SIZE], as 25 H7/g6";
inline constexpr std::string_view kTooManyWords = "too many words after SHAFT_SIZE: \"{0}\"";
inline constexpr std::string_view kNotAPair =
    "\"{0}\" is not HOLE/SHAFT (one slash between the two sides, as H7/g6)";
inline constexpr std::string_view kEmptySide = "the {0} side of HOLE/SHAFT is empty";

// Evaluation errors. {0} the feature, {1} its size ("25 mm", or as written
// when beyond the range of numbers), {2} the range of its kind of class.
inline constexpr std::string_view kSizeOutOfRange = "{0} size {1} is out of range: {2}";
inline constexpr std::string_view kIsoSizeRange = "an ISO 286 class is over 0 up to 3150 mm";
inline constexpr std::string_view kGeneralSizeRange = "a general class is from 0.5 up to 4000 mm (JIS B0405)";
inline constexpr std::string_view kFreeSizeRange = "a size with free deviations is over 0 up to 1000000 mm";
inline constexpr std::string_view kMillimetres = "{0} mm";
// {0} the class, {1} the size in mm.
inline constexpr std::string_view kIsoUndefined = "{0} is not defined at {1} mm (ISO 286-1)";
inline constexpr std::string_view kGeneralUndefined = "{0} is not defined at {1} mm (JIS B0405)";
inline constexpr std::string_view kLimitsBeyondNumbers = "{0} limit sizes are beyond the range of numbers";
inline constexpr std::string_view kClearancesBeyondNumbers = "the clearances are beyond the range of numbers";
// {0} the minimum, {1} the maximum, in mm.
inline constexpr std::string_view kWantedReversed =
    "the minimum clearance {0} mm is above the maximum {1} mm";
inline constexpr std::string_view kWantedNotANumber = "the wanted clearance is not a number";
inline constexpr std::string_view kFixedOutOfRange =
    "the fixed side's limit sizes are out of range: they are from -1000000 to 1000000 mm";
inline constexpr std::string_view kMeasuredLimitsOutOfRange =
    "the limit sizes are out of range for measured parts: they are from -1000000 to 1000000 mm";

// Files and lines. {0} a file's name.
inline constexpr std::string_view kCannotRead = "cannot read \"{0}\"";
// {1} why, one of the kWhy texts.
inline constexpr std::string_view kCannotReadBecause = "cannot read \"{0}\": {1}";
inline constexpr std::string_view kCannotWrite = "cannot write \"{0}\"";
// {1} why, one of the kWhy texts.
inline constexpr std::string_view kCannotWriteBecause = "cannot write \"{0}\": {1}";
inline constexpr std::string_view kWhyFolder = "it is a folder";
inline constexpr std::string_view kWhyNotRegularFile = "it is not a regular file (a device or a pipe)";
inline constexpr std::string_view kWhyReadOnly = "it is read-only";
inline constexpr std::string_view kWhyWriteFailed =
    "writing it failed (is the disk full?); the old file is as it was";
inline constexpr std::string_view kWhyCannotReplace = "the old file could not be replaced";
inline constexpr std::string_view kCannotWriteOutput = "cannot write the output";
// {0} the line's number, {1} its error.
inline constexpr std::string_view kLineError = "line {0}: {1}";
inline constexpr std::string_view kLineTooLong = "the line is longer than {0} bytes";

// ---- --notation (notation.cpp) ----
// {0} the feature: a size or deviations with more digits than a callout writes.
inline constexpr std::string_view kNoExactCallout =
    "the {0}'s callout would take more digits than it can write exactly";
// ---- end of --notation ----
// The fit in service (tools/fit/service.cpp), entry for entry beside the
// Japanese ones of core/texts_ja.h. Temperatures in °C, lengths in mm.
// {0} the hole's temperature, {1} the shaft's.
inline constexpr std::string_view kServiceAtTemperature = "at temperature: hole {0} °C, shaft {1} °C";
// {0} the feature, {1} its material and kServiceSeparator or nothing, {2} α, {3} {4} its limit sizes.
inline constexpr std::string_view kServicePart = "{0}: {1}α {2} 1/K: φ{3} ～ {4} mm";
inline constexpr std::string_view kServiceSeparator = ", ";
inline constexpr std::string_view kServiceNoExpansion = "none (at 20 °C)";
// {0} {1} the hole's range, {2} {3} the shaft's, {4} how they move.
inline constexpr std::string_view kServiceOverRange =
    "over the temperatures: hole {0} ～ {1} °C, shaft {2} ～ {3} °C ({4})";
inline constexpr std::string_view kServiceTogether = "together";
inline constexpr std::string_view kServiceIndependent = "each anywhere in its range";
inline constexpr std::string_view kServiceAtStart = "at the start:       {0}";
inline constexpr std::string_view kServiceAtEnd = "at the end:         {0}";
// {0} the amount (kMeanClearance, kMeanInterference, kMeanZero), {1} kServicePoint.
inline constexpr std::string_view kServiceSmallest = "smallest clearance: {0} ({1})";
inline constexpr std::string_view kServiceLargest = "largest clearance:  {0} ({1})";
inline constexpr std::string_view kServicePoint = "hole {0} °C, shaft {1} °C";
// {0} one of kServiceMeasures, {1} kServicePoint.
inline constexpr std::string_view kServiceZeroAt = "{0} is zero at {1}";
// Maximum, minimum, mean.
inline constexpr std::string_view kServiceMeasures[] = {"max clearance", "min clearance", "mean clearance"};
inline constexpr std::string_view kServiceKindChanges = "the fit changes kind within the range";
inline constexpr std::string_view kServiceKindKept = "the fit keeps its kind over the range";
// {0} the distribution, {1} {2} the hole's Cp and shift, {3} {4} the shaft's, {5} kServicePoint.
inline constexpr std::string_view kServiceStatistics =
    "statistics: {0}, hole Cp {1} shift {2} μm, shaft Cp {3} shift {4} μm ({5})";
inline constexpr std::string_view kServiceNormal = "normal distribution";
inline constexpr std::string_view kServiceUniform = "uniform distribution";
inline constexpr std::string_view kServiceMean = "mean clearance:     {0} mm";
inline constexpr std::string_view kServiceSigma = "σ:                  {0} mm";
inline constexpr std::string_view kServiceThreeSigma = "mean ± 3σ:          {0} ～ {1} mm";
inline constexpr std::string_view kServiceWorstCase = "worst case:         {0} ～ {1} mm";
inline constexpr std::string_view kServiceInterference = "interference:       {0}";
inline constexpr std::string_view kServiceClearance = "clearance:          {0}";
// {0} the wanted end in mm, {1} the probability.
inline constexpr std::string_view kServiceBelowWanted = "below {0} mm:  {1}";
inline constexpr std::string_view kServiceAboveWanted = "above {0} mm:  {1}";
// --materials: {0} key, {1} grade, {2} Japanese name, {3} English name, {4} E,
// {5} ν, {6} α, {7} strength, {8} kMaterialYield or kMaterialTensile, {9} density.
inline constexpr std::string_view kMaterialLine =
    "{0} | {1} | {2} | {3} | E {4} GPa | ν {5} | α {6} 1/K | {7} MPa {8} | {9} kg/m³";
inline constexpr std::string_view kMaterialYield = "yield or 0.2 % proof";
inline constexpr std::string_view kMaterialTensile = "tensile";
inline constexpr std::string_view kMaterialsNote =
    "typical values near room temperature: a design takes the supplier's (--hole-alpha and --shaft-alpha "
    "replace α)";
// Errors. {0} the option, {1} the text given.
inline constexpr std::string_view kNotAnExpansion =
    "{0} \"{1}\" is not an expansion coefficient in 1/K (as 11.7e-6)";
inline constexpr std::string_view kNotATemperature = "{0} \"{1}\" is not a temperature in °C";
inline constexpr std::string_view kNotACp = "{0} \"{1}\" is not a Cp (as 1.33)";
inline constexpr std::string_view kNotAShift = "{0} \"{1}\" is not a shift in μm";
// {2} one of the ranges below.
inline constexpr std::string_view kOptionOutOfRange = "{0} \"{1}\" is out of range: {2}";
inline constexpr std::string_view kExpansionRange = "α is over 0 up to 0.001 1/K";
inline constexpr std::string_view kTemperatureRange = "a temperature is from -273.15 up to 10000 °C";
inline constexpr std::string_view kCpRange = "Cp is from 0.01 up to 100";
inline constexpr std::string_view kShiftRange = "a shift is from -1000000 to 1000000 μm";
// What is out of range, and its unit: α, temperature, Cp, shift.
inline constexpr std::string_view kServiceQuantities[] = {"α", "temperature", "Cp", "shift"};
inline constexpr std::string_view kServiceUnits[] = {" 1/K", " °C", "", " μm"};
// {0} the feature, {1} what is out of range ("α", "temperature"), {2} the value with its unit, {3} the range.
inline constexpr std::string_view kServiceOutOfRange = "{0} {1} {2} is out of range: {3}";
inline constexpr std::string_view kServiceExpansionMissing =
    "the {0} is not at 20 °C but has no material or α: give --{0}-material NAME or --{0}-alpha PER_K";
inline constexpr std::string_view kNeedsStats = "{0} is used with --stats";
inline constexpr std::string_view kWantNeeds = "--want is used with --measured HOLES SHAFTS or --stats";

// The interference-fit joint (--press). Its report's labels are padded so
// that the values line up; each value is "at the minimum / at the maximum
// interference".
inline constexpr std::string_view kPressTitle =
    "press fit {0}{1} (elastic, DIN 7190-1)\n";  // {0} φ40, {1} " H7/s6"
// {0} kPressParts, {1} the material's name, {2} outside φ80 mm / solid / bore φ20 mm, {3} E, {4} ν,
// {5} α, {6} the strength's name, {7} the strength.
inline constexpr std::string_view kPressPart = "  {0}: {1}, {2}: E {3} GPa, ν {4}, α {5} /K, {6} {7} MPa\n";
inline constexpr std::string_view kPressOutside = "outside φ{0} mm";
inline constexpr std::string_view kPressSolid = "solid";
inline constexpr std::string_view kPressBore = "bore φ{0} mm";
inline constexpr std::string_view kPressYield = "yield";
inline constexpr std::string_view kPressTensile = "tensile strength";
// {0} l, {1} μ, {2} μe; then, where there is a joint, {0} K.
inline constexpr std::string_view kPressJoint = "  length {0} mm, μ {1}, μe {2}";
inline constexpr std::string_view kPressStiffness = ", K {0} /MPa";
inline constexpr std::string_view kPressColumns =
    "at the minimum / maximum interference (the capacities hold at the minimum, the press-in force is the "
    "maximum's):\n";
inline constexpr std::string_view kPressInterference = "interference:              ";
inline constexpr std::string_view kPressRoughnessLoss = "loss by roughness:         ";
inline constexpr std::string_view kPressTemperatureLoss = "loss by temperature:       ";
inline constexpr std::string_view kPressSpeedLoss = "loss by speed:             ";
inline constexpr std::string_view kPressEffective = "effective interference:    ";
inline constexpr std::string_view kPressPressure = "joint pressure:            ";
inline constexpr std::string_view kPressHubTangential = "hub bore, tangential:      ";
inline constexpr std::string_view kPressHubRadial = "hub bore, radial:          ";
inline constexpr std::string_view kPressHubEquivalent = "hub bore, equivalent:      ";
inline constexpr std::string_view kPressHubOutside = "hub outside, tangential:   ";
inline constexpr std::string_view kPressShaftTangential = "shaft, tangential:         ";
inline constexpr std::string_view kPressShaftRadial = "shaft, radial:             ";
inline constexpr std::string_view kPressShaftEquivalent = "shaft, equivalent:         ";
inline constexpr std::string_view kPressHubSafety = "hub safety:                ";
inline constexpr std::string_view kPressShaftSafety = "shaft safety:              ";
inline constexpr std::string_view kPressTorque = "torque capacity:           ";
inline constexpr std::string_view kPressAxial = "axial capacity:            ";
inline constexpr std::string_view kPressForce = "press-in force:            ";
// {0} the hub's temperature, {1} the shaft's, {2} the room's, {3} S.
inline constexpr std::string_view kPressShrink =
    "shrink fitting: the hub heated to {0} °C, or the shaft cooled to {1} °C (room {2} °C, mounting clearance "
    "{3} mm)\n";
inline constexpr std::string_view kPressShrinkHubOnly =
    "shrink fitting: the hub heated to {0} °C (room {2} °C, mounting clearance {3} mm)\n";
// The units of the report's lines, in both languages: core/texts_ja.h's kPressUnit*.
inline constexpr std::string_view kPressWarning = "warning: {0}\n";
inline constexpr std::string_view kPressNote = "note: {0}\n";
// {0} the maximum interference in mm.
inline constexpr std::string_view kPressNoInterference =
    "no interference: the maximum interference is {0} mm, no joint is formed";
// {0} "minimum" or "maximum", {1} the effective interference in mm.
inline constexpr std::string_view kPressNoPressure =
    "at the {0} interference the effective interference is {1} mm: no pressure, nothing is carried";
inline constexpr std::string_view kPressEnds[] = {"minimum", "maximum"};
// {0} "hub" or "shaft", {1} its safety at the maximum interference, {2} the minimum safety.
inline constexpr std::string_view kPressYields =
    "the {0}'s safety {1} is below {2}: it yields, and these elastic numbers do not hold";
inline constexpr std::string_view kPressCracks =
    "the {0}'s safety {1} against its tensile strength is below {2}: a brittle {0} may crack";
inline constexpr std::string_view kPressParts[] = {"hub", "shaft"};
// {0} the shaft's temperature.
inline constexpr std::string_view kPressBelowNitrogen =
    "cooling the shaft to {0} °C is below -196 °C: liquid nitrogen does not reach it";
inline constexpr std::string_view kPressBelowAbsoluteZero =
    "cooling the shaft would need {0} °C, below absolute zero: the shaft cannot be cooled in, heat the hub";
inline constexpr std::string_view kPressElastic =
    "elastic only: where a safety is below 1 the part yields and these numbers no longer hold";
inline constexpr std::string_view kPressSpeedNote =
    "the loss by speed is an approximation (the hub as a rotating disc, the shaft's own growth neglected)";
// Command-line errors of --press. {0} the option or word.
inline constexpr std::string_view kPressBeyondNumbers = "{0} \"{1}\" is beyond the range of numbers";
inline constexpr std::string_view kNotAMaterial = "{0} \"{1}\" is not a material: {2}";
inline constexpr std::string_view kPressWordsMissing =
    "a joint is --press SIZE HOLE/SHAFT or --press SIZE --interference MIN MAX, with --hub-od D and --length L";
inline constexpr std::string_view kPressNeedsSizes = "--press needs --hub-od D and --length L";
inline constexpr std::string_view kPressOneSize = "a joint has one diameter: no SHAFT_SIZE with --press";
inline constexpr std::string_view kPressPairOrInterference =
    "--interference gives the interference: no HOLE/SHAFT with it (\"{0}\")";
// {0} the option or word, {1} a number it is compared with.
inline constexpr std::string_view kPressNotAboveJoint = "{0} must be above the joint diameter {1} mm";
inline constexpr std::string_view kPressNotBelowJoint = "{0} must be below the joint diameter {1} mm";
inline constexpr std::string_view kPressNotPositive = "{0} must be above 0";
inline constexpr std::string_view kPressNegative = "{0} must not be below 0";
inline constexpr std::string_view kPressPoisson = "{0} must be above 0 and below 0.5";
inline constexpr std::string_view kPressBelowAbsolute = "{0} is below absolute zero (-273.15 °C)";
inline constexpr std::string_view kPressReversed = "{0}: the minimum is above the maximum";
inline constexpr std::string_view kPressNotFinite = "{0} is beyond the range of numbers";
inline constexpr std::string_view kPressResultBeyond = "the joint's numbers are beyond the range of numbers";
// The joint's values that no option sets, as a message names them.
inline constexpr std::string_view kPressValueNames[] = {
    "the hub's density", "the shaft's density", "the shaft's expansion coefficient", "the minimum safety"};

}  // namespace tolvo::fit::en
