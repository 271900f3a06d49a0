// Evaluation of the fit between the hole and the shaft: the kind of fit, the
// extreme clearances or interferences and the clearance at the mean sizes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/feature.h"

namespace tolvo {

// Signed, in mm; a negative clearance is an interference of that magnitude.
struct FitResult {
    double maximumClearance = 0.0;  // hole upper limit - shaft lower limit
    double minimumClearance = 0.0;  // hole lower limit - shaft upper limit
};

enum class FitKind {
    None,  // no fit to report: a basic size or a limit size is missing, or max = min = 0
    Clearance,
    Transition,
    Interference,
};

// The kind of a fit from its clearances (limit sizes rounded to six
// decimals): clearance when max > 0 and min >= 0, transition when max > 0
// and min < 0, interference when max <= 0 and min < 0, None when both are 0.
FitKind KindOfFit(const FitResult& result);

// The label text of a fit kind: "すきまばめ", "中間ばめ", "しまりばめ"; empty for None.
std::string_view FitKindText(FitKind kind);

// The six texts of the fit area.
struct FitTexts {
    std::string kind;          // FitKindText of the evaluation's kind
    std::string firstCaption;  // left of firstAmount
    std::string firstAmount;
    std::string secondCaption;  // left of secondAmount
    std::string secondAmount;
    std::string meanFit;  // the fit at the mean sizes
    friend bool operator==(const FitTexts&, const FitTexts&) = default;
};

FitTexts FitPlaceholders();

// What a completed fit evaluation changes besides the texts.
struct FitNumbers {
    // The four limit sizes rounded to six decimals; they replace the features'.
    double holeUpperLimit;
    double holeLowerLimit;
    double shaftUpperLimit;
    double shaftLowerLimit;
    FitResult result;
    // The clearance at the mean sizes, rounded to six decimals (negative: an
    // interference); the text of the mean fit is written from it.
    double meanClearance;
};

struct FitEvaluation {
    FitKind kind = FitKind::None;
    FitTexts texts;
    std::optional<FitNumbers> numbers;  // none: keep the limit sizes and FitResult as they are
};

// Placeholders in all six texts when either feature has no basic size above
// zero or no limit sizes of its current setting.
FitEvaluation EvaluateFit(const FeatureState& hole, const FeatureState& shaft);

struct Rgb {
    int red;
    int green;
    int blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct LabelColors {
    Rgb text;
    Rgb background;
    friend bool operator==(const LabelColors&, const LabelColors&) = default;
};

// The colours of the fit-kind label: white on blue for a clearance fit, black
// on yellow for a transition fit, white on red for an interference fit; none
// (the default look) when there is no fit.
std::optional<LabelColors> FitKindColors(FitKind kind);

}  // namespace tolvo
