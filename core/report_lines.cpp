#include "core/report_lines.h"

#include "core/number_text.h"
#include "core/texts_ja.h"

namespace tolvo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kSuffixOpen = " ( ";
constexpr std::string_view kSuffixClose = " )";

}  // namespace

std::string FitClassSuffix(std::string_view letterName, int gradeNumber) {
    return FitClassSuffix(letterName, std::to_string(gradeNumber));
}

std::string FitClassSuffix(std::string_view letterName, std::string_view gradeName) {
    std::string suffix(kSuffixOpen);
    suffix += letterName;
    suffix += gradeName;
    suffix += kSuffixClose;
    return suffix;
}

std::string GeneralClassSuffix(std::string_view className) {
    std::string suffix(kSuffixOpen);
    suffix += className;
    suffix += kSuffixClose;
    return suffix;
}

FeatureReportLines BuildFeatureReportLines(const FeatureReportSource& s) {
    FeatureReportLines lines;
    lines.basicSize = std::string(ja::kBasicSizeLabel) + std::string(ja::kPhi) + FormatG(s.basicSize) +
                      std::string(ja::kMillimetres);
    lines.deviation =
        std::string(ja::kDeviationLabel) + std::string(s.deviation) + std::string(s.classSuffix);
    lines.tolerance = std::string(ja::kToleranceLabel) + std::string(s.tolerance);
    lines.limits = std::string(ja::kLimitsLabel) + std::string(s.limits);
    lines.mean = std::string(ja::kMeanLabel) + std::string(s.mean);
    return lines;
}

ReportLines BuildReportLines(const FeatureReportSource& hole, const FeatureReportSource& shaft,
                             const FitReportSource& fit) {
    ReportLines lines;
    lines.hole = BuildFeatureReportLines(hole);
    lines.shaft = BuildFeatureReportLines(shaft);
    lines.fitKind = std::string(fit.kind);
    lines.fitAmounts = std::string(fit.firstCaption) + " " + std::string(fit.firstAmount) +
                       std::string(kLineEnd) + std::string(fit.secondCaption) + " " +
                       std::string(fit.secondAmount);
    lines.meanFit = std::string(ja::kMeanFitLabel) + std::string(fit.meanFit);
    return lines;
}

}  // namespace tolvo
