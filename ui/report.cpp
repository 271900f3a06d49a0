#include "ui/report.h"

#include <array>

#include "core/messages.h"
#include "core/texts_ja.h"
#include "core/utf8.h"

namespace tolvo {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
using ja::kBasicSizeLabel;
using ja::kLimitsLabel;
using ja::kMeanLabel;
using ja::kNameLabel;
// The labels after which OmitPhi cuts; the basic-size line is the first.
constexpr std::array<std::string_view, 3> kPhiLineLabels = {kBasicSizeLabel, kLimitsLabel, kMeanLabel};

// Bytes a character takes in code page 932: one for ASCII and half-width
// katakana (U+FF61..U+FF9F), two for the rest.
std::size_t Cp932Width(std::string_view text, std::size_t& index) {
    const utf8::Sequence s = utf8::Decode(text, index);
    index += s.length;
    return s.code < 0x80 || (s.code >= 0xFF61 && s.code <= 0xFF9F) ? 1 : 2;
}

}  // namespace

ReportOptions DefaultReportOptions() {
    ReportOptions options;
    options.titleText = std::string(ja::kMessageCaption);
    options.hole.nameText = std::string(FeatureWord(FeatureKind::Hole));
    options.shaft.nameText = std::string(FeatureWord(FeatureKind::Shaft));
    return options;
}

std::string OmitPhi(std::string_view line) {
    for (std::string_view label : kPhiLineLabels) {
        if (!line.starts_with(label)) continue;
        std::size_t index = label.size();
        std::size_t bytes = 0;
        while (bytes < 2 && index < line.size()) bytes += Cp932Width(line, index);
        return std::string(label) + std::string(line.substr(index));
    }
    return std::string(line);
}

namespace {

void AppendFeature(std::string& text, const FeatureReportLines& lines, const FeatureReportOptions& o) {
    auto line = [&](const std::string& content) {
        text += content;
        text += kLineEnd;
    };
    auto phiLine = [&](const std::string& content) { line(o.omitPhi ? OmitPhi(content) : content); };
    if (o.includeName) line(std::string(kNameLabel) + o.nameText);
    if (o.includeBasicSize) phiLine(lines.basicSize);
    if (o.includeDeviation) line(lines.deviation);
    if (o.includeTolerance) line(lines.tolerance);
    if (o.includeLimits) phiLine(lines.limits);
    if (o.includeMean) phiLine(lines.mean);
}

}  // namespace

std::string AssembleReport(const ReportLines& lines, const ReportOptions& o) {
    std::string text;
    if (o.includeTitle) {
        text += o.titleText;
        text += kLineEnd;
        text += kLineEnd;
    }
    AppendFeature(text, lines.hole, o.hole);
    text += kLineEnd;
    AppendFeature(text, lines.shaft, o.shaft);
    text += kLineEnd;
    if (o.includeFitKind) {
        text += lines.fitKind;
        text += kLineEnd;
    }
    if (o.includeFitAmounts) {
        text += lines.fitAmounts;
        text += kLineEnd;
    }
    if (o.includeMeanFit) text += lines.meanFit;
    if (o.includeCallout) {
        if (o.includeMeanFit) text += kLineEnd;
        text += lines.callout;
    }
    if (o.includeService && !lines.service.empty()) {
        if (!text.empty() && !text.ends_with(kLineEnd)) text += kLineEnd;
        text += lines.service;
    }
    if (o.includePressFit && !lines.pressFit.empty()) {
        if (!text.empty() && !text.ends_with(kLineEnd)) text += kLineEnd;
        text += lines.pressFit;
    }
    return text;
}

}  // namespace tolvo
