#include "tools/fit/service.h"

#include <cmath>
#include <vector>

#include "core/json_writer.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/service_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "tools/fit/texts.h"
#include "tools/fit/writers.h"

namespace tolvo::fit {
namespace {

using Values = std::span<const std::string_view>;

// A number from end to end and finite; else the error of `notA`, or of the
// option's range when beyond the range of numbers.
std::variant<double, Error> Number(const OptionSpec& option, std::string_view text, std::string_view notA,
                                   std::string_view range) {
    if (!IsWholeNumber(text)) return Error{FillIn(notA, {option.name, Quoted(text)})};
    const double value = ParseNumber(text);
    if (!std::isfinite(value))
        return Error{FillIn(en::kOptionOutOfRange, {option.name, Quoted(text), range})};
    return value;
}

std::optional<Error> ReadInto(std::optional<double>& into, const OptionSpec& option, std::string_view text,
                              std::string_view notA, std::string_view range) {
    auto value = Number(option, text, notA, range);
    if (auto* e = std::get_if<Error>(&value)) return *e;
    into = std::get<double>(value);
    return std::nullopt;
}

std::optional<Error> ReadSpan(std::optional<TemperatureSpan>& into, const OptionSpec& option, Values values) {
    std::optional<double> from, to;
    if (auto e = ReadInto(from, option, values[0], en::kNotATemperature, en::kTemperatureRange)) return e;
    if (auto e = ReadInto(to, option, values[1], en::kNotATemperature, en::kTemperatureRange)) return e;
    into = TemperatureSpan{*from, *to};
    return std::nullopt;
}

std::optional<Error> ReadMaterial(const Material*& into, const OptionSpec& option, Values values) {
    into = FindMaterial(values[0]);
    if (!into) return Error{FillIn(en::kNotAMaterial, {option.name, Quoted(values[0]), MaterialKeyList()})};
    return std::nullopt;
}

std::string_view EnglishKind(FitKind kind) {
    return kind == FitKind::None ? en::kNoFit : en::kFitKindNames[static_cast<int>(kind) - 1];
}

constexpr ServiceWording kEnglish{en::kServiceAtTemperature,
                                  en::kServicePart,
                                  en::kServiceSeparator,
                                  en::kServiceNoExpansion,
                                  en::kServiceOverRange,
                                  en::kServiceTogether,
                                  en::kServiceIndependent,
                                  en::kServiceAtStart,
                                  en::kServiceAtEnd,
                                  en::kServiceSmallest,
                                  en::kServiceLargest,
                                  en::kServicePoint,
                                  en::kMeanClearance,
                                  en::kMeanInterference,
                                  en::kMeanZero,
                                  "{0}",
                                  en::kServiceZeroAt,
                                  en::kServiceMeasures,
                                  en::kServiceKindChanges,
                                  en::kServiceKindKept,
                                  en::kServiceStatistics,
                                  en::kServiceNormal,
                                  en::kServiceUniform,
                                  en::kServiceMean,
                                  en::kServiceSigma,
                                  en::kServiceThreeSigma,
                                  en::kServiceWorstCase,
                                  en::kServiceInterference,
                                  en::kServiceClearance,
                                  en::kServiceBelowWanted,
                                  en::kServiceAboveWanted,
                                  EnglishKind,
                                  en::kMaxClearanceCaption,
                                  en::kMinClearanceCaption,
                                  en::kMaxInterferenceCaption,
                                  en::kMinInterferenceCaption,
                                  "",
                                  en::kMeanFitLabel,
                                  en::kFeatureWords,
                                  true};

const ServiceWording& WordsOf(Language language) {
    return language == Language::English ? kEnglish : kServiceJapanese;
}

// The words of --materials in one language.
struct MaterialWords {
    std::string_view line, yield, tensile, note;
};
constexpr MaterialWords kEnglishMaterials{en::kMaterialLine, en::kMaterialYield, en::kMaterialTensile,
                                          en::kMaterialsNote};
constexpr MaterialWords kJapaneseMaterials{ja::kFitMaterialLine, ja::kFitMaterialYield,
                                           ja::kFitMaterialTensile, ja::kFitMaterialsNote};

// 23.6e-6: α in the unit a handbook gives it.
std::string Expansion(double alpha) {
    return FormatG(alpha * 1e6) + "e-6";
}

// JSON lengths to the picometre: the binary noise of the products dropped
// (0.03152, not 0.03152000000000044), every digit a designer reads kept.
double Picometres(double mm) {
    const double rounded = std::round(mm * 1e9) / 1e9;
    return rounded == 0.0 ? 0.0 : rounded;
}

// JSON members, each after a comma unless first.
class JsonObject {
  public:
    explicit JsonObject(std::string& out) : out_(out) { out_ += '{'; }
    ~JsonObject() { out_ += '}'; }
    void Number(std::string_view key, double value) {
        Key(key);
        json::AppendNumber(out_, value);
    }
    void Length(std::string_view key, double mm) { Number(key, Picometres(mm)); }
    void Text(std::string_view key, std::string_view value) {
        Key(key);
        json::AppendString(out_, value);
    }
    void Null(std::string_view key) {
        Key(key);
        out_ += "null";
    }
    void Bool(std::string_view key, bool value) {
        Key(key);
        out_ += value ? "true" : "false";
    }
    // The caller writes the value.
    std::string& Key(std::string_view key) {
        if (!first_) out_ += ',';
        first_ = false;
        json::AppendString(out_, key);
        out_ += ':';
        return out_;
    }

  private:
    std::string& out_;
    bool first_ = true;
};

constexpr std::string_view kJsonKinds[] = {"clearance", "transition", "interference"};

void KindJson(JsonObject& o, FitKind kind) {
    if (kind == FitKind::None) {
        o.Null("kind");
    } else {
        o.Text("kind", kJsonKinds[static_cast<int>(kind) - 1]);
    }
}

void LimitsJson(std::string& out, double upper, double lower) {
    JsonObject o(out);
    o.Length("upperLimit", upper);
    o.Length("lowerLimit", lower);
}

void ThermalFitJson(std::string& out, const ThermalFit& fit) {
    JsonObject o(out);
    o.Number("holeC", fit.hole.temperature);
    o.Number("shaftC", fit.shaft.temperature);
    LimitsJson(o.Key("hole"), fit.limits.holeUpper, fit.limits.holeLower);
    LimitsJson(o.Key("shaft"), fit.limits.shaftUpper, fit.limits.shaftLower);
    KindJson(o, fit.amounts.kind);
    o.Length("maxClearance", fit.amounts.maximumClearance);
    o.Length("minClearance", fit.amounts.minimumClearance);
    o.Length("meanClearance", fit.amounts.meanClearance);
}

void PointJson(std::string& out, const TemperaturePoint& p) {
    JsonObject o(out);
    o.Number("holeC", p.hole);
    o.Number("shaftC", p.shaft);
}

void ExtremeJson(std::string& out, const ClearanceExtreme& e) {
    JsonObject o(out);
    o.Length("clearance", e.clearance);
    o.Number("holeC", e.at.hole);
    o.Number("shaftC", e.at.shaft);
}

void OverRangeJson(std::string& out, const ClearanceOverRange& c) {
    JsonObject o(out);
    ExtremeJson(o.Key("lowest"), c.lowest);
    ExtremeJson(o.Key("highest"), c.highest);
    if (c.zeroAt) {
        PointJson(o.Key("zero"), *c.zeroAt);
    } else {
        o.Null("zero");
    }
}

void SpanJson(std::string& out, const TemperatureRange& range) {
    JsonObject o(out);
    o.Number("fromC", range.from);
    o.Number("toC", range.to);
}

void RangeJson(std::string& out, const ThermalRange& r) {
    JsonObject o(out);
    o.Text("coupling", r.coupling == RangeCoupling::Together ? "together" : "independent");
    SpanJson(o.Key("hole"), r.hole);
    SpanJson(o.Key("shaft"), r.shaft);
    ThermalFitJson(o.Key("start"), r.start);
    ThermalFitJson(o.Key("end"), r.end);
    OverRangeJson(o.Key("maxClearance"), r.maximum);
    OverRangeJson(o.Key("minClearance"), r.minimum);
    OverRangeJson(o.Key("meanClearance"), r.mean);
    o.Bool("kindChanges", r.kindChanges);
}

void StatisticsJson(std::string& out, const StatisticsAt& at) {
    const ClearanceStatistics& s = at.statistics;
    JsonObject o(out);
    o.Number("holeC", at.at.hole);
    o.Number("shaftC", at.at.shaft);
    o.Text("distribution", s.distribution == SizeDistribution::Normal ? "normal" : "uniform");
    o.Length("meanClearance", s.mean);
    o.Length("sigma", s.sigma);
    o.Length("statisticalLow", s.statisticalLow);
    o.Length("statisticalHigh", s.statisticalHigh);
    o.Length("worstLow", s.worstLow);
    o.Length("worstHigh", s.worstHigh);
    o.Number("interference", s.interference);
    o.Number("clearance", s.clearance);
    if (s.wanted) {
        JsonObject wanted(o.Key("wanted"));
        wanted.Number("min", s.wanted->minimum);
        wanted.Number("max", s.wanted->maximum);
    } else {
        o.Null("wanted");
    }
    if (s.wanted) {
        o.Number("belowWanted", s.belowWanted);
        o.Number("aboveWanted", s.aboveWanted);
    } else {
        o.Null("belowWanted");
        o.Null("aboveWanted");
    }
}

void PartJson(std::string& out, const FeatureConditions& c, double alpha, bool statistics) {
    JsonObject o(out);
    if (c.material) {
        o.Text("material", c.material->key);
    } else {
        o.Null("material");
    }
    o.Number("expansionPerKelvin", alpha);
    if (c.range) {
        o.Null("temperatureC");
        SpanJson(o.Key("rangeC"), *c.range);
    } else {
        o.Number("temperatureC", c.temperature);
        o.Null("rangeC");
    }
    if (statistics) {
        o.Number("cp", c.spread.cp);
        o.Number("shiftUm", c.spread.shiftMicrometres);
    }
}

std::string ProblemText(const ServiceError& error, const ServiceInput& input) {
    const std::string feature(error.feature ? en::kFeatureWords[static_cast<int>(*error.feature)] : "");
    // Index into kServiceQuantities and kServiceUnits.
    const auto outOfRange = [&](int quantity, std::string_view range) {
        return FillIn(en::kServiceOutOfRange,
                      {feature, en::kServiceQuantities[quantity],
                       ShortestNumber(error.value) + std::string(en::kServiceUnits[quantity]), range});
    };
    switch (error.problem) {
        case ServiceProblem::ExpansionMissing:
            return FillIn(en::kServiceExpansionMissing, {feature});
        case ServiceProblem::ExpansionOutOfRange:
            return outOfRange(0, en::kExpansionRange);
        case ServiceProblem::TemperatureOutOfRange:
            return outOfRange(1, en::kTemperatureRange);
        case ServiceProblem::CpOutOfRange:
            return outOfRange(2, en::kCpRange);
        case ServiceProblem::ShiftOutOfRange:
            return outOfRange(3, en::kShiftRange);
        case ServiceProblem::WantedOutOfRange:
            return std::string(en::kWantedNotANumber);
        case ServiceProblem::WantedReversed:
            break;
    }
    return FillIn(en::kWantedReversed,
                  {ShortestNumber(input.wanted->minimum), ShortestNumber(input.wanted->maximum)});
}

}  // namespace

std::optional<Error> ReadHoleMaterial(const OptionSpec& option, Values values, Options& options) {
    return ReadMaterial(options.service.holeMaterial, option, values);
}
std::optional<Error> ReadShaftMaterial(const OptionSpec& option, Values values, Options& options) {
    // --press takes the same shaft material.
    if (auto error = ReadMaterial(options.service.shaftMaterial, option, values)) return error;
    options.press.shaftMaterial = options.service.shaftMaterial;
    return std::nullopt;
}
std::optional<Error> ReadHoleAlpha(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.holeAlpha, option, values[0], en::kNotAnExpansion, en::kExpansionRange);
}
std::optional<Error> ReadShaftAlpha(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.shaftAlpha, option, values[0], en::kNotAnExpansion, en::kExpansionRange);
}
std::optional<Error> ReadTemperature(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.temperature, option, values[0], en::kNotATemperature,
                    en::kTemperatureRange);
}
std::optional<Error> ReadHoleTemperature(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.holeTemperature, option, values[0], en::kNotATemperature,
                    en::kTemperatureRange);
}
std::optional<Error> ReadShaftTemperature(const OptionSpec& option, Values values, Options& options) {
    // --press takes the same shaft temperature, in service.
    if (auto error = ReadInto(options.service.shaftTemperature, option, values[0], en::kNotATemperature,
                              en::kTemperatureRange))
        return error;
    options.press.shaftTemperature = options.service.shaftTemperature;
    return std::nullopt;
}
std::optional<Error> ReadTemperatureRange(const OptionSpec& option, Values values, Options& options) {
    return ReadSpan(options.service.range, option, values);
}
std::optional<Error> ReadHoleTemperatureRange(const OptionSpec& option, Values values, Options& options) {
    return ReadSpan(options.service.holeRange, option, values);
}
std::optional<Error> ReadShaftTemperatureRange(const OptionSpec& option, Values values, Options& options) {
    return ReadSpan(options.service.shaftRange, option, values);
}
std::optional<Error> ReadStats(const OptionSpec&, Values, Options& options) {
    options.service.stats = true;
    return std::nullopt;
}
std::optional<Error> ReadCp(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.cp, option, values[0], en::kNotACp, en::kCpRange);
}
std::optional<Error> ReadHoleCp(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.holeCp, option, values[0], en::kNotACp, en::kCpRange);
}
std::optional<Error> ReadShaftCp(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.shaftCp, option, values[0], en::kNotACp, en::kCpRange);
}
std::optional<Error> ReadHoleShift(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.holeShift, option, values[0], en::kNotAShift, en::kShiftRange);
}
std::optional<Error> ReadShaftShift(const OptionSpec& option, Values values, Options& options) {
    return ReadInto(options.service.shaftShift, option, values[0], en::kNotAShift, en::kShiftRange);
}
std::optional<Error> ReadDistribution(const OptionSpec& option, Values values, Options& options) {
    if (values[0] != "normal" && values[0] != "uniform") {
        return Error{FillIn(en::kNeedsNotGiven, {option.name, option.needs, Quoted(values[0])})};
    }
    options.service.uniform = values[0] == "uniform";
    options.service.distributionGiven = true;
    return std::nullopt;
}

bool HasServiceOptions(const Options& options) {
    return options.service != ServiceOptions{};
}

std::optional<Error> CheckServiceOptions(const Options& options) {
    const ServiceOptions& s = options.service;
    const struct {
        bool both;
        std::string_view first, second;
    } conflicts[] = {
        {s.temperature && s.range, "--temperature", "--temperature-range"},
        {s.holeTemperature && s.holeRange, "--hole-temperature", "--hole-temperature-range"},
        {s.shaftTemperature && s.shaftRange, "--shaft-temperature", "--shaft-temperature-range"},
    };
    for (const auto& c : conflicts) {
        if (c.both) return Error{FillIn(en::kCannotBeTogether, {c.first, c.second})};
    }
    if (!s.stats) {
        const struct {
            bool given;
            std::string_view name;
        } statistical[] = {{s.cp.has_value(), "--cp"},
                           {s.holeCp.has_value(), "--hole-cp"},
                           {s.shaftCp.has_value(), "--shaft-cp"},
                           {s.holeShift.has_value(), "--hole-shift"},
                           {s.shaftShift.has_value(), "--shaft-shift"},
                           {s.distributionGiven, "--distribution"}};
        for (const auto& option : statistical) {
            if (option.given) return Error{FillIn(en::kNeedsStats, {option.name})};
        }
        if (!options.measured.given && !options.measured.wantMinText.empty())
            return Error{std::string(en::kWantNeeds)};
    }
    return std::nullopt;
}

ServiceInput ServiceInputOf(const Options& options) {
    const ServiceOptions& s = options.service;
    ServiceInput input;
    const struct {
        FeatureConditions& conditions;
        const Material* material;
        const std::optional<double>& alpha;
        const std::optional<double>& temperature;
        const std::optional<TemperatureSpan>& range;
        const std::optional<double>& cp;
        const std::optional<double>& shift;
    } parts[] = {
        {input.hole, s.holeMaterial, s.holeAlpha, s.holeTemperature, s.holeRange, s.holeCp, s.holeShift},
        {input.shaft, s.shaftMaterial, s.shaftAlpha, s.shaftTemperature, s.shaftRange, s.shaftCp,
         s.shaftShift},
    };
    for (const auto& part : parts) {
        FeatureConditions& c = part.conditions;
        c.material = part.material;
        c.overrides.expansionPerKelvin = part.alpha;
        // A part's own temperature or range replaces what is given for both.
        const std::optional<TemperatureSpan> span = part.range         ? part.range
                                                    : part.temperature ? std::nullopt
                                                                       : s.range;
        if (span) {
            c.range = TemperatureRange{span->from, span->to};
        } else {
            c.temperature = part.temperature.value_or(s.temperature.value_or(kReferenceTemperature));
        }
        c.spread.cp = part.cp.value_or(s.cp.value_or(1.0));
        c.spread.shiftMicrometres = part.shift.value_or(0.0);
    }
    input.coupling = s.holeRange || s.shaftRange ? RangeCoupling::Independent : RangeCoupling::Together;
    input.statistics = s.stats;
    input.distribution = s.uniform ? SizeDistribution::Uniform : SizeDistribution::Normal;
    if (s.stats && !options.measured.wantMinText.empty()) {
        input.wanted = ClearanceRange{ParseNumber(options.measured.wantMinText),
                                      ParseNumber(options.measured.wantMaxText)};
    }
    return input;
}

std::variant<ServiceReport, Error> EvaluateServiceReport(const Result& result, const Options& options) {
    ServiceReport report;
    report.input = ServiceInputOf(options);
    auto evaluated = EvaluateService(*result.fit.numbers, report.input);
    if (auto* e = std::get_if<ServiceError>(&evaluated)) return Error{ProblemText(*e, report.input)};
    report.result = std::get<ServiceResult>(evaluated);
    const ServiceOptions& s = options.service;
    report.thermal = s.holeMaterial || s.shaftMaterial || s.holeAlpha || s.shaftAlpha || s.temperature ||
                     s.holeTemperature || s.shaftTemperature || s.range || s.holeRange || s.shaftRange;
    return report;
}

std::string WriteServiceText(const ServiceReport& report, Language language) {
    return ServiceText(report.input, report.result, report.thermal, WordsOf(language));
}

std::string WriteServiceJson(std::string resultJson, const ServiceReport& report) {
    // "...}\n": the members go before the closing brace.
    while (!resultJson.empty() && resultJson.back() != '}') resultJson.pop_back();
    if (!resultJson.empty()) resultJson.pop_back();
    std::string& out = resultJson;
    out += ",\"service\":";
    {
        JsonObject o(out);
        const bool statistics = report.input.statistics;
        PartJson(o.Key("hole"), report.input.hole, report.result.holeExpansion, statistics);
        PartJson(o.Key("shaft"), report.input.shaft, report.result.shaftExpansion, statistics);
        if (report.thermal && report.result.atTemperature) {
            ThermalFitJson(o.Key("atTemperature"), *report.result.atTemperature);
        } else {
            o.Null("atTemperature");
        }
        if (report.result.overRange) {
            RangeJson(o.Key("overRange"), *report.result.overRange);
        } else {
            o.Null("overRange");
        }
        std::string& list = o.Key("statistics");
        if (!statistics) {
            list += "null";
        } else {
            list += '[';
            for (std::size_t k = 0; k < report.result.statistics.size(); ++k) {
                if (k) list += ',';
                StatisticsJson(list, report.result.statistics[k]);
            }
            list += ']';
        }
    }
    return out + "}\n";
}

std::string WriteMaterials(bool json, Language language) {
    const MaterialWords& w = language == Language::English ? kEnglishMaterials : kJapaneseMaterials;
    std::string out;
    for (const Material& m : Materials()) {
        const MaterialProperties& p = m.properties;
        if (json) {
            {
                JsonObject o(out);
                o.Text("key", m.key);
                o.Text("grade", m.grade);
                o.Text("nameJa", m.japaneseName);
                o.Text("nameEn", m.englishName);
                o.Number("elasticModulusGpa", p.elasticModulusGpa);
                o.Number("poissonRatio", p.poissonRatio);
                o.Number("expansionPerKelvin", p.expansionPerKelvin);
                o.Number("strengthMpa", p.strengthMpa);
                o.Text("strength", m.brittle ? "tensile" : "yield");
                o.Number("densityKgPerM3", p.densityKgPerM3);
            }
            out += '\n';
            continue;
        }
        out +=
            FillIn(w.line, {m.key, m.grade, m.japaneseName, m.englishName, FormatG(p.elasticModulusGpa),
                            FormatG(p.poissonRatio), Expansion(p.expansionPerKelvin), FormatG(p.strengthMpa),
                            m.brittle ? w.tensile : w.yield, FormatG(p.densityKgPerM3)}) +
            "\n";
    }
    if (!json) out += std::string(w.note) + "\n";
    return out;
}

}  // namespace tolvo::fit
