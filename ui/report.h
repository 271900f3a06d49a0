// The plain-text report that the copy command puts on the clipboard: its
// options, its lines (taken from the texts on screen) and their assembly.
#pragma once

#include <string>
#include <string_view>

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
    friend bool operator==(const ReportOptions&, const ReportOptions&) = default;
};

// The options a new main window starts with.
ReportOptions DefaultReportOptions();

// The lines of one feature, each beginning with its label.
struct FeatureReportLines {
    std::string basicSize;  // "基準寸法 ： φ25 mm"
    std::string deviation;  // with the class suffix, " ( H7 )"
    std::string tolerance;
    std::string limits;
    std::string mean;
    friend bool operator==(const FeatureReportLines&, const FeatureReportLines&) = default;
};

struct ReportLines {
    FeatureReportLines hole;
    FeatureReportLines shaft;
    std::string fitKind;
    std::string fitAmounts;  // two lines joined by "\r\n"
    std::string meanFit;
    std::string callout;  // "はめあい記号 ： φ25H7/g6"
    // The joint's lines joined by "\r\n"; empty while its dialog shows none.
    std::string pressFit;
    friend bool operator==(const ReportLines&, const ReportLines&) = default;
};

// The texts of one feature as shown on screen, and its class.
struct FeatureReportSource {
    double basicSize = 0.0;
    std::string_view classSuffix;  // from ClassSuffix
    std::string_view deviation;
    std::string_view tolerance;
    std::string_view limits;
    std::string_view mean;
};

struct FitReportSource {
    std::string_view kind;
    std::string_view firstCaption;
    std::string_view firstAmount;
    std::string_view secondCaption;
    std::string_view secondAmount;
    std::string_view meanFit;
};

FeatureReportLines BuildFeatureReportLines(const FeatureReportSource& source);
ReportLines BuildReportLines(const FeatureReportSource& hole, const FeatureReportSource& shaft,
                             const FitReportSource& fit);

// " ( H7 )" for a fit class, " ( 中級 )" for a general class.
std::string FitClassSuffix(std::string_view letterName, int gradeNumber);
// " ( ZC11 )", " ( h01 )": a class of the whole ISO 286 range, its grade named as in "01".
std::string FitClassSuffix(std::string_view letterName, std::string_view gradeName);
std::string GeneralClassSuffix(std::string_view className);

// The report text: lines ended by "\r\n", no line end after the last line.
std::string AssembleReport(const ReportLines& lines, const ReportOptions& options);

// A basic-size, limits or mean line without what follows its label in the
// first two bytes of the Japanese Windows code page: the leading "φ", or the
// " -" of a placeholder.
std::string OmitPhi(std::string_view line);

}  // namespace tolvo
