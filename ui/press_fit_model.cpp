#include "ui/press_fit_model.h"

#include <utility>
#include <variant>

#include "core/materials.h"
#include "core/number_text.h"
#include "core/press_fit_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

using namespace press_dialog;
constexpr std::array<int, 3> kPairEdits = {kJointDiameter, kMinimumInterference, kMaximumInterference};

// A number edit, the value of the input it gives, and whether it may be left blank.
struct NumberEdit {
    int id;
    PressFitField field;
    bool optional;
};
constexpr NumberEdit kPairNumbers[] = {
    {kJointDiameter, PressFitField::JointDiameter, false},
    {kMinimumInterference, PressFitField::MinimumInterference, false},
    {kMaximumInterference, PressFitField::MaximumInterference, false},
};
// In the order of the dialog, so that the first refused is the first the user reads.
constexpr NumberEdit kJointNumbers[] = {
    {kHubOuterDiameter, PressFitField::HubOuterDiameter, false},
    {kLength, PressFitField::Length, false},
    {kShaftBore, PressFitField::ShaftBore, false},
    {kFriction, PressFitField::Friction, false},
    {kPressFriction, PressFitField::PressFriction, true},
    {kHubValues[0], PressFitField::HubElasticModulus, false},
    {kShaftValues[0], PressFitField::ShaftElasticModulus, false},
    {kHubValues[1], PressFitField::HubPoissonRatio, false},
    {kShaftValues[1], PressFitField::ShaftPoissonRatio, false},
    {kHubValues[2], PressFitField::HubExpansion, false},
    {kShaftValues[2], PressFitField::ShaftExpansion, false},
    {kHubValues[3], PressFitField::HubStrength, false},
    {kShaftValues[3], PressFitField::ShaftStrength, false},
    {kHubValues[4], PressFitField::HubDensity, false},
    {kShaftValues[4], PressFitField::ShaftDensity, false},
    {kHubRoughness, PressFitField::HubRoughness, true},
    {kShaftRoughness, PressFitField::ShaftRoughness, true},
    {kHubServiceTemperature, PressFitField::HubTemperature, true},
    {kShaftServiceTemperature, PressFitField::ShaftTemperature, true},
    {kSpeed, PressFitField::Speed, true},
    {kRoomTemperature, PressFitField::RoomTemperature, false},
    {kMountingClearance, PressFitField::MountingClearance, true},
    {kMinimumSafety, PressFitField::MinimumSafety, false},
};

std::string_view FieldName(PressFitField field) {
    return ja::kPressFieldNames[static_cast<std::size_t>(field)];
}

// The main window keeps the last limit sizes while its basic size is blank; they are no longer shown.
bool HasLimits(const FeatureState& s) {
    return s.hasLimits && s.basicSize > 0.0;
}

std::string Millimetres(double value) {
    return FormatGKeepingFourDecimals(RoundToSixDecimals(value));
}

// Texts that end in "\n" each, as lines joined by "\r\n".
void AppendLine(std::string& out, std::string_view line) {
    if (line.ends_with('\n')) line.remove_suffix(1);
    if (!out.empty()) out += "\r\n";
    out += line;
}

}  // namespace

PressFitModel::PressFitModel(MainModel& main)
    : main_(main), controls_(kPressFitDialog), focus_(kHubOuterDiameter) {
    controls_.At(kSmoothingCurrent).checked = true;
    SetMaterial(true, 0);
    SetMaterial(false, 0);
    Update();
    main_.SetPressFitReport([this] { return ReportText(); });
}

PressFitModel::~PressFitModel() {
    main_.SetPressFitReport({});
}

void PressFitModel::SetMaterial(bool hub, std::size_t index) {
    const Material& m = Materials()[index];
    (hub ? hubMaterial_ : shaftMaterial_) = index;
    controls_.At(hub ? kHubMaterial : kShaftMaterial).text = m.japaneseName;
    const MaterialProperties& p = m.properties;
    const double values[] = {p.elasticModulusGpa, p.poissonRatio, p.expansionPerKelvin, p.strengthMpa,
                             p.densityKgPerM3};
    const auto& ids = hub ? kHubValues : kShaftValues;
    for (std::size_t k = 0; k < ids.size(); ++k) controls_.At(ids[k]).text = FormatG(values[k]);
}

void PressFitModel::ShowLivePair() {
    const FeatureState& hole = main_.Feature(FeatureKind::Hole);
    const FeatureState& shaft = main_.Feature(FeatureKind::Shaft);
    const bool pair = HasLimits(hole) && HasLimits(shaft);
    const FitResult& fit = main_.Fit();
    controls_.At(kJointDiameter).text = pair ? FormatG(hole.basicSize) : std::string();
    controls_.At(kMinimumInterference).text = pair ? Millimetres(-fit.maximumClearance) : std::string();
    controls_.At(kMaximumInterference).text = pair ? Millimetres(-fit.minimumClearance) : std::string();
}

std::optional<PressFitInput> PressFitModel::ReadInput() {
    std::string& message = controls_.At(kMessage).text;
    const bool typed = controls_.At(kTypedInterference).checked;
    PressFitInput in;
    if (!typed) {
        const FeatureState& hole = main_.Feature(FeatureKind::Hole);
        if (!HasLimits(hole) || !HasLimits(main_.Feature(FeatureKind::Shaft))) {
            message = ja::kPressFitNoPair;
            return std::nullopt;
        }
        SetInterferenceFromFit(in, hole.basicSize, main_.Fit());
    }
    // Every number first, so that a text that is none is named before a value out of range.
    std::array<std::optional<double>, static_cast<std::size_t>(PressFitField::Result)> values{};
    const auto read = [&](const NumberEdit& e) {
        const std::string& text = controls_.At(e.id).text;
        if (IsBlankText(text)) {
            if (e.optional) return true;
            message = (e.id == kHubOuterDiameter || e.id == kLength) &&
                              IsBlankText(controls_.At(kLength).text) &&
                              IsBlankText(controls_.At(kHubOuterDiameter).text)
                          ? std::string(ja::kPressFitSizesMissing)
                          : FillIn(ja::kPressFitValueMissing, {FieldName(e.field)});
            return false;
        }
        const NumberReading reading = ReadNumber(text);
        if (reading.number.empty() || !reading.whole) {
            message = FillIn(ja::kNotANumber, {text});
            return false;
        }
        values[static_cast<std::size_t>(e.field)] = reading.value;
        return true;
    };
    if (typed) {
        for (const NumberEdit& e : kPairNumbers) {
            if (!read(e)) return std::nullopt;
        }
    }
    for (const NumberEdit& e : kJointNumbers) {
        if (!read(e)) return std::nullopt;
    }
    const auto value = [&](PressFitField f) { return values[static_cast<std::size_t>(f)]; };
    if (typed) {
        in.jointDiameterMm = *value(PressFitField::JointDiameter);
        in.minimumInterferenceMm = *value(PressFitField::MinimumInterference);
        in.maximumInterferenceMm = *value(PressFitField::MaximumInterference);
    }
    in.hubOuterDiameterMm = *value(PressFitField::HubOuterDiameter);
    in.lengthMm = *value(PressFitField::Length);
    in.shaftBoreMm = *value(PressFitField::ShaftBore);
    in.friction = *value(PressFitField::Friction);
    in.pressFriction = value(PressFitField::PressFriction);
    const auto part = [&](std::size_t material, PressFitField first, std::optional<double> roughness) {
        // The five values of a part are in PressFitField's order, the hub's and the shaft's alternating.
        const auto at = [&](int k) {
            return *value(static_cast<PressFitField>(static_cast<int>(first) + 2 * k));
        };
        PressFitPart p;
        p.material = {at(0), at(1), at(2), at(3), at(4)};
        p.brittle = Materials()[material].brittle;
        p.roughnessRzUm = roughness;
        return p;
    };
    in.hub = part(hubMaterial_, PressFitField::HubElasticModulus, value(PressFitField::HubRoughness));
    in.shaft = part(shaftMaterial_, PressFitField::ShaftElasticModulus, value(PressFitField::ShaftRoughness));
    in.smoothing = controls_.At(kSmoothingOlder).checked ? Smoothing::Older : Smoothing::Current;
    in.speedRpm = value(PressFitField::Speed);
    in.hub.serviceTemperature = value(PressFitField::HubTemperature);
    in.shaft.serviceTemperature = value(PressFitField::ShaftTemperature);
    in.roomTemperature = *value(PressFitField::RoomTemperature);
    in.mountingClearanceMm = value(PressFitField::MountingClearance);
    in.minimumSafety = *value(PressFitField::MinimumSafety);
    return in;
}

void PressFitModel::Update() {
    input_.reset();
    result_.reset();
    controls_.At(kMessage).text.clear();
    controls_.At(kFindings).text.clear();
    for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
        controls_.At(MinimumResult(k)).text.clear();
        controls_.At(MaximumResult(k)).text.clear();
    }
    controls_.At(kShrinkHubTemperature).text.clear();
    controls_.At(kCoolShaftTemperature).text.clear();
    const bool typed = controls_.At(kTypedInterference).checked;
    for (int id : kPairEdits) controls_.At(id).enabled = typed;
    if (!typed) ShowLivePair();
    std::optional<PressFitInput> in = ReadInput();
    if (!in) return;
    auto computed = ComputePressFit(*in);
    if (const auto* problem = std::get_if<PressFitProblem>(&computed)) {
        controls_.At(kMessage).text = PressFitProblemText(*problem, *in);
        return;
    }
    input_ = std::move(in);
    result_ = std::get<PressFitResult>(computed);
    ShowResult(*input_, *result_);
}

void PressFitModel::ShowResult(const PressFitInput& in, const PressFitResult& result) {
    std::string& findings = controls_.At(kFindings).text;
    for (const PressFitFinding& f : PressFitWarnings(in, result))
        AppendLine(findings,
                   FillIn(ja::kPressWarning, {PressFitFindingText(f, in, result, kPressFitJapanese)}));
    for (const PressFitFinding& f : PressFitNotes(in, result))
        AppendLine(findings, FillIn(ja::kPressNote, {PressFitFindingText(f, in, result, kPressFitJapanese)}));
    // A clearance pair has no joint: no numbers are made up for one.
    if (!result.joint) return;
    const PressFitJoint& j = *result.joint;
    for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
        controls_.At(MinimumResult(k)).text = PressFitValueText(kPressFitRows[k].value(j.ends[0]));
        controls_.At(MaximumResult(k)).text = PressFitValueText(kPressFitRows[k].value(j.ends[1]));
    }
    controls_.At(kShrinkHubTemperature).text = PressFitTemperatureText(j.shrinkHubTemperature);
    controls_.At(kCoolShaftTemperature).text =
        j.coolingBelowAbsoluteZero ? std::string("-") : PressFitTemperatureText(j.coolShaftTemperature);
}

std::string PressFitModel::ReportText() const {
    if (closed_ || !input_ || !result_) return {};
    const PressFitInput& in = *input_;
    std::string out;
    if (!result_->joint) {
        const PressFitFinding none{"noInterference", PressFitFindingKind::NoInterference};
        AppendLine(out, FillIn(ja::kPressFitReportHeading,
                               {PressFitFindingText(none, in, *result_, kPressFitJapanese)}));
        return out;
    }
    const PressFitJoint& j = *result_->joint;
    std::string_view columns = ja::kPressColumns;
    if (columns.ends_with('\n')) columns.remove_suffix(1);
    AppendLine(out, FillIn(ja::kPressFitReportHeading, {columns}));
    for (const PressFitRow& row : kPressFitRows) {
        if (IsPressFitRowShown(in, row.shown))
            AppendLine(out, "  " + std::string(row.japanese) + std::string(ja::kPressLabelEnd) +
                                PressFitEndsText(row, j));
    }
    AppendLine(out, FillIn(j.coolingBelowAbsoluteZero ? ja::kPressShrinkHubOnly : ja::kPressShrink,
                           {PressFitTemperatureText(j.shrinkHubTemperature),
                            PressFitTemperatureText(j.coolShaftTemperature), FormatG(in.roomTemperature),
                            FormatG(j.mountingClearanceMm)}));
    for (const PressFitFinding& f : PressFitWarnings(in, *result_))
        AppendLine(out, FillIn(ja::kPressWarning, {PressFitFindingText(f, in, *result_, kPressFitJapanese)}));
    for (const PressFitFinding& f : PressFitNotes(in, *result_))
        AppendLine(out, FillIn(ja::kPressNote, {PressFitFindingText(f, in, *result_, kPressFitJapanese)}));
    return out;
}

void PressFitModel::Refresh() {
    if (Open() && !controls_.At(kTypedInterference).checked) Update();
}

void PressFitModel::OnEditChanged(int id, std::string_view text) {
    if (!Open() || !TakeTypedText(controls_, id, text)) return;
    Update();
}

void PressFitModel::OnClicked(int id) {
    const ControlState* control = controls_.Find(id);
    if (!Open() || control == nullptr || !control->enabled) return;
    if (id == kCloseButton) {
        closed_ = true;
        return;
    }
    if (id == kSmoothingCurrent || id == kSmoothingOlder) {
        controls_.At(kSmoothingCurrent).checked = id == kSmoothingCurrent;
        controls_.At(kSmoothingOlder).checked = id == kSmoothingOlder;
    } else if (id == kTypedInterference) {
        const bool typed = !control->checked;
        controls_.At(id).checked = typed;
        if (typed && typed_) {
            // What was typed before comes back; else the pair's values are the start.
            for (std::size_t k = 0; k < kPairEdits.size(); ++k)
                controls_.At(kPairEdits[k]).text = (*typed_)[k];
        } else if (!typed) {
            typed_.emplace();
            for (std::size_t k = 0; k < kPairEdits.size(); ++k)
                (*typed_)[k] = controls_.At(kPairEdits[k]).text;
        }
    } else {
        return;
    }
    Update();
}

void PressFitModel::OnClassScroll(int id, ScrollCode code) {
    const ControlState* control = controls_.Find(id);
    if (!Open() || control == nullptr || !control->enabled) return;
    if (id != kHubMaterialScroll && id != kShaftMaterialScroll) return;
    const bool hub = id == kHubMaterialScroll;
    const std::size_t index = SteppedIndex(hub ? hubMaterial_ : shaftMaterial_, Materials().size(), code);
    if (index == (hub ? hubMaterial_ : shaftMaterial_)) return;
    SetMaterial(hub, index);
    Update();
}

void PressFitModel::OnFocus(int id) {
    const ControlState* control = controls_.Find(id);
    if (Open() && control != nullptr && control->enabled && CanTakeFocus(control->kind)) focus_ = id;
}

void PressFitModel::OnEscape() {
    closed_ = true;
}

}  // namespace tolvo
