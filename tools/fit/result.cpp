#include "tools/fit/result.h"

#include <cmath>

#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "tools/fit/texts.h"
#include "tools/fit/writers.h"

namespace tolvo::fit {
namespace {

constexpr double kSmallestGeneralSize = 0.5;
constexpr double kLargestGeneralSize = 4000.0;
constexpr std::string_view kGeneralLetters = "fmcv";

std::string_view FeatureName(FeatureKind kind) {
    return en::kFeatureWords[static_cast<int>(kind)];
}

// A size beyond the range of numbers is shown as it was written, never as "inf".
Error SizeError(FeatureKind kind, double size, std::string_view sizeText, std::string_view range) {
    const std::string shown = std::isfinite(size) ? FillIn(en::kMillimetres, {ShortestNumber(size)})
                                                  : "\"" + Quoted(sizeText) + "\"";
    return Error{FillIn(en::kSizeOutOfRange, {FeatureName(kind), shown, range})};
}

std::string_view SizeRange(SideKind kind) {
    switch (kind) {
        case SideKind::IsoClass:
            return en::kIsoSizeRange;
        case SideKind::General:
            return en::kGeneralSizeRange;
        case SideKind::Free:
            break;
    }
    return en::kFreeSizeRange;
}

}  // namespace

std::variant<EvaluatedSide, Error> EvaluateSide(FeatureKind kind, const Side& side,
                                                std::string_view sizeText) {
    const double size = ParseNumber(sizeText);
    FeatureResult result;
    result.kind = kind;
    result.side = side;
    result.basicSize = size;
    // Free deviations have no table to end their sizes; the measured-parts
    // check compares sizes within kLargestMagnitude.
    if (!(size > 0.0) || !std::isfinite(size) || (side.kind == SideKind::Free && size > kLargestMagnitude)) {
        return SizeError(kind, size, sizeText, SizeRange(side.kind));
    }
    FeatureState state;
    FeatureInputs inputs;
    inputs.basicSizeText = sizeText;
    inputs.range = FitClassRange::Whole;
    switch (side.kind) {
        case SideKind::IsoClass: {
            const std::optional<int> step = iso286::ClassifySizeStep(size);
            if (!step) return SizeError(kind, size, sizeText, en::kIsoSizeRange);
            const iso286::ToleranceClass& c = side.isoClass;
            const std::optional<Deviations> cell = iso286::Lookup(kind, c.letterIndex, c.gradeIndex, *step);
            if (!cell) {
                return Error{FillIn(en::kIsoUndefined, {iso286::FormatClassName(c), ShortestNumber(size)})};
            }
            state.sizeStep = *step;
            inputs.mode = ToleranceMode::FitClass;
            inputs.letterPosition = c.letterIndex;
            inputs.gradePosition = c.gradeIndex;
            result.upper = cell->upper;
            result.lower = cell->lower;
            break;
        }
        case SideKind::General: {
            if (size < kSmallestGeneralSize || size > kLargestGeneralSize) {
                return SizeError(kind, size, sizeText, en::kGeneralSizeRange);
            }
            state.generalClass = side.generalClass;
            state.generalSizeRange = ClassifyGeneralSizeRange(size, 0);
            const std::optional<double> t = GeneralTableLookup(state.generalClass, state.generalSizeRange);
            if (!t) {
                return Error{FillIn(
                    en::kGeneralUndefined,
                    {"GEN:" + std::string(GeneralClassName(side.generalClass)), ShortestNumber(size)})};
            }
            inputs.mode = ToleranceMode::General;
            result.upper = *t;
            result.lower = -*t;
            break;
        }
        case SideKind::Free:
            inputs.mode = ToleranceMode::Free;
            inputs.freeFirstText = side.firstText;
            inputs.freeSecondText = side.secondText;
            break;
    }
    const FeatureEvaluation evaluation = EvaluateFeature(kind, state, inputs);
    if (!evaluation.state.hasLimits || !evaluation.texts) {
        return Error{FillIn(en::kLimitsBeyondNumbers, {FeatureName(kind)})};
    }
    if (side.kind == SideKind::Free) {
        result.upper = evaluation.state.freeUpper;
        result.lower = evaluation.state.freeLower;
    }
    result.tolerance = RoundToSixDecimals(result.upper - result.lower);
    result.texts = *evaluation.texts;
    result.nonPositiveLimit = evaluation.nonPositiveLimitWarning;
    return EvaluatedSide{std::move(result), evaluation.state};
}

std::variant<Result, Error> Evaluate(const Query& query) {
    auto hole = EvaluateSide(FeatureKind::Hole, query.hole, query.holeSizeText);
    if (auto* e = std::get_if<Error>(&hole)) return *e;
    auto shaft = EvaluateSide(FeatureKind::Shaft, query.shaft, query.shaftSizeText);
    if (auto* e = std::get_if<Error>(&shaft)) return *e;
    EvaluatedSide& h = std::get<EvaluatedSide>(hole);
    EvaluatedSide& s = std::get<EvaluatedSide>(shaft);
    Result result{std::move(h.result), std::move(s.result), EvaluateFit(h.state, s.state)};
    if (!result.fit.numbers) return Error{std::string(en::kClearancesBeyondNumbers)};
    return result;
}

ZoneDiagramInput DiagramInput(const Result& result) {
    auto feature = [](const FeatureResult& f, double upper, double lower) {
        ZoneFeature z;
        z.basicSize = f.basicSize;
        z.upperLimit = upper;
        z.lowerLimit = lower;
        z.mode = f.side.kind == SideKind::IsoClass  ? ToleranceMode::FitClass
                 : f.side.kind == SideKind::General ? ToleranceMode::General
                                                    : ToleranceMode::Free;
        if (f.side.kind == SideKind::IsoClass) z.className = iso286::FormatClassName(f.side.isoClass);
        z.generalClass = f.side.generalClass;
        return z;
    };
    const FitNumbers& n = *result.fit.numbers;
    return {feature(result.hole, n.holeUpperLimit, n.holeLowerLimit),
            feature(result.shaft, n.shaftUpperLimit, n.shaftLowerLimit)};
}

std::vector<std::string> Warnings(const Result& result) {
    std::vector<std::string> warnings;
    for (const FeatureResult* f : {&result.hole, &result.shaft}) {
        if (f->nonPositiveLimit)
            warnings.push_back(SettingMessageText(f->kind, SettingMessage::NonPositiveLimit));
    }
    return warnings;
}

std::string ClassText(const Side& side) {
    switch (side.kind) {
        case SideKind::IsoClass:
            return iso286::FormatClassName(side.isoClass);
        case SideKind::General:
            return "GEN:" + std::string(1, kGeneralLetters[side.generalClass]);
        case SideKind::Free:
            break;
    }
    return {};
}

}  // namespace tolvo::fit
