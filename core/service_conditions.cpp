#include "core/service_conditions.h"

#include <cmath>
#include <iterator>

#include "core/messages.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

bool IsTemperature(double t) {
    return t >= kAbsoluteZero && t <= kHighestTemperature;  // false for NaN
}

std::optional<double> ExpansionOf(const FeatureConditions& c) {
    if (c.overrides.expansionPerKelvin) return c.overrides.expansionPerKelvin;
    if (c.material) return c.material->properties.expansionPerKelvin;
    return std::nullopt;
}

TemperatureRange RangeOf(const FeatureConditions& c) {
    return c.range.value_or(TemperatureRange{c.temperature, c.temperature});
}

std::optional<ServiceError> CheckFeature(FeatureKind kind, const FeatureConditions& c, bool statistics) {
    const TemperatureRange range = RangeOf(c);
    for (double t : {range.from, range.to}) {
        if (!IsTemperature(t)) return ServiceError{ServiceProblem::TemperatureOutOfRange, kind, t};
    }
    const std::optional<double> alpha = ExpansionOf(c);
    if (alpha && !(*alpha > 0.0 && *alpha <= kLargestExpansion))
        return ServiceError{ServiceProblem::ExpansionOutOfRange, kind, *alpha};
    const double away = range.from != kReferenceTemperature ? range.from : range.to;
    if (!alpha && away != kReferenceTemperature)
        return ServiceError{ServiceProblem::ExpansionMissing, kind, away};
    if (statistics && !(c.spread.cp >= kSmallestCp && c.spread.cp <= kLargestCp))
        return ServiceError{ServiceProblem::CpOutOfRange, kind, c.spread.cp};
    if (statistics && !(std::fabs(c.spread.shiftMicrometres) <= kLargestShift))
        return ServiceError{ServiceProblem::ShiftOutOfRange, kind, c.spread.shiftMicrometres};
    return std::nullopt;
}

}  // namespace

std::optional<ServiceError> CheckServiceInput(const ServiceInput& input) {
    for (FeatureKind kind : {FeatureKind::Hole, FeatureKind::Shaft}) {
        const FeatureConditions& c = kind == FeatureKind::Hole ? input.hole : input.shaft;
        if (auto error = CheckFeature(kind, c, input.statistics)) return error;
    }
    if (input.statistics && input.wanted) {
        if (!std::isfinite(input.wanted->minimum) || !std::isfinite(input.wanted->maximum))
            return ServiceError{ServiceProblem::WantedOutOfRange, std::nullopt, 0.0};
        if (input.wanted->minimum > input.wanted->maximum)
            return ServiceError{ServiceProblem::WantedReversed, std::nullopt, input.wanted->minimum};
    }
    return std::nullopt;
}

std::string ServiceErrorText(const ServiceError& error, const ServiceInput& input) {
    static_assert(std::size(ja::kServiceProblems) ==
                  static_cast<std::size_t>(ServiceProblem::WantedOutOfRange) + 1);
    const std::string_view feature = error.feature ? FeatureWord(*error.feature) : std::string_view{};
    const std::string second = input.wanted ? FormatG(input.wanted->maximum) : std::string{};
    return FillIn(ja::kServiceProblems[static_cast<std::size_t>(error.problem)],
                  {feature, FormatG(error.value), second});
}

std::variant<ServiceResult, ServiceError> EvaluateService(const FitNumbers& fit, const ServiceInput& input) {
    if (auto error = CheckServiceInput(input)) return *error;
    ServiceResult r;
    r.holeExpansion = ExpansionOf(input.hole).value_or(0.0);
    r.shaftExpansion = ExpansionOf(input.shaft).value_or(0.0);
    const PairLimits limits = LimitsOf(fit);
    const SpreadInput spread{input.hole.spread, input.shaft.spread, input.distribution, input.wanted};
    auto statisticsAt = [&](TemperaturePoint at) {
        return StatisticsAt{
            at, StatisticsOf(limits, spread, {r.holeExpansion, at.hole}, {r.shaftExpansion, at.shaft})};
    };
    if (input.hole.range || input.shaft.range) {
        r.overRange = FitOverTemperatures(limits, r.holeExpansion, RangeOf(input.hole), r.shaftExpansion,
                                          RangeOf(input.shaft), input.coupling);
        if (input.statistics) {
            const TemperaturePoint tightest = r.overRange->mean.lowest.at;
            const TemperaturePoint loosest = r.overRange->mean.highest.at;
            r.statistics.push_back(statisticsAt(tightest));
            if (loosest != tightest) r.statistics.push_back(statisticsAt(loosest));
        }
        return r;
    }
    r.atTemperature = FitAtTemperatures(limits, {r.holeExpansion, input.hole.temperature},
                                        {r.shaftExpansion, input.shaft.temperature});
    if (input.statistics)
        r.statistics.push_back(statisticsAt({input.hole.temperature, input.shaft.temperature}));
    return r;
}

}  // namespace tolvo
