// The command line's English texts, entry for entry beside the Japanese ones
// of core/texts_ja.h ("--lang ja"). Texts with "{0}", "{1}" are patterns for
// FillIn (core/text_fill.h).
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
    "\n"
    "Limits and fits of a hole and a shaft, as the Tolvo window works them out.\n"
    "Each side of HOLE/SHAFT is an ISO 286 class (H7, g6, ZC11, h01), a JIS B0405\n"
    "general class (GEN:f, GEN:m, GEN:c, GEN:v or GEN:精級, GEN:中級, GEN:粗級,\n"
    "GEN:極粗級) or free deviations in mm (+0.02,-0.01, in either order). Sizes are\n"
    "in mm; SHAFT_SIZE gives the shaft a basic size of its own.\n"
    "\n";
inline constexpr std::string_view kNotAGeneralClass =
    "\" is not a general class (GEN:f, GEN:m, GEN:c, GEN:v or GEN:精級, GEN:中級, GEN:粗級, "
    "GEN:極粗級)";

}  // namespace tolvo::fit::en
