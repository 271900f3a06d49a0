// Evaluation of one feature: from its settings to its limit deviations,
// tolerance, limit sizes and mean-value form, as the four texts of its
// result boxes.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/feature.h"

namespace tolvo {

// What the evaluation reads from the feature's controls.
struct FeatureInputs {
    std::string_view basicSizeText;
    std::optional<ToleranceMode> mode;  // the selected radio button; none when no button is selected
    int letterPosition = 0;             // letter slider
    int gradePosition = 0;              // grade slider
    std::string_view freeFirstText;     // the two free-input edits, in either order
    std::string_view freeSecondText;
    FitClassRange range = FitClassRange::Seed;  // the classes fit tolerance class mode offers
};

struct FeatureTexts {
    std::string deviation;
    std::string tolerance;
    std::string limitSizes;
    std::string meanValue;
    friend bool operator==(const FeatureTexts&, const FeatureTexts&) = default;
};

// " -" in three boxes and " - ）" in the mean-value box.
FeatureTexts FeaturePlaceholders();

struct FeatureEvaluation {
    FeatureState state;                    // the feature's state afterwards
    std::optional<FeatureTexts> texts;     // the four texts to show; none: leave the boxes as they are
    bool nonPositiveLimitWarning = false;  // the smaller limit size came out at zero or below
};

// Evaluates a feature from its stored size ranges and class and the values
// of its controls. It stops with the placeholders, keeping the previous limit
// sizes, when the basic size is not above zero. It also shows the
// placeholders, and marks the state as having no limit sizes, when the
// setting reaches a cell that the standard leaves undefined or a number
// beyond the range of double: no value is ever shown from such a cell.
FeatureEvaluation EvaluateFeature(FeatureKind kind, const FeatureState& state, const FeatureInputs& inputs);

}  // namespace tolvo
