#include "core/press_fit_text.h"

#include <cmath>

#include "core/number_text.h"
#include "core/text_fill.h"

namespace tolvo {
namespace {

// A safety said to be below its minimum, cut (not rounded) to two decimals,
// so that 0.996 never reads "1.00 is below 1".
std::string SafetyBelow(double safety) {
    return FormatFixed(std::floor(safety * 100.0) / 100.0, 2);
}

}  // namespace

const PressFitWording kPressFitJapanese{ja::kPressNoInterference, ja::kPressNoPressure,
                                        ja::kPressYields,         ja::kPressCracks,
                                        ja::kPressBelowNitrogen,  ja::kPressBelowAbsoluteZero,
                                        ja::kPressElastic,        ja::kPressSpeedNote,
                                        ja::kPressEnds,           ja::kPressParts};

bool IsPressFitRowShown(const PressFitInput& in, PressFitShown shown) {
    switch (shown) {
        case PressFitShown::Always:
            return true;
        case PressFitShown::Roughness:
            return in.hub.roughnessRzUm || in.shaft.roughnessRzUm;
        case PressFitShown::Temperature:
            return in.hub.serviceTemperature || in.shaft.serviceTemperature;
        case PressFitShown::Speed:
            return in.speedRpm.has_value();
    }
    return true;
}

std::string PressFitValueText(std::optional<double> value) {
    return value ? FormatG(*value) : std::string("-");
}

std::string PressFitEndsText(const PressFitRow& row, const PressFitJoint& joint) {
    return PressFitValueText(row.value(joint.ends[0])) + " / " + PressFitValueText(row.value(joint.ends[1])) +
           std::string(row.unit);
}

std::string PressFitTemperatureText(double temperature) {
    return FormatFixed(temperature, 1);
}

std::vector<PressFitFinding> PressFitWarnings(const PressFitInput&, const PressFitResult& result) {
    std::vector<PressFitFinding> found;
    if (!result.joint) {
        found.push_back({"noInterference", PressFitFindingKind::NoInterference});
        return found;
    }
    const PressFitJoint& j = *result.joint;
    constexpr std::string_view kNoPressureCodes[] = {"noPressureAtMinimum", "noPressureAtMaximum"};
    for (std::size_t e = 0; e < 2; ++e) {
        if (j.ends[e].noPressure) found.push_back({kNoPressureCodes[e], PressFitFindingKind::NoPressure, e});
    }
    // The maximum interference stresses the parts most.
    constexpr std::string_view kSafetyCodes[] = {"hubBelowMinimumSafety", "shaftBelowMinimumSafety"};
    const PartStresses* parts[] = {&j.ends[1].hub, &j.ends[1].shaft};
    for (std::size_t p = 0; p < 2; ++p) {
        if (parts[p]->belowMinimumSafety)
            found.push_back({kSafetyCodes[p], PressFitFindingKind::BelowMinimumSafety, p});
    }
    if (j.coolingBelowAbsoluteZero) {
        found.push_back({"coolingBelowAbsoluteZero", PressFitFindingKind::CoolingBelowAbsoluteZero});
    } else if (j.coolingBelowLiquidNitrogen) {
        found.push_back({"coolingBelowLiquidNitrogen", PressFitFindingKind::CoolingBelowLiquidNitrogen});
    }
    return found;
}

std::vector<PressFitFinding> PressFitNotes(const PressFitInput& in, const PressFitResult& result) {
    std::vector<PressFitFinding> notes;
    if (!result.joint) return notes;
    notes.push_back({"elasticOnly", PressFitFindingKind::ElasticOnly});
    if (in.speedRpm) notes.push_back({"speedLossApproximate", PressFitFindingKind::SpeedApproximate});
    return notes;
}

std::string PressFitFindingText(const PressFitFinding& f, const PressFitInput& in,
                                const PressFitResult& result, const PressFitWording& w) {
    switch (f.kind) {
        case PressFitFindingKind::NoInterference:
            return FillIn(w.noInterference, {FormatG(in.maximumInterferenceMm)});
        case PressFitFindingKind::NoPressure:
            return FillIn(w.noPressure,
                          {w.ends[f.which], FormatG(result.joint->ends[f.which].effectiveInterferenceMm)});
        case PressFitFindingKind::BelowMinimumSafety: {
            const PressFitEnd& high = result.joint->ends[1];
            const bool hub = f.which == 0;
            const PartStresses& stresses = hub ? high.hub : high.shaft;
            const bool brittle = hub ? in.hub.brittle : in.shaft.brittle;
            return FillIn(brittle ? w.cracks : w.yields,
                          {w.parts[f.which], SafetyBelow(*stresses.safety), FormatG(in.minimumSafety)});
        }
        case PressFitFindingKind::CoolingBelowAbsoluteZero:
            return FillIn(w.belowAbsoluteZero, {PressFitTemperatureText(result.joint->coolShaftTemperature)});
        case PressFitFindingKind::CoolingBelowLiquidNitrogen:
            return FillIn(w.belowNitrogen, {PressFitTemperatureText(result.joint->coolShaftTemperature)});
        case PressFitFindingKind::ElasticOnly:
            return std::string(w.elastic);
        case PressFitFindingKind::SpeedApproximate:
            break;
    }
    return std::string(w.speedNote);
}

}  // namespace tolvo
