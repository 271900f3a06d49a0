// tolvo-fit --find and --measured: the core's fit finder and measured-parts
// check from the command line, as text (Japanese or English) or JSON.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/fit_finder.h"
#include "core/measured_check.h"
#include "tools/fit/query.h"
#include "tools/fit/result.h"

namespace tolvo::fit {

struct FindReport {
    FitRequirement requirement;
    std::string holeLabel;  // how a fixed side is named in the rows (ClassText: "GEN:m", empty when free)
    std::string shaftLabel;
    std::string holeText;  // the fixed sides as written
    std::string shaftText;
    FitSearch search;
};

// Options::words holds SIZE MIN MAX, checked as numbers.
std::variant<FindReport, Error> Find(const Options& options);
std::string WriteFindText(const FindReport& report, Language language, std::size_t limit);
std::string WriteFindJson(const FindReport& report, std::size_t limit);

// As many holes as shafts are pairs made together, one to one; otherwise
// every hole goes with every shaft, up to this many pairs.
inline constexpr std::size_t kMostMeasuredPairs = 1'000'000;

struct MeasuredReport {
    Result result;  // the pair the parts were made to
    std::vector<double> holes;
    std::vector<double> shafts;
    std::optional<ClearanceRange> wanted;
    MeasuredCheck check;  // the parts placed; the pairs are worked out as they are written
};

// Refuses measured sizes beyond the range of sizes, a reversed wanted range
// and more than kMostMeasuredPairs pairs.
std::variant<MeasuredReport, Error> CheckParts(Result result, const MeasuredOptions& measured);
// Where a long output goes, a piece at a time, as it is worked out.
using Sink = std::function<void(std::string_view)>;
// Both tell whether every part lies within its limits and every pair meets the wanted range.
bool WriteMeasuredText(const MeasuredReport& report, Language language, const Sink& write);
bool WriteMeasuredJson(const MeasuredReport& report, const Sink& write);

}  // namespace tolvo::fit
