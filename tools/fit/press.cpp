#include "tools/fit/press.h"

#include <cmath>
#include <utility>
#include <vector>

#include "core/json_writer.h"
#include "core/number_text.h"
#include "core/press_fit_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "tools/fit/result.h"
#include "tools/fit/texts.h"

namespace tolvo::fit {
namespace {

// The material a part is of when none is named.
constexpr std::string_view kDefaultMaterial = "steel";

// The texts of one language.
struct Catalogue {
    std::string_view title, part, outside, solid, bore, yield, tensile, joint, stiffness, columns, labelEnd;
    std::string_view shrink, shrinkHubOnly, warning, note, noInterference, noPressure, yields, cracks;
    std::string_view belowNitrogen, belowAbsoluteZero, elastic, speedNote;
    const std::string_view* ends;   // minimum, maximum
    const std::string_view* parts;  // hub, shaft
    bool japanese;
};

constexpr Catalogue kEnglish{en::kPressTitle,
                             en::kPressPart,
                             en::kPressOutside,
                             en::kPressSolid,
                             en::kPressBore,
                             en::kPressYield,
                             en::kPressTensile,
                             en::kPressJoint,
                             en::kPressStiffness,
                             en::kPressColumns,
                             "",
                             en::kPressShrink,
                             en::kPressShrinkHubOnly,
                             en::kPressWarning,
                             en::kPressNote,
                             en::kPressNoInterference,
                             en::kPressNoPressure,
                             en::kPressYields,
                             en::kPressCracks,
                             en::kPressBelowNitrogen,
                             en::kPressBelowAbsoluteZero,
                             en::kPressElastic,
                             en::kPressSpeedNote,
                             en::kPressEnds,
                             en::kPressParts,
                             false};

constexpr Catalogue kJapanese{ja::kPressTitle,
                              ja::kPressPart,
                              ja::kPressOutside,
                              ja::kPressSolid,
                              ja::kPressBore,
                              ja::kPressYield,
                              ja::kPressTensile,
                              ja::kPressJoint,
                              ja::kPressStiffness,
                              ja::kPressColumns,
                              ja::kPressLabelEnd,
                              ja::kPressShrink,
                              ja::kPressShrinkHubOnly,
                              ja::kPressWarning,
                              ja::kPressNote,
                              ja::kPressNoInterference,
                              ja::kPressNoPressure,
                              ja::kPressYields,
                              ja::kPressCracks,
                              ja::kPressBelowNitrogen,
                              ja::kPressBelowAbsoluteZero,
                              ja::kPressElastic,
                              ja::kPressSpeedNote,
                              ja::kPressEnds,
                              ja::kPressParts,
                              true};

const Catalogue& CatalogueOf(Language language) {
    return language == Language::Japanese ? kJapanese : kEnglish;
}

// tolvo-fit's English labels of core's rows, in their order.
constexpr std::string_view kEnglishRowLabels[] = {
    en::kPressInterference,    en::kPressRoughnessLoss, en::kPressTemperatureLoss, en::kPressSpeedLoss,
    en::kPressEffective,       en::kPressPressure,      en::kPressHubTangential,   en::kPressHubRadial,
    en::kPressHubEquivalent,   en::kPressHubOutside,    en::kPressShaftTangential, en::kPressShaftRadial,
    en::kPressShaftEquivalent, en::kPressHubSafety,     en::kPressShaftSafety,     en::kPressTorque,
    en::kPressAxial,           en::kPressForce,
};
static_assert(std::size(kEnglishRowLabels) == kPressFitRowCount);

// How a refusal names the value at fault: the option that gives it, or what it is.
constexpr std::pair<PressFitField, std::string_view> kFieldNames[] = {
    {PressFitField::JointDiameter, "SIZE"},
    {PressFitField::MinimumInterference, "--interference"},
    {PressFitField::MaximumInterference, "--interference"},
    {PressFitField::HubOuterDiameter, "--hub-od"},
    {PressFitField::ShaftBore, "--shaft-bore"},
    {PressFitField::Length, "--length"},
    {PressFitField::Friction, "--mu"},
    {PressFitField::PressFriction, "--mu-press"},
    {PressFitField::HubElasticModulus, "--hub-e"},
    {PressFitField::ShaftElasticModulus, "--shaft-e"},
    {PressFitField::HubPoissonRatio, "--hub-nu"},
    {PressFitField::ShaftPoissonRatio, "--shaft-nu"},
    {PressFitField::HubExpansion, "--hub-alpha"},
    {PressFitField::ShaftExpansion, en::kPressValueNames[2]},
    {PressFitField::HubStrength, "--hub-yield"},
    {PressFitField::ShaftStrength, "--shaft-yield"},
    {PressFitField::HubDensity, en::kPressValueNames[0]},
    {PressFitField::ShaftDensity, en::kPressValueNames[1]},
    {PressFitField::HubRoughness, "--rz-hub"},
    {PressFitField::ShaftRoughness, "--rz-shaft"},
    {PressFitField::HubTemperature, "--hub-temperature"},
    {PressFitField::ShaftTemperature, "--shaft-temperature"},
    {PressFitField::Speed, "--rpm"},
    {PressFitField::RoomTemperature, "--room-temperature"},
    {PressFitField::MountingClearance, "--mounting-clearance"},
    {PressFitField::MinimumSafety, en::kPressValueNames[3]},
};
// clang-format on

std::string_view FieldName(PressFitField field) {
    for (const auto& [f, name] : kFieldNames) {
        if (f == field) return name;
    }
    return {};
}

std::string ProblemMessage(const PressFitProblem& problem, const PressFitInput& in) {
    const std::string_view name = FieldName(problem.field);
    const std::string diameter = FormatG(in.jointDiameterMm);
    switch (problem.fault) {
        case PressFitFault::NotFinite:
            return FillIn(en::kPressNotFinite, {name});
        case PressFitFault::NotPositive:
            return FillIn(en::kPressNotPositive, {name});
        case PressFitFault::Negative:
            return FillIn(en::kPressNegative, {name});
        case PressFitFault::NotAboveJoint:
            return FillIn(en::kPressNotAboveJoint, {name, diameter});
        case PressFitFault::NotBelowJoint:
            return FillIn(en::kPressNotBelowJoint, {name, diameter});
        case PressFitFault::PoissonOutOfRange:
            return FillIn(en::kPressPoisson, {name});
        case PressFitFault::BelowAbsoluteZero:
            return FillIn(en::kPressBelowAbsolute, {name});
        case PressFitFault::MinimumAboveMaximum:
            return FillIn(en::kPressReversed, {name});
        case PressFitFault::BeyondNumbers:
            break;
    }
    return std::string(en::kPressResultBeyond);
}

PressFitPart Part(const Material& material, std::optional<double> modulus, std::optional<double> poisson,
                  std::optional<double> expansion, std::optional<double> strength,
                  std::optional<double> roughness) {
    PressFitPart part;
    MaterialOverrides given;
    given.elasticModulusGpa = modulus;
    given.poissonRatio = poisson;
    given.expansionPerKelvin = expansion;
    given.strengthMpa = strength;
    part.material = WithOverrides(material.properties, given);
    part.brittle = material.brittle;
    part.roughnessRzUm = roughness;
    return part;
}

// A warning or a note: its JSON code and its text.
struct Finding {
    std::string_view code;
    std::string text;
};

std::vector<Finding> Worded(const PressReport& r, const Catalogue& c,
                            const std::vector<PressFitFinding>& findings) {
    const PressFitWording wording{c.noInterference,    c.noPressure, c.yields,    c.cracks, c.belowNitrogen,
                                  c.belowAbsoluteZero, c.elastic,    c.speedNote, c.ends,   c.parts};
    std::vector<Finding> worded;
    for (const PressFitFinding& f : findings)
        worded.push_back({f.code, PressFitFindingText(f, r.input, r.result, wording)});
    return worded;
}

std::vector<Finding> Warnings(const PressReport& r, const Catalogue& c) {
    return Worded(r, c, PressFitWarnings(r.input, r.result));
}

std::vector<Finding> Notes(const PressReport& r, const Catalogue& c) {
    return Worded(r, c, PressFitNotes(r.input, r.result));
}

std::string MaterialName(const Material& m, const Catalogue& c) {
    if (c.japanese) return std::string(m.japaneseName);
    return std::string(m.englishName) + " (" + std::string(m.grade) + ")";
}

std::string PartLine(const PressReport& r, std::size_t which, const Catalogue& c) {
    const bool hub = which == 0;
    const PressFitPart& part = hub ? r.input.hub : r.input.shaft;
    const MaterialProperties& m = part.material;
    std::string shape;
    if (hub) {
        shape = FillIn(c.outside, {FormatG(r.input.hubOuterDiameterMm)});
    } else {
        shape =
            r.input.shaftBoreMm > 0.0 ? FillIn(c.bore, {FormatG(r.input.shaftBoreMm)}) : std::string(c.solid);
    }
    return FillIn(c.part,
                  {c.parts[which], MaterialName(hub ? *r.hubMaterial : *r.shaftMaterial, c), shape,
                   FormatG(m.elasticModulusGpa), FormatG(m.poissonRatio), FormatG(m.expansionPerKelvin),
                   part.brittle ? c.tensile : c.yield, FormatG(m.strengthMpa)});
}

void AppendKey(std::string& out, std::string_view key) {
    out += '"';
    out += key;
    out += "\":";
}

void AppendField(std::string& out, std::string_view key, std::optional<double> value) {
    AppendKey(out, key);
    if (value) {
        json::AppendNumber(out, *value);
    } else {
        out += "null";
    }
    out += ',';
}

void AppendPartJson(std::string& out, const PressFitPart& part, const Material& material, bool hub,
                    const PressFitInput& in) {
    const MaterialProperties& m = part.material;
    out += "{";
    AppendKey(out, "material");
    json::AppendString(out, material.key);
    out += ',';
    if (hub) {
        AppendField(out, "outerDiameter_mm", in.hubOuterDiameterMm);
    } else {
        AppendField(out, "bore_mm", in.shaftBoreMm);
    }
    AppendField(out, "elasticModulus_GPa", m.elasticModulusGpa);
    AppendField(out, "poissonRatio", m.poissonRatio);
    AppendField(out, "expansion_perK", m.expansionPerKelvin);
    AppendField(out, "strength_MPa", m.strengthMpa);
    out += part.brittle ? "\"strengthIsTensile\":true," : "\"strengthIsTensile\":false,";
    AppendField(out, "density_kgPerM3", m.densityKgPerM3);
    AppendField(out, "roughnessRz_um", part.roughnessRzUm);
    AppendField(out, "serviceTemperature_C", part.serviceTemperature);
    out.back() = '}';
}

void AppendCodes(std::string& out, std::string_view key, const std::vector<Finding>& findings) {
    AppendKey(out, key);
    out += '[';
    for (const Finding& f : findings) {
        json::AppendString(out, f.code);
        out += ',';
    }
    if (out.back() == ',') out.pop_back();
    out += "],";
}

}  // namespace

std::optional<Error> CheckPressWords(const Options& options) {
    const PressOptions& press = options.press;
    const std::vector<std::string>& words = options.words;
    if (press.interferenceMin) {
        if (words.size() > 1) return Error{FillIn(en::kPressPairOrInterference, {Quoted(words[1])})};
    } else if (words.size() == 3) {
        return Error{std::string(en::kPressOneSize)};
    }
    if (words.size() != (press.interferenceMin ? 1u : 2u)) return Error{std::string(en::kPressWordsMissing)};
    if (!IsWholeNumber(words[0])) return Error{FillIn(en::kNotANumber, {en::kSizeWord, Quoted(words[0])})};
    if (!press.hubOuterDiameter || !press.length) return Error{std::string(en::kPressNeedsSizes)};
    return std::nullopt;
}

std::variant<PressReport, Error> EvaluatePress(const Options& options) {
    const PressOptions& o = options.press;
    PressReport r;
    PressFitInput& in = r.input;
    if (o.interferenceMin) {
        in.jointDiameterMm = ParseNumber(options.words[0]);
        in.minimumInterferenceMm = *o.interferenceMin;
        in.maximumInterferenceMm = *o.interferenceMax;
    } else {
        auto query = ParseQuery(std::span<const std::string>(options.words));
        if (auto* e = std::get_if<Error>(&query)) return *e;
        auto evaluated = Evaluate(std::get<Query>(query));
        if (auto* e = std::get_if<Error>(&evaluated)) return *e;
        const Result& pair = std::get<Result>(evaluated);
        SetInterferenceFromFit(in, pair.hole.basicSize, pair.fit.numbers->result);
        r.pairText = options.words[1];
    }
    r.hubMaterial = o.hubMaterial ? o.hubMaterial : FindMaterial(kDefaultMaterial);
    r.shaftMaterial = o.shaftMaterial ? o.shaftMaterial : FindMaterial(kDefaultMaterial);
    in.hub = Part(*r.hubMaterial, o.hubModulus, o.hubPoisson, o.hubExpansion, o.hubStrength, o.hubRoughness);
    in.shaft = Part(*r.shaftMaterial, o.shaftModulus, o.shaftPoisson, std::nullopt, o.shaftStrength,
                    o.shaftRoughness);
    in.hubOuterDiameterMm = *o.hubOuterDiameter;
    in.lengthMm = *o.length;
    in.shaftBoreMm = o.shaftBore.value_or(0.0);
    in.friction = o.friction.value_or(in.friction);
    in.pressFriction = o.pressFriction;
    in.smoothing = o.smoothing.value_or(Smoothing::Current);
    in.speedRpm = o.speed;
    in.hub.serviceTemperature = o.hubTemperature;
    in.shaft.serviceTemperature = o.shaftTemperature;
    in.roomTemperature = o.roomTemperature.value_or(in.roomTemperature);
    in.mountingClearanceMm = o.mountingClearance;
    auto computed = ComputePressFit(in);
    if (auto* problem = std::get_if<PressFitProblem>(&computed)) return Error{ProblemMessage(*problem, in)};
    r.result = std::get<PressFitResult>(computed);
    return r;
}

std::string WritePressText(const PressReport& r, Language language) {
    const Catalogue& c = CatalogueOf(language);
    const PressFitInput& in = r.input;
    std::string out =
        FillIn(c.title, {std::string(ja::kPhi) + FormatG(in.jointDiameterMm) + std::string(ja::kMillimetres),
                         r.pairText.empty() ? std::string() : " " + r.pairText});
    out += PartLine(r, 0, c) + PartLine(r, 1, c);
    out += FillIn(c.joint, {FormatG(in.lengthMm), FormatG(in.friction),
                            FormatG(in.pressFriction.value_or(in.friction))});
    if (r.result.joint) out += FillIn(c.stiffness, {FormatG(r.result.joint->stiffnessPerMpa)});
    out += '\n';
    if (r.result.joint) {
        const PressFitJoint& j = *r.result.joint;
        out += c.columns;
        for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
            const PressFitRow& row = kPressFitRows[k];
            if (!IsPressFitRowShown(in, row.shown)) continue;
            out += "  ";
            out += c.japanese ? row.japanese : kEnglishRowLabels[k];
            out += c.labelEnd;
            out += PressFitEndsText(row, j);
            out += '\n';
        }
        const std::string room = FormatG(in.roomTemperature);
        const std::string clearance = FormatG(j.mountingClearanceMm);
        out += FillIn(j.coolingBelowAbsoluteZero ? c.shrinkHubOnly : c.shrink,
                      {PressFitTemperatureText(j.shrinkHubTemperature),
                       PressFitTemperatureText(j.coolShaftTemperature), room, clearance});
    }
    for (const Finding& f : Warnings(r, c)) out += FillIn(c.warning, {f.text});
    for (const Finding& f : Notes(r, c)) out += FillIn(c.note, {f.text});
    return out;
}

std::string WritePressJson(const PressReport& r) {
    const PressFitInput& in = r.input;
    std::string out = "{";
    AppendField(out, "jointDiameter_mm", in.jointDiameterMm);
    AppendKey(out, "pair");
    if (r.pairText.empty()) {
        out += "null";
    } else {
        json::AppendString(out, r.pairText);
    }
    out += ',';
    AppendField(out, "minimumInterference_mm", in.minimumInterferenceMm);
    AppendField(out, "maximumInterference_mm", in.maximumInterferenceMm);
    AppendKey(out, "hub");
    AppendPartJson(out, in.hub, *r.hubMaterial, true, in);
    out += ',';
    AppendKey(out, "shaft");
    AppendPartJson(out, in.shaft, *r.shaftMaterial, false, in);
    out += ',';
    AppendField(out, "length_mm", in.lengthMm);
    AppendField(out, "friction", in.friction);
    AppendField(out, "pressFriction", in.pressFriction.value_or(in.friction));
    AppendField(out, "smoothingFactor", SmoothingFactor(in.smoothing));
    AppendField(out, "speed_rpm", in.speedRpm);
    AppendField(out, "roomTemperature_C", in.roomTemperature);
    AppendKey(out, "joint");
    if (!r.result.joint) {
        out += "null,";
    } else {
        const PressFitJoint& j = *r.result.joint;
        out += '{';
        AppendField(out, "stiffness_perMPa", j.stiffnessPerMpa);
        AppendField(out, "mountingClearance_mm", j.mountingClearanceMm);
        constexpr std::string_view kEndKeys[] = {"minimum", "maximum"};
        for (std::size_t e = 0; e < 2; ++e) {
            AppendKey(out, kEndKeys[e]);
            out += '{';
            out += j.ends[e].noPressure ? "\"noPressure\":true," : "\"noPressure\":false,";
            for (const PressFitRow& row : kPressFitRows) AppendField(out, row.jsonName, row.value(j.ends[e]));
            out.back() = '}';
            out += ',';
        }
        AppendField(out, "shrinkHubTemperature_C", j.shrinkHubTemperature);
        AppendField(
            out, "coolShaftTemperature_C",
            j.coolingBelowAbsoluteZero ? std::nullopt : std::optional<double>(j.coolShaftTemperature));
        out.back() = '}';
        out += ',';
    }
    AppendCodes(out, "warnings", Warnings(r, kEnglish));
    AppendCodes(out, "notes", Notes(r, kEnglish));
    out.back() = '}';
    return out + "\n";
}

int PressExitStatus(const PressReport& report) {
    return report.result.joint && !report.result.joint->ends[1].noPressure ? 0 : 1;
}

}  // namespace tolvo::fit
