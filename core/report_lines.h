// The lines that name a pair's results: each result box's text after its
// label, as the copied report, tolvo-fit and the calculation sheet write
// them. Built here once, so that every output reads the same words.
#pragma once

#include <string>
#include <string_view>

namespace tolvo {

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
    // The operating-conditions dialog's lines joined by "\r\n"; empty while it shows none.
    std::string service;
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

}  // namespace tolvo
