// The plain-text report that the copy command puts on the clipboard: its
// options, its lines (taken from the texts on screen) and their assembly.
#pragma once

#include <string>
#include <string_view>

#include "core/report_lines.h"

namespace tolvo {

// What the report says of one feature.
struct FeatureReportOptions {
    std::string nameText;
    bool includeName = true;
    bool includeBasicSize = true;
    bool omitPhi = false;  // of the basic-size, limits and mean lines
    bool includeDeviation = true;
    bool includeTolerance = true;
    bool includeLimits = true;
    bool includeMean = true;
    friend bool operator==(const FeatureReportOptions&, const FeatureReportOptions&) = default;
};

// The user's choices; they live as long as the main window and survive from
// one copy to the next only through the copy dialog's "コピー" button.
struct ReportOptions {
    std::string titleText;
    bool includeTitle = true;
    FeatureReportOptions hole;
    FeatureReportOptions shaft;
    bool includeFitKind = true;
    bool includeFitAmounts = true;
    bool includeMeanFit = true;
    bool includeCallout = false;  // the pair's callout, after the mean fit (off: the report as it always was)
    bool includePressFit = false;  // the open joint dialog's results, last (off: the report as it always was)
    bool includeService = false;   // the open operating-conditions dialog's results, before the joint's
    friend bool operator==(const ReportOptions&, const ReportOptions&) = default;
};

// The options a new main window starts with.
ReportOptions DefaultReportOptions();

// The report text: lines ended by "\r\n", no line end after the last line.
std::string AssembleReport(const ReportLines& lines, const ReportOptions& options);

// A basic-size, limits or mean line without what follows its label in the
// first two bytes of the Japanese Windows code page: the leading "φ", or the
// " -" of a placeholder.
std::string OmitPhi(std::string_view line);

}  // namespace tolvo
