#include "core/fit_evaluation.h"

#include <array>
#include <cmath>

#include "core/number_text.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

struct FitKindLook {
    FitKind kind;
    std::string_view text;
    LabelColors colors;
    std::string_view firstCaption;  // the captions of the two amounts
    std::string_view secondCaption;
};

constexpr std::array<FitKindLook, 3> kFitKindLooks = {{
    {FitKind::Clearance,
     ja::kClearanceFit,
     {kWhite, {0, 0, 255}},
     ja::kMaxClearanceCaption,
     ja::kMinClearanceCaption},
    {FitKind::Transition,
     ja::kTransitionFit,
     {kBlack, {255, 255, 0}},
     ja::kMaxClearanceCaption,
     ja::kMaxInterferenceCaption},
    {FitKind::Interference,
     ja::kInterferenceFit,
     {kWhite, {255, 0, 0}},
     ja::kMaxInterferenceCaption,
     ja::kMinInterferenceCaption},
}};

const FitKindLook* LookOf(FitKind kind) {
    for (const FitKindLook& look : kFitKindLooks) {
        if (look.kind == kind) return &look;
    }
    return nullptr;
}

bool HasFitInputs(const FeatureState& feature) {
    return feature.basicSize > 0.0 && feature.hasLimits;
}

std::string MeanFitText(double meanClearance) {
    if (meanClearance > 0.0)
        return FormatText(ja::kMeanClearance, {FormatGKeepingFourDecimals(meanClearance)});
    if (meanClearance < 0.0)
        return FormatText(ja::kMeanInterference, {FormatGKeepingFourDecimals(-meanClearance)});
    return std::string(ja::kMeanZero);
}

}  // namespace

FitKind KindOfFit(const FitResult& result) {
    if (result.maximumClearance > 0.0) {
        return result.minimumClearance >= 0.0 ? FitKind::Clearance : FitKind::Transition;
    }
    return result.minimumClearance < 0.0 ? FitKind::Interference : FitKind::None;
}

std::string_view FitKindText(FitKind kind) {
    const FitKindLook* look = LookOf(kind);
    return look ? look->text : ja::kFitKindPlaceholder;
}

FitTexts FitPlaceholders() {
    const std::string caption(ja::kFitCaptionPlaceholder);
    const std::string amount(ja::kFitAmountPlaceholder);
    return {std::string(ja::kFitKindPlaceholder), caption, amount, caption, amount,
            std::string(ja::kMeanFitPlaceholder)};
}

FitEvaluation EvaluateFit(const FeatureState& hole, const FeatureState& shaft) {
    FitEvaluation evaluation{FitKind::None, FitPlaceholders(), std::nullopt};
    if (!HasFitInputs(hole) || !HasFitInputs(shaft)) return evaluation;

    // Limit sizes that agree to six decimals must compare equal, or a fit
    // meant to be line-to-line (H7/h6) would come out as an interference.
    FitNumbers n{};
    n.holeUpperLimit = RoundToSixDecimals(hole.upperLimit);
    n.shaftLowerLimit = RoundToSixDecimals(shaft.lowerLimit);
    n.shaftUpperLimit = RoundToSixDecimals(shaft.upperLimit);
    n.holeLowerLimit = RoundToSixDecimals(hole.lowerLimit);
    const double maxClearance = n.holeUpperLimit - n.shaftLowerLimit;
    const double minClearance = n.holeLowerLimit - n.shaftUpperLimit;
    n.result = {maxClearance, minClearance};

    const double holeMean = n.holeUpperLimit - (n.holeUpperLimit - n.holeLowerLimit) * 0.5;
    const double shaftMean = n.shaftUpperLimit - (n.shaftUpperLimit - n.shaftLowerLimit) * 0.5;
    const double meanClearance = RoundToSixDecimals(holeMean - shaftMean);
    if (!std::isfinite(maxClearance) || !std::isfinite(minClearance) || !std::isfinite(meanClearance)) {
        return evaluation;
    }
    n.meanClearance = meanClearance;
    evaluation.numbers = n;

    const std::string a = FormatText(ja::kFitAmount, {FormatGKeepingFourDecimals(std::fabs(maxClearance))});
    const std::string b = FormatText(ja::kFitAmount, {FormatGKeepingFourDecimals(std::fabs(minClearance))});
    FitTexts& t = evaluation.texts;
    evaluation.kind = KindOfFit(n.result);
    const FitKindLook* look = LookOf(evaluation.kind);
    // None: both are 0 (max - min is the sum of the tolerances, never
    // negative): no clearance and no interference, so the placeholders stay.
    if (!look) return evaluation;
    // An interference fit names its larger amount, the minimum clearance, first.
    const bool minimumFirst = evaluation.kind == FitKind::Interference;
    t = {{},
         std::string(look->firstCaption),
         minimumFirst ? b : a,
         std::string(look->secondCaption),
         minimumFirst ? a : b,
         {}};
    t.kind = std::string(FitKindText(evaluation.kind));
    t.meanFit = MeanFitText(meanClearance);
    return evaluation;
}

std::optional<LabelColors> FitKindColors(FitKind kind) {
    const FitKindLook* look = LookOf(kind);
    if (!look) return std::nullopt;
    return look->colors;
}

}  // namespace tolvo
