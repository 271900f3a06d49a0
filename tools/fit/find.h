// tolvo-fit --find and --measured: the core's fit finder and measured-parts
// check from the command line, as text (Japanese or English) or JSON.
#pragma once

#include <string>
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

struct MeasuredReport {
    Result result;  // the pair the parts were made to
    std::vector<double> holes;
    std::vector<double> shafts;
    std::optional<ClearanceRange> wanted;
    MeasuredCheck check;
};

// Refuses measured sizes beyond the range of sizes and a reversed wanted range.
std::variant<MeasuredReport, Error> CheckParts(Result result, const MeasuredOptions& measured);
std::string WriteMeasuredText(const MeasuredReport& report, Language language);
std::string WriteMeasuredJson(const MeasuredReport& report);

}  // namespace tolvo::fit
