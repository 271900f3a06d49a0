#include "ui/service_model.h"

#include <array>
#include <iterator>
#include <utility>
#include <variant>

#include "core/materials.h"
#include "core/number_text.h"
#include "core/service_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

using namespace service_dialog;

// The number edits in the dialog's order, so that the first refused is the
// first the user reads; each names itself by kServiceFieldNames.
enum class Field {
    HoleAlpha,
    ShaftAlpha,
    HoleT,
    ShaftT,
    From,
    To,
    HoleCp,
    ShaftCp,
    HoleShift,
    ShaftShift,
    Low,
    High
};
struct NumberEdit {
    int id;
    Field field;
};
constexpr NumberEdit kNumbers[] = {
    {kHoleExpansion, Field::HoleAlpha}, {kShaftExpansion, Field::ShaftAlpha},
    {kHoleTemperature, Field::HoleT},   {kShaftTemperature, Field::ShaftT},
    {kRangeFrom, Field::From},          {kRangeTo, Field::To},
    {kHoleCp, Field::HoleCp},           {kShaftCp, Field::ShaftCp},
    {kHoleShift, Field::HoleShift},     {kShaftShift, Field::ShaftShift},
    {kWantedMinimum, Field::Low},       {kWantedMaximum, Field::High},
};
static_assert(std::size(kNumbers) == std::size(ja::kServiceFieldNames));

// The edits a blank leaves to a default: the materials' α, and no wanted range.
constexpr bool MayBeBlank(Field f) {
    return f == Field::HoleAlpha || f == Field::ShaftAlpha || f == Field::Low || f == Field::High;
}

// Every result control, cleared before each computation.
constexpr int kResultIds[] = {kKind,          kHoleLimits, kShaftLimits, kMaximumClearance, kMinimumClearance,
                              kMeanClearance, kStartKind,  kEndKind,     kSmallest,         kLargest,
                              kZeroAt[0],     kZeroAt[1],  kZeroAt[2],   kKindChanges};

// Texts that end in "\n" each, as lines joined by "\r\n".
std::string CrLfLines(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        if (!out.empty()) out += "\r\n";
        out += text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return out;
}

std::string LimitsText(double lower, double upper) {
    return FillIn(ja::kServiceLimits, {FormatFixed(lower, 4), FormatFixed(upper, 4)});
}

std::string SpanText(double low, double high) {
    return FillIn(ja::kServiceSpan, {ServiceMillimetres(low), ServiceMillimetres(high)});
}

}  // namespace

ServiceModel::ServiceModel(MainModel& main) : main_(main), controls_(kServiceDialog), focus_(kHoleExpansion) {
    controls_.At(kNormal).checked = true;
    SetMaterial(true, 0);
    SetMaterial(false, 0);
    Update();
    main_.SetServiceReport([this] { return ReportText(); });
    main_.SetZoneOverlay([this] { return Overlay(); });
}

ServiceModel::~ServiceModel() {
    main_.SetServiceReport({});
    main_.SetZoneOverlay({});
}

void ServiceModel::SetMaterial(bool hole, std::size_t index) {
    const Material& m = Materials()[index];
    (hole ? holeMaterial_ : shaftMaterial_) = index;
    controls_.At(hole ? kHoleMaterial : kShaftMaterial).text = m.japaneseName;
    controls_.At(hole ? kHoleMaterialExpansion : kShaftMaterialExpansion).text =
        FormatG(m.properties.expansionPerKelvin);
}

std::optional<ServiceInput> ServiceModel::ReadInput() {
    std::string& message = controls_.At(kMessage).text;
    const bool range = controls_.At(kRange).checked;
    std::array<std::optional<double>, std::size(kNumbers)> values{};
    for (const NumberEdit& e : kNumbers) {
        const ControlState& edit = controls_.At(e.id);
        if (!edit.enabled) continue;
        const std::size_t k = static_cast<std::size_t>(e.field);
        if (IsBlankText(edit.text)) {
            if (MayBeBlank(e.field)) continue;
            message = FillIn(ja::kServiceValueMissing, {ja::kServiceFieldNames[k]});
            return std::nullopt;
        }
        const NumberReading reading = ReadNumber(edit.text);
        if (reading.number.empty() || !reading.whole) {
            message = FillIn(ja::kNotANumber, {edit.text});
            return std::nullopt;
        }
        values[k] = reading.value;
    }
    const auto value = [&](Field f) { return values[static_cast<std::size_t>(f)]; };
    if (value(Field::Low).has_value() != value(Field::High).has_value()) {
        message = ja::kServiceWantedHalf;
        return std::nullopt;
    }
    ServiceInput in;
    const auto part = [&](std::size_t material, Field alpha, Field t, Field cp, Field shift) {
        FeatureConditions c;
        c.material = &Materials()[material];
        c.overrides.expansionPerKelvin = value(alpha);
        if (range) {
            c.range = TemperatureRange{*value(Field::From), *value(Field::To)};
        } else {
            c.temperature = *value(t);
        }
        c.spread = {*value(cp), *value(shift)};
        return c;
    };
    in.hole = part(holeMaterial_, Field::HoleAlpha, Field::HoleT, Field::HoleCp, Field::HoleShift);
    in.shaft = part(shaftMaterial_, Field::ShaftAlpha, Field::ShaftT, Field::ShaftCp, Field::ShaftShift);
    in.coupling = RangeCoupling::Together;
    in.statistics = true;
    in.distribution = controls_.At(kUniform).checked ? SizeDistribution::Uniform : SizeDistribution::Normal;
    if (value(Field::Low)) in.wanted = ClearanceRange{*value(Field::Low), *value(Field::High)};
    return in;
}

void ServiceModel::Update() {
    input_.reset();
    result_.reset();
    controls_.At(kMessage).text.clear();
    for (int id : kResultIds) controls_.At(id).text.clear();
    for (std::size_t column = 0; column < kStatisticsPoint.size(); ++column) {
        controls_.At(kStatisticsPoint[column]).text.clear();
        for (std::size_t row = 0; row < kStatisticsRowCount; ++row)
            controls_.At(StatisticsResult(column, row)).text.clear();
    }
    const bool range = controls_.At(kRange).checked;
    controls_.At(kHoleTemperature).enabled = !range;
    controls_.At(kShaftTemperature).enabled = !range;
    controls_.At(kRangeFrom).enabled = range;
    controls_.At(kRangeTo).enabled = range;
    std::optional<ServiceInput> in = ReadInput();
    if (!in) return;
    // The diagram's features are the main window's evaluated limits, none while it shows placeholders.
    const ZoneDiagramInput pair = main_.ZoneInput();
    if (!pair.hole || !pair.shaft) {
        controls_.At(kMessage).text = ja::kServiceNoPair;
        return;
    }
    FitNumbers fit{pair.hole->upperLimit,  pair.hole->lowerLimit, pair.shaft->upperLimit,
                   pair.shaft->lowerLimit, main_.Fit(),           0.0};
    auto computed = EvaluateService(fit, *in);
    if (const auto* error = std::get_if<ServiceError>(&computed)) {
        controls_.At(kMessage).text = ServiceErrorText(*error, *in);
        return;
    }
    input_ = std::move(in);
    result_ = std::get<ServiceResult>(std::move(computed));
    ShowResult(*result_);
}

void ServiceModel::ShowResult(const ServiceResult& r) {
    const ServiceWording& w = kServiceJapanese;
    const auto set = [&](int id, std::string text) { controls_.At(id).text = std::move(text); };
    if (r.atTemperature) {
        const ThermalFit& fit = *r.atTemperature;
        set(kKind, std::string(w.kindName(fit.amounts.kind)));
        set(kHoleLimits, LimitsText(fit.limits.holeLower, fit.limits.holeUpper));
        set(kShaftLimits, LimitsText(fit.limits.shaftLower, fit.limits.shaftUpper));
        set(kMaximumClearance, ServiceAmount(fit.amounts.maximumClearance, w));
        set(kMinimumClearance, ServiceAmount(fit.amounts.minimumClearance, w));
        set(kMeanClearance, ServiceAmount(fit.amounts.meanClearance, w));
    }
    if (r.overRange) {
        const ThermalRange& range = *r.overRange;
        set(kStartKind, std::string(w.kindName(range.start.amounts.kind)));
        set(kEndKind, std::string(w.kindName(range.end.amounts.kind)));
        set(kSmallest, FillIn(ja::kServiceAmountAt, {ServiceAmount(range.minimum.lowest.clearance, w),
                                                     ServicePoint(range.minimum.lowest.at, w)}));
        set(kLargest, FillIn(ja::kServiceAmountAt, {ServiceAmount(range.maximum.highest.clearance, w),
                                                    ServicePoint(range.maximum.highest.at, w)}));
        const ClearanceOverRange* measures[] = {&range.maximum, &range.minimum, &range.mean};
        for (std::size_t k = 0; k < kZeroAt.size(); ++k)
            set(kZeroAt[k],
                measures[k]->zeroAt ? ServicePoint(*measures[k]->zeroAt, w) : std::string(ja::kServiceNone));
        set(kKindChanges, std::string(range.kindChanges ? w.kindChanges : w.kindKept));
    }
    for (std::size_t column = 0; column < r.statistics.size() && column < kStatisticsPoint.size(); ++column) {
        const StatisticsAt& at = r.statistics[column];
        const ClearanceStatistics& s = at.statistics;
        set(kStatisticsPoint[column], ServicePoint(at.at, w));
        const std::string none(ja::kServiceNone);
        const std::string rows[kStatisticsRowCount] = {
            ServiceMillimetres(s.mean),
            ServiceSigma(s.sigma),
            SpanText(s.statisticalLow, s.statisticalHigh),
            SpanText(s.worstLow, s.worstHigh),
            PercentText(s.interference),
            PercentText(s.clearance),
            s.wanted ? PercentText(s.belowWanted) : none,
            s.wanted ? PercentText(s.aboveWanted) : none,
        };
        for (std::size_t row = 0; row < kStatisticsRowCount; ++row)
            set(StatisticsResult(column, row), rows[row]);
    }
}

std::optional<ZoneServiceOverlay> ServiceModel::Overlay() const {
    if (closed_ || !result_) return std::nullopt;
    // Over a range the zones are drawn where it ends (both parts at its end).
    const ThermalFit& fit = result_->atTemperature ? *result_->atTemperature : result_->overRange->end;
    ZoneServiceOverlay o;
    o.holeUpperLimit = fit.limits.holeUpper;
    o.holeLowerLimit = fit.limits.holeLower;
    o.shaftUpperLimit = fit.limits.shaftUpper;
    o.shaftLowerLimit = fit.limits.shaftLower;
    o.holeTemperature = fit.hole.temperature;
    o.shaftTemperature = fit.shaft.temperature;
    const TemperaturePoint at{fit.hole.temperature, fit.shaft.temperature};
    for (const StatisticsAt& s : result_->statistics) {
        if (s.at == at)
            o.clearanceBand = std::array{s.statistics.statisticalLow, s.statistics.statisticalHigh};
    }
    return o;
}

std::string ServiceModel::Lines() const {
    if (closed_ || !input_ || !result_) return {};
    std::string out = FillIn(ja::kServiceReportHeading, {Materials()[holeMaterial_].japaneseName,
                                                         Materials()[shaftMaterial_].japaneseName});
    out += "\n";
    return out + ServiceText(*input_, *result_, true, kServiceJapanese);
}

std::string ServiceModel::ReportText() const {
    return CrLfLines(Lines());
}

std::optional<SheetSection> ServiceModel::SheetSectionOf() const {
    return SheetSectionFromLines(std::string(ja::kServiceTitle), Lines());
}

void ServiceModel::Refresh() {
    if (Open()) Update();
}

void ServiceModel::OnEditChanged(int id, std::string_view text) {
    if (!Open() || !TakeTypedText(controls_, id, text)) return;
    Update();
}

void ServiceModel::OnClicked(int id) {
    const ControlState* control = controls_.Find(id);
    if (!Open() || control == nullptr || !control->enabled) return;
    if (id == kCloseButton) {
        OnEscape();
        return;
    }
    if (id == kNormal || id == kUniform) {
        controls_.At(kNormal).checked = id == kNormal;
        controls_.At(kUniform).checked = id == kUniform;
    } else if (id == kRange) {
        controls_.At(id).checked = !control->checked;
    } else {
        return;
    }
    Update();
}

void ServiceModel::OnClassScroll(int id, ScrollCode code) {
    const ControlState* control = controls_.Find(id);
    if (!Open() || control == nullptr || !control->enabled) return;
    if (id != kHoleMaterialScroll && id != kShaftMaterialScroll) return;
    const bool hole = id == kHoleMaterialScroll;
    const std::size_t index = SteppedIndex(hole ? holeMaterial_ : shaftMaterial_, Materials().size(), code);
    if (index == (hole ? holeMaterial_ : shaftMaterial_)) return;
    SetMaterial(hole, index);
    Update();
}

void ServiceModel::OnFocus(int id) {
    const ControlState* control = controls_.Find(id);
    if (Open() && control != nullptr && control->enabled && CanTakeFocus(control->kind)) focus_ = id;
}

void ServiceModel::OnEscape() {
    closed_ = true;
    input_.reset();
    result_.reset();
}

}  // namespace tolvo
