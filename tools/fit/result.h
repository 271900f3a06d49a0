// A tolvo-fit query evaluated by the window's own core: each feature's texts
// and numbers, and the fit between them.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "core/feature.h"
#include "core/feature_evaluation.h"
#include "core/fit_evaluation.h"
#include "core/zone_diagram.h"
#include "tools/fit/query.h"

namespace tolvo::fit {

struct FeatureResult {
    FeatureKind kind = FeatureKind::Hole;
    Side side;
    double basicSize = 0.0;  // mm
    FeatureTexts texts;      // as the window's result boxes show them
    // The deviations and tolerance in micrometres for an ISO class, in mm
    // otherwise; the deviations exactly as the table or the user gives them.
    double upper = 0.0;
    double lower = 0.0;
    double tolerance = 0.0;         // upper - lower, rounded to six decimals
    bool nonPositiveLimit = false;  // the window warns that the smaller limit size is zero or below
};

struct Result {
    FeatureResult hole;
    FeatureResult shaft;
    FitEvaluation fit;  // numbers always present
};

// One side evaluated at its size, and the feature's state afterwards, which
// the fit evaluation reads.
struct EvaluatedSide {
    FeatureResult result;
    FeatureState state;
};
// Refuses as Evaluate does.
std::variant<EvaluatedSide, Error> EvaluateSide(FeatureKind kind, const Side& side,
                                                std::string_view sizeText);

// Refuses what the window would never evaluate: a size out of the range of
// the side's table, a cell the standard leaves undefined, numbers beyond the
// range of double.
std::variant<Result, Error> Evaluate(const Query& query);

// The two features as the zone diagram draws them, from the fit's limit sizes.
ZoneDiagramInput DiagramInput(const Result& result);

// The window's warnings about the pair (nothing refused), hole first, in its
// own texts.
std::vector<std::string> Warnings(const Result& result);

// "H7", "GEN:m", or empty for free deviations.
std::string ClassText(const Side& side);

}  // namespace tolvo::fit
