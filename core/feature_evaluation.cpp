#include "core/feature_evaluation.h"

#include <cmath>
#include <initializer_list>

#include "core/fit_table.h"
#include "core/general_table.h"
#include "core/number_text.h"
#include "core/setting_checks.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

struct Outcome {
    FeatureTexts texts;
    double upperLimit;
    double lowerLimit;
};

bool AllFinite(std::initializer_list<double> values) {
    for (double v : values) {
        if (!std::isfinite(v)) return false;
    }
    return true;
}

std::optional<Outcome> EvaluateFitClass(FeatureKind kind, FeatureState& state, const FeatureInputs& in) {
    state.letterIndex = in.letterPosition;
    state.gradeIndex = in.gradePosition;
    const std::optional<Deviations> found =
        RangeOf(in.range).Cell(kind, state.letterIndex, state.gradeIndex, state.sizeStep);
    if (!found) return std::nullopt;
    const Deviations& cell = *found;
    const double tolerance = cell.upper - cell.lower;  // micrometres
    const double upper = cell.upper * 0.001 + state.basicSize;
    const double lower = cell.lower * 0.001 + state.basicSize;
    const double half = tolerance * 0.0005;  // mm
    const double mean = upper - half;
    if (!AllFinite({upper, lower, mean})) return std::nullopt;
    return Outcome{
        {FormatText(ja::kFitDeviation, {cell.upper, cell.lower}), FormatText(ja::kFitTolerance, {tolerance}),
         FormatText(ja::kFitLimitSizes, {lower, upper}), FormatText(ja::kFitMeanValue, {mean, half})},
        upper,
        lower};
}

// A limit-size or mean-value text of general and free modes: two numbers,
// each with its 0.1 μm kept.
std::string TwoNumbersText(std::string_view format, double first, double second) {
    const std::string a = FormatGKeepingFourDecimals(first);
    const std::string b = FormatGKeepingFourDecimals(second);
    return FormatText(format, {a, b});
}

std::optional<Outcome> EvaluateGeneral(const FeatureState& state) {
    if (state.generalClass < 0 || state.generalClass >= kGeneralClassCount || state.generalSizeRange < 0 ||
        state.generalSizeRange >= kGeneralSizeRangeCount) {
        return std::nullopt;
    }
    const std::optional<double> found = GeneralTableLookup(state.generalClass, state.generalSizeRange);
    if (!found) return std::nullopt;
    const double t = *found;
    const double upper = t + state.basicSize;
    const double lower = state.basicSize - t;
    if (!AllFinite({upper, lower})) return std::nullopt;
    return Outcome{{FormatText(ja::kGeneralDeviation, {t}), FormatText(ja::kGeneralTolerance, {t + t}),
                    TwoNumbersText(ja::kGeneralLimitSizes, lower, upper),
                    TwoNumbersText(ja::kGeneralMeanValue, state.basicSize, t)},
                   upper,
                   lower};
}

// The sign text of a free deviation: "+0.02", "0" or "-0.01".
std::string FreeDeviationText(double value) {
    if (value > 0.0) return FormatSignedG(value);
    if (value == 0.0) return "0";
    return FormatG(value);
}

std::optional<Outcome> EvaluateFree(FeatureState& state, const FeatureInputs& in) {
    const double a = ParseNumber(in.freeFirstText);
    double b = ParseNumber(in.freeSecondText);
    // Two equal entries give a one-sided deviation: +0.1 and +0.1 mean +0.1 / 0.
    if (a == b) b = 0.0;
    std::string upperText = "0";
    std::string lowerText = "0";
    if (a > b) {
        state.freeUpper = a;
        state.freeLower = b;
        upperText = FreeDeviationText(a);
        lowerText = FreeDeviationText(b);
    } else if (a < b) {
        state.freeUpper = b;
        state.freeLower = a;
        upperText = FreeDeviationText(b);
        lowerText = FreeDeviationText(a);
    } else {
        state.freeUpper = 0.0;
        state.freeLower = 0.0;
    }
    const double tolerance = state.freeUpper - state.freeLower;
    const double upper = state.freeUpper + state.basicSize;
    const double lower = state.freeLower + state.basicSize;
    const double half = tolerance * 0.5;
    const double mean = upper - half;
    if (!AllFinite({a, b, tolerance, upper, lower, mean})) return std::nullopt;
    return Outcome{
        {FormatText(ja::kFreeDeviation, {upperText, lowerText}), FormatText(ja::kFreeTolerance, {tolerance}),
         TwoNumbersText(ja::kFreeLimitSizes, lower, upper), TwoNumbersText(ja::kFreeMeanValue, mean, half)},
        upper,
        lower};
}

}  // namespace

FeatureTexts FeaturePlaceholders() {
    const std::string placeholder(ja::kFeaturePlaceholder);
    return {placeholder, placeholder, placeholder, std::string(ja::kMeanValuePlaceholder)};
}

FeatureEvaluation EvaluateFeature(FeatureKind kind, const FeatureState& state, const FeatureInputs& inputs) {
    FeatureEvaluation result{state, std::nullopt, false};
    FeatureState& next = result.state;
    next.basicSize = ParseNumber(inputs.basicSizeText);
    if (!(next.basicSize > 0.0)) {
        result.texts = FeaturePlaceholders();
        return result;
    }
    if (!inputs.mode) return result;

    std::optional<Outcome> outcome;
    switch (*inputs.mode) {
        case ToleranceMode::FitClass:
            outcome = EvaluateFitClass(kind, next, inputs);
            break;
        case ToleranceMode::General:
            outcome = EvaluateGeneral(next);
            break;
        case ToleranceMode::Free:
            outcome = EvaluateFree(next, inputs);
            break;
    }
    if (!outcome) {
        next.hasLimits = false;
        result.texts = FeaturePlaceholders();
        return result;
    }
    next.upperLimit = outcome->upperLimit;
    next.lowerLimit = outcome->lowerLimit;
    next.hasLimits = true;
    result.texts = std::move(outcome->texts);
    result.nonPositiveLimitWarning = NonPositiveLimitWarningDue(next.lowerLimit);
    return result;
}

}  // namespace tolvo
