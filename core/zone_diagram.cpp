#include "core/zone_diagram.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

#include "core/general_table.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

using ja::kFreeModeName;
using ja::kMicrometres;
constexpr std::array<std::string_view, kGeneralClassCount> kGeneralFileNames = {"GEN-f", "GEN-m", "GEN-c",
                                                                                "GEN-v"};
constexpr std::string_view kFreeFileName = "free";

// Horizontal layout: the scale on the left, then the hole, the two dimension
// lines, the shaft, and room for the shaft's deviations on the right.
constexpr double kAxisX = 14.0;
constexpr double kHoleLeft = 28.0;
constexpr double kHoleRight = 44.0;
constexpr double kShaftLeft = 60.0;
constexpr double kShaftRight = 76.0;
constexpr double kFirstSpanX = 49.0;
constexpr double kSecondSpanX = 55.0;
constexpr double kTextGap = 1.0;
// With the zones at temperature each part's 20 °C zone gives the inner part
// of its column to its outline at temperature, and the ±3σ band stands
// between the two dimension lines.
constexpr double kHoleRightBesideService = 37.5;
constexpr double kServiceHoleLeft = 38.5;
constexpr double kServiceShaftRight = 65.5;
constexpr double kShaftLeftBesideService = 66.5;
constexpr double kBandLeft = 51.0;
constexpr double kBandRight = 53.0;

// The drawn height of a scene with nothing but lines at one place.
constexpr double kEmptySpanUm = 20.0;
constexpr double kMinimumReferenceUm = 1.0;
// At most this many ticks: the step is the smallest round one that keeps to it.
constexpr int kMaxTicks = 9;

// Micrometres from the hole's basic size, to the nanometre, so that limit
// sizes that agree to six decimals give the same value.
double Micrometres(double limit, double holeBasicSize) {
    return std::round((limit - holeBasicSize) * 1e6) / 1e3;
}

// In μm as the window writes a class's deviations ("%g μm"); far from zero in
// mm, as it writes free deviations and the fit's amounts, so that no text
// needs an exponent.
std::string LengthText(double um, bool withSign) {
    if (std::fabs(um) < kZoneMillimetreTextUm) {
        if (um == 0.0) return "0" + std::string(kMicrometres);
        return (withSign ? FormatSignedG(um) : FormatG(um)) + std::string(kMicrometres);
    }
    std::string mm = FormatGKeepingFourDecimals(um / 1000.0);
    if (withSign && mm.front() != '-') mm.insert(mm.begin(), '+');
    return mm + std::string(ja::kMillimetres);
}

std::string DeviationText(double um) {
    return LengthText(um, true);
}

bool Drawable(double um) {
    return std::isfinite(um) && std::fabs(um) < kZoneMaxDrawnUm;
}

std::string SizeText(double mm) {
    return std::string(ja::kPhi) + FormatG(mm) + std::string(ja::kMillimetres);
}

struct Interval {
    double low;
    double high;
};

// A continuous piece of the scale: true μm in [fromUm, toUm] drawn at um - shift.
struct Stretch {
    double fromUm;
    double toUm;
    double shift;
};

double RoundStep(double atLeast) {
    double decade = std::pow(10.0, std::floor(std::log10(atLeast)));
    for (;;) {
        for (double mantissa : {1.0, 2.0, 5.0}) {
            if (mantissa * decade >= atLeast * (1.0 - 1e-12)) return mantissa * decade;
        }
        decade *= 10.0;
    }
}

// The stretches that hold the intervals, each far gap replaced by a break.
std::vector<Stretch> Stretches(std::vector<Interval> intervals, double reference,
                               std::vector<ZoneBreak>& breaks) {
    std::sort(intervals.begin(), intervals.end(),
              [](const Interval& a, const Interval& b) { return a.low < b.low; });
    const double keep = kZoneBreakKeep * reference;
    std::vector<Stretch> stretches{{intervals.front().low, intervals.front().high, 0.0}};
    for (const Interval& next : intervals) {
        Stretch& current = stretches.back();
        if (next.low - current.toUm > kZoneBreakRatio * reference) {
            current.toUm += keep;
            const double breakY = current.toUm - current.shift;
            const double fromUm = next.low - keep;
            breaks.push_back({breakY, current.toUm, fromUm});
            stretches.push_back({fromUm, next.high, fromUm - breakY});
        } else {
            current.toUm = std::max(current.toUm, next.high);
        }
    }
    return stretches;
}

ZoneRect MakeZone(FeatureKind kind, const ZoneFeature& feature, double holeBasicSize) {
    const bool hole = kind == FeatureKind::Hole;
    ZoneRect zone;
    zone.kind = kind;
    zone.left = hole ? kHoleLeft : kShaftLeft;
    zone.right = hole ? kHoleRight : kShaftRight;
    zone.upperUm = Micrometres(feature.upperLimit, holeBasicSize);
    zone.lowerUm = Micrometres(feature.lowerLimit, holeBasicSize);
    zone.isLine = zone.upperUm == zone.lowerUm;
    zone.label.text = ZoneLabel(feature);
    zone.upperText.text = DeviationText(zone.upperUm);
    if (!zone.isLine) zone.lowerText.text = DeviationText(zone.lowerUm);
    return zone;
}

// Places the zone's texts once its drawn positions are known.
void PlaceZoneTexts(ZoneRect& zone) {
    const bool hole = zone.kind == FeatureKind::Hole;
    const double outsideX = hole ? zone.left - kTextGap : zone.right + kTextGap;
    const TextAlign outside = hole ? TextAlign::End : TextAlign::Start;
    zone.label.x = (zone.left + zone.right) / 2;
    zone.label.y = zone.top;
    zone.label.align = TextAlign::Middle;
    zone.label.place = TextPlace::Above;
    zone.upperText.x = zone.lowerText.x = outsideX;
    zone.upperText.align = zone.lowerText.align = outside;
    zone.upperText.y = zone.top;
    zone.upperText.place = zone.isLine ? TextPlace::Center : TextPlace::Above;
    zone.lowerText.y = zone.bottom;
    zone.lowerText.place = TextPlace::Below;
}

FeatureState StateOf(const ZoneFeature& feature) {
    FeatureState state;
    state.basicSize = feature.basicSize;
    state.upperLimit = feature.upperLimit;
    state.lowerLimit = feature.lowerLimit;
    state.hasLimits = true;
    return state;
}

std::string SpanText(const std::string& caption, double clearanceUm) {
    return caption + " " + LengthText(std::fabs(clearanceUm), false);
}

// The maximum clearance runs from the shaft's lower limit to the hole's upper
// limit, the minimum from the shaft's upper limit to the hole's lower limit;
// the fit evaluation's captions name them by the kind of fit.
void AddSpans(ZoneScene& scene, const FitEvaluation& fit) {
    const ZoneRect& hole = scene.zones[0];
    const ZoneRect& shaft = scene.zones[1];
    const bool interference = fit.kind == FitKind::Interference;
    ZoneSpan maximum{kFirstSpanX, shaft.lowerUm, hole.upperUm, 0, 0, hole.upperUm - shaft.lowerUm, {}};
    ZoneSpan minimum{kSecondSpanX, shaft.upperUm, hole.lowerUm, 0, 0, hole.lowerUm - shaft.upperUm, {}};
    maximum.text =
        SpanText(interference ? fit.texts.secondCaption : fit.texts.firstCaption, maximum.clearanceUm);
    minimum.text =
        SpanText(interference ? fit.texts.firstCaption : fit.texts.secondCaption, minimum.clearanceUm);
    scene.spans = {maximum, minimum};
}

// The zones at temperature beside the 20 °C zones, narrowed for them, and the
// band; a limit too far out to draw leaves the overlay out.
void AddServiceOverlay(ZoneScene& scene, const ZoneServiceOverlay& service, double basicSize) {
    const double limits[] = {service.holeUpperLimit, service.holeLowerLimit, service.shaftUpperLimit,
                             service.shaftLowerLimit};
    for (double limit : limits) {
        if (!std::isfinite(limit) || !Drawable(Micrometres(limit, basicSize))) return;
    }
    std::optional<std::array<double, 2>> band = service.clearanceBand;
    const double shaftMeanUm =
        (Micrometres(service.shaftUpperLimit, basicSize) + Micrometres(service.shaftLowerLimit, basicSize)) /
        2;
    if (band &&
        !(std::isfinite((*band)[0]) && std::isfinite((*band)[1]) &&
          Drawable(shaftMeanUm + (*band)[0] * 1000.0) && Drawable(shaftMeanUm + (*band)[1] * 1000.0))) {
        band.reset();
    }
    ZoneRect& hole = scene.zones[0];
    ZoneRect& shaft = scene.zones[1];
    hole.right = kHoleRightBesideService;
    shaft.left = kShaftLeftBesideService;
    const auto outline = [&](FeatureKind kind, double upper, double lower, double left, double right,
                             double temperature) {
        ZoneRect zone;
        zone.kind = kind;
        zone.left = left;
        zone.right = right;
        zone.upperUm = Micrometres(upper, basicSize);
        zone.lowerUm = Micrometres(lower, basicSize);
        zone.isLine = zone.upperUm == zone.lowerUm;
        zone.label.text = FillIn(ja::kZoneTemperatureLabel, {FormatG(temperature)});
        return zone;
    };
    scene.serviceZones = {
        outline(FeatureKind::Hole, service.holeUpperLimit, service.holeLowerLimit, kServiceHoleLeft,
                kHoleRight, service.holeTemperature),
        outline(FeatureKind::Shaft, service.shaftUpperLimit, service.shaftLowerLimit, kShaftLeft,
                kServiceShaftRight, service.shaftTemperature),
    };
    std::string bandText;
    if (band) {
        ZoneBand b;
        b.left = kBandLeft;
        b.right = kBandRight;
        b.lowUm = shaftMeanUm + (*band)[0] * 1000.0;
        b.highUm = shaftMeanUm + (*band)[1] * 1000.0;
        scene.clearanceBand = b;
        // To 0.1 μm, as the dialog writes the clearance.
        const auto tenth = [](double mm) { return LengthText(std::round(mm * 1e4) / 10.0 + 0.0, false); };
        bandText = FillIn(ja::kZoneBandNote, {tenth((*band)[0]), tenth((*band)[1])});
    }
    scene.serviceNote = FillIn(ja::kZoneServiceNote, {FormatG(service.holeTemperature),
                                                      FormatG(service.shaftTemperature), bandText});
}

}  // namespace

std::string ZoneLabel(const ZoneFeature& feature) {
    switch (feature.mode) {
        case ToleranceMode::FitClass:
            return feature.className;
        case ToleranceMode::General:
            return std::string(GeneralClassName(feature.generalClass));
        case ToleranceMode::Free:
            break;
    }
    return std::string(kFreeModeName);
}

ZoneScene BuildZoneScene(const ZoneDiagramInput& given) {
    // A feature without finite limit sizes or a basic size above zero has nothing to draw.
    ZoneDiagramInput input = given;
    for (std::optional<ZoneFeature>* f : {&input.hole, &input.shaft}) {
        if (*f && !(std::isfinite((*f)->upperLimit) && std::isfinite((*f)->lowerLimit) &&
                    std::isfinite((*f)->basicSize) && (*f)->basicSize > 0.0)) {
            f->reset();
        }
    }
    ZoneScene scene;
    scene.axisX = kAxisX;
    const double holeBasicSize = input.hole    ? input.hole->basicSize
                                 : input.shaft ? input.shaft->basicSize
                                               : 0.0;
    for (const std::optional<ZoneFeature>* f : {&input.hole, &input.shaft}) {
        if (*f &&
            !(Drawable((*f)->basicSize * 1000.0) && Drawable(Micrometres((*f)->upperLimit, holeBasicSize)) &&
              Drawable(Micrometres((*f)->lowerLimit, holeBasicSize)))) {
            scene.toScale = false;
            scene.note = std::string(ja::kZoneNotToScale);
            scene.bottom = -kEmptySpanUm / 2;
            scene.top = kEmptySpanUm / 2;
            return scene;
        }
    }
    scene.unit = {std::string(kMicrometres.substr(1)), kAxisX, 0.0, TextAlign::Middle, TextPlace::Above};
    // The hole's basic size is the zero line; a shaft alone is drawn against its own.
    const double basicSize = holeBasicSize;
    if (input.hole) scene.zones.push_back(MakeZone(FeatureKind::Hole, *input.hole, basicSize));
    if (input.shaft) scene.zones.push_back(MakeZone(FeatureKind::Shaft, *input.shaft, basicSize));
    if (input.hole || input.shaft) {
        scene.zeroLabel = {SizeText(basicSize), kZoneLayoutWidth - kTextGap, 0.0, TextAlign::End,
                           TextPlace::Above};
    }
    if (input.hole && input.shaft && input.shaft->basicSize != input.hole->basicSize) {
        scene.note = FillIn(ja::kZoneOtherBasicSize,
                            {SizeText(input.shaft->basicSize), SizeText(input.hole->basicSize)});
    }

    if (input.hole && input.shaft && input.service) AddServiceOverlay(scene, *input.service, basicSize);

    std::vector<Interval> intervals{{0.0, 0.0}};
    double reference = kMinimumReferenceUm;
    for (const std::vector<ZoneRect>* zones : {&scene.zones, &scene.serviceZones}) {
        for (const ZoneRect& zone : *zones) {
            intervals.push_back({zone.lowerUm, zone.upperUm});
            reference = std::max(reference, zone.upperUm - zone.lowerUm);
        }
    }
    if (scene.clearanceBand) intervals.push_back({scene.clearanceBand->lowUm, scene.clearanceBand->highUm});
    std::vector<Stretch> stretches = Stretches(intervals, reference, scene.breaks);
    auto drawn = [&stretches](double um) {
        for (const Stretch& s : stretches) {
            if (um <= s.toUm) return um - s.shift;
        }
        return um - stretches.back().shift;
    };
    // The zero line is drawn at 0.
    const double zeroShift = drawn(0.0);
    for (Stretch& s : stretches) s.shift += zeroShift;
    for (ZoneBreak& b : scene.breaks) b.y -= zeroShift;

    const double contentBottom = drawn(stretches.front().fromUm);
    const double contentTop = drawn(stretches.back().toUm);
    const double content = contentTop - contentBottom;
    const double height = content > 0.0 ? content / kZoneFill : kEmptySpanUm;
    const double middle = (contentBottom + contentTop) / 2;
    scene.bottom = middle - height / 2;
    scene.top = middle + height / 2;
    stretches.front().fromUm = scene.bottom + stretches.front().shift;
    stretches.back().toUm = scene.top + stretches.back().shift;

    scene.tickStepUm = RoundStep(height / (kMaxTicks - 1));
    const bool inMillimetres = std::max(std::fabs(stretches.front().fromUm),
                                        std::fabs(stretches.back().toUm)) >= kZoneMillimetreTextUm;
    if (inMillimetres) scene.unit.text = std::string(ja::kMillimetres.substr(1));
    for (const Stretch& s : stretches) {
        // Counted, not stepped by value: far from zero a step may be lost in rounding.
        const double first = std::ceil(s.fromUm / scene.tickStepUm);
        for (int i = 0; i <= 2 * kMaxTicks; ++i) {
            const double value = (first + i) * scene.tickStepUm + 0.0;  // no "-0"
            if (value > s.toUm) break;
            const double y = value - s.shift;
            // A tick next to a break would crowd its label against the other side's.
            const bool nearBreak = std::any_of(
                scene.breaks.begin(), scene.breaks.end(),
                [&](const ZoneBreak& b) { return std::fabs(y - b.y) < kZoneBreakKeep * reference / 2; });
            if (nearBreak) continue;
            scene.ticks.push_back(
                {value, y, inMillimetres ? FormatGKeepingFourDecimals(value / 1000.0) : FormatG(value)});
        }
    }
    scene.unit.y = scene.top;
    scene.zeroY = drawn(0.0);
    scene.zeroLabel.y = scene.zeroY;
    for (std::vector<ZoneRect>* zones : {&scene.zones, &scene.serviceZones}) {
        for (ZoneRect& zone : *zones) {
            zone.top = drawn(zone.upperUm);
            zone.bottom = drawn(zone.lowerUm);
            PlaceZoneTexts(zone);
        }
    }
    if (ZoneBand* band = scene.clearanceBand ? &*scene.clearanceBand : nullptr) {
        band->top = drawn(band->highUm);
        band->bottom = drawn(band->lowUm);
        band->label = {std::string(ja::kZoneBandLabel), (band->left + band->right) / 2, band->top,
                       TextAlign::Middle, TextPlace::Above};
    }

    if (input.hole && input.shaft) {
        const FitEvaluation fit = EvaluateFit(StateOf(*input.hole), StateOf(*input.shaft));
        if (fit.kind != FitKind::None) {
            scene.fitKind = fit.kind;
            scene.fitKindText = fit.texts.kind;
            AddSpans(scene, fit);
            for (ZoneSpan& span : scene.spans) {
                span.from = drawn(span.fromUm);
                span.to = drawn(span.toUm);
            }
        }
    }
    return scene;
}

std::string ProposedZoneFileName(const ZoneDiagramInput& input, std::string_view extension) {
    auto name = [](const ZoneFeature& f) {
        switch (f.mode) {
            case ToleranceMode::FitClass:
                return f.className;
            case ToleranceMode::General:
                return std::string(kGeneralFileNames[std::clamp(f.generalClass, 0, kGeneralClassCount - 1)]);
            case ToleranceMode::Free:
                break;
        }
        return std::string(kFreeFileName);
    };
    std::string stem;
    if (input.hole) stem = FormatG(input.hole->basicSize) + "_" + name(*input.hole);
    if (input.shaft) {
        if (!stem.empty()) stem += "-";
        if (!input.hole || input.shaft->basicSize != input.hole->basicSize) {
            stem += FormatG(input.shaft->basicSize) + "_";
        }
        stem += name(*input.shaft);
    }
    if (stem.empty()) stem = "zones";
    return stem + "." + std::string(extension);
}

}  // namespace tolvo
