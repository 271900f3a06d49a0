#include "tools/fit/writers.h"

#include <cmath>
#include <vector>

#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/json_writer.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "tools/fit/texts.h"

namespace tolvo::fit {
namespace {

// The labels of one language; the Japanese ones are the window's and the
// report's own.
struct Labels {
    std::string_view basicSize;
    std::string_view deviation;
    std::string_view tolerance;
    std::string_view limits;
    std::string_view mean;
    std::string_view meanFit;
};

constexpr Labels kEnglishLabels{en::kBasicSizeLabel, en::kDeviationLabel, en::kToleranceLabel,
                                en::kLimitsLabel,    en::kMeanLabel,      en::kMeanFitLabel};

struct EnglishFitWords {
    std::string_view kind;
    std::string_view firstCaption;
    std::string_view secondCaption;
};

// In the order of FitKind after None.
constexpr EnglishFitWords kEnglishFits[] = {
    {en::kFitKindNames[0], en::kMaxClearanceCaption, en::kMinClearanceCaption},
    {en::kFitKindNames[1], en::kMaxClearanceCaption, en::kMaxInterferenceCaption},
    {en::kFitKindNames[2], en::kMaxInterferenceCaption, en::kMinInterferenceCaption},
};

constexpr std::string_view kJsonFitKinds[] = {"clearance", "transition", "interference"};

struct Block {
    std::string head;
    std::vector<std::string> items;
};

// The mean-value box's text without the parenthesis its label opens.
std::string WithoutClosingParenthesis(std::string_view meanValue) {
    if (meanValue.ends_with(ja::kMeanValueClose)) meanValue.remove_suffix(ja::kMeanValueClose.size());
    return std::string(meanValue);
}

Block FeatureBlock(const FeatureResult& f, Language language) {
    Block block{FeatureHead(f, language), {}};
    const std::string size = std::string(ja::kPhi) + FormatG(f.basicSize) + std::string(ja::kMillimetres);
    if (language == Language::English) {
        const Labels& l = kEnglishLabels;
        block.items = {std::string(l.basicSize) + size, std::string(l.deviation) + f.texts.deviation,
                       std::string(l.tolerance) + f.texts.tolerance,
                       std::string(l.limits) + f.texts.limitSizes,
                       std::string(l.mean) + WithoutClosingParenthesis(f.texts.meanValue)};
    } else {
        block.items = {std::string(ja::kBasicSizeLabel) + size,
                       std::string(ja::kDeviationLabel) + f.texts.deviation,
                       std::string(ja::kToleranceLabel) + f.texts.tolerance,
                       std::string(ja::kLimitsLabel) + f.texts.limitSizes,
                       std::string(ja::kMeanLabel) + f.texts.meanValue};
    }
    return block;
}

std::string EnglishMeanFit(double meanClearance) {
    if (meanClearance > 0.0) return FillIn(en::kMeanClearance, {FormatG(meanClearance)});
    if (meanClearance < 0.0) return FillIn(en::kMeanInterference, {FormatG(-meanClearance)});
    return std::string(en::kMeanZero);
}

Block FitBlock(const FitEvaluation& fit, Language language) {
    const FitTexts& t = fit.texts;
    if (language == Language::Japanese) {
        return {t.kind.empty() ? std::string(ja::kFitAmountPlaceholder) : t.kind,
                {t.firstCaption + " " + t.firstAmount, t.secondCaption + " " + t.secondAmount,
                 std::string(ja::kMeanFitLabel) + t.meanFit}};
    }
    if (fit.kind == FitKind::None) return {std::string(en::kNoFit), {}};
    const EnglishFitWords& w = kEnglishFits[static_cast<int>(fit.kind) - 1];
    return {std::string(w.kind),
            {std::string(w.firstCaption) + t.firstAmount, std::string(w.secondCaption) + t.secondAmount,
             std::string(kEnglishLabels.meanFit) + EnglishMeanFit(fit.numbers->meanClearance)}};
}

std::vector<Block> Blocks(const Result& result, Language language) {
    return {FeatureBlock(result.hole, language), FeatureBlock(result.shaft, language),
            FitBlock(result.fit, language)};
}

void AppendNumber(std::string& out, std::string_view key, double value) {
    out += '"';
    out += key;
    out += "\":";
    json::AppendNumber(out, value);
}

void AppendFeatureJson(std::string& out, const FeatureResult& f, double upperLimit, double lowerLimit) {
    out += '{';
    AppendNumber(out, "size", f.basicSize);
    const std::string name = ClassText(f.side);
    // Class names are ASCII letters, digits and "GEN:": nothing to escape.
    out += name.empty() ? ",\"class\":null" : ",\"class\":\"" + name + "\"";
    out += ',';
    AppendNumber(out, "upper", f.upper);
    out += ',';
    AppendNumber(out, "lower", f.lower);
    out += f.side.kind == SideKind::IsoClass ? ",\"unit\":\"um\"," : ",\"unit\":\"mm\",";
    AppendNumber(out, "upperLimit", upperLimit);
    out += ',';
    AppendNumber(out, "lowerLimit", lowerLimit);
    out += ',';
    AppendNumber(out, "tolerance", f.tolerance);
    out += '}';
}

}  // namespace

std::string WarningsJson(const Result& result) {
    const std::vector<std::string> warnings = Warnings(result);
    if (warnings.empty()) return {};
    std::string out = ",\"warnings\":[";
    for (std::size_t k = 0; k < warnings.size(); ++k) {
        if (k) out += ',';
        json::AppendString(out, warnings[k]);
    }
    return out + "]";
}

std::string FeatureHead(const FeatureResult& f, Language language) {
    std::string head(language == Language::English ? en::kFeatureWords[static_cast<int>(f.kind)]
                                                   : FeatureWord(f.kind));
    std::string name;
    if (f.side.kind == SideKind::IsoClass) name = ClassText(f.side);
    if (f.side.kind == SideKind::General) {
        name = language == Language::English ? ClassText(f.side)
                                             : std::string(GeneralClassName(f.side.generalClass));
    }
    if (name.empty()) return head;
    return language == Language::English ? head + " " + name : head + " ( " + name + " )";
}

std::string ShortestNumber(double value) {
    // An error text names a size read as an infinity "inf"; JSON never holds one.
    return std::isfinite(value) ? json::Number(value) : FormatG(value);
}

std::string WriteText(const Result& result, Language language) {
    std::string out;
    for (const Block& block : Blocks(result, language)) {
        out += block.head + "\n";
        for (const std::string& item : block.items) out += "  " + item + "\n";
    }
    for (const std::string& warning : Warnings(result)) out += warning + "\n";
    return out;
}

std::string WriteTextLine(const Result& result, Language language) {
    std::string out;
    for (const Block& block : Blocks(result, language)) {
        if (!out.empty()) out += " | ";
        out += block.head;
        for (const std::string& item : block.items) out += " | " + item;
    }
    for (const std::string& warning : Warnings(result)) out += " | " + warning;
    return out + "\n";
}

std::string WriteJson(const Result& result) {
    const FitNumbers& n = *result.fit.numbers;
    std::string out = "{\"hole\":";
    AppendFeatureJson(out, result.hole, n.holeUpperLimit, n.holeLowerLimit);
    out += ",\"shaft\":";
    AppendFeatureJson(out, result.shaft, n.shaftUpperLimit, n.shaftLowerLimit);
    out += ",\"fit\":{\"kind\":";
    if (result.fit.kind == FitKind::None) {
        out += "null";
    } else {
        out += '"';
        out += kJsonFitKinds[static_cast<int>(result.fit.kind) - 1];
        out += '"';
    }
    // The window's clearances are differences of limit sizes rounded to six
    // decimals; rounding them again gives the decimal difference exactly.
    out += ',';
    AppendNumber(out, "maxClearance", RoundToSixDecimals(n.result.maximumClearance));
    out += ',';
    AppendNumber(out, "minClearance", RoundToSixDecimals(n.result.minimumClearance));
    out += ',';
    AppendNumber(out, "meanClearance", n.meanClearance);
    out += "}" + WarningsJson(result) + "}\n";
    return out;
}

std::string WriteTable(bool json) {
    std::string out;
    out.reserve(static_cast<std::size_t>(iso286::kCellCount) * (json ? 100 : 32));
    for (FeatureKind kind : {FeatureKind::Hole, FeatureKind::Shaft}) {
        const std::string_view kindName = en::kFeatureWords[static_cast<int>(kind)];
        for (int letter = 0; letter < iso286::kLetterCount; ++letter) {
            const std::string_view letterName = iso286::LetterName(kind, letter);
            for (int grade = 0; grade < iso286::kGradeCount; ++grade) {
                const std::string_view gradeName = iso286::GradeName(grade);
                for (int step = 0; step < iso286::kSizeStepCount; ++step) {
                    const iso286::SizeStep bounds = iso286::SizeStepBounds(step);
                    const std::optional<Deviations> cell = iso286::Lookup(kind, letter, grade, step);
                    if (json) {
                        out += "{\"kind\":\"";
                        out += kindName;
                        out += "\",\"letter\":\"";
                        out += letterName;
                        out += "\",\"grade\":\"";
                        out += gradeName;
                        out += "\",";
                        AppendNumber(out, "over", bounds.over);
                        out += ',';
                        AppendNumber(out, "upTo", bounds.upTo);
                        if (cell) {
                            out += ',';
                            AppendNumber(out, "upper", cell->upper);
                            out += ',';
                            AppendNumber(out, "lower", cell->lower);
                            out += "}\n";
                        } else {
                            out += ",\"upper\":null,\"lower\":null}\n";
                        }
                        continue;
                    }
                    out += kindName;
                    out += ' ';
                    out += letterName;
                    out += ' ';
                    out += gradeName;
                    out += ' ' + ShortestNumber(bounds.over) + ' ' + ShortestNumber(bounds.upTo);
                    out += cell ? ' ' + ShortestNumber(cell->upper) + ' ' + ShortestNumber(cell->lower) + '\n'
                                : std::string(" undefined\n");
                }
            }
        }
    }
    return out;
}

}  // namespace tolvo::fit
