#include "core/setting_checks.h"

#include <cmath>

#include "core/fit_table.h"
#include "core/general_table.h"
#include "core/iso286_table.h"

namespace tolvo {
namespace {

constexpr double kFitTableMaxSize = 120.0;
constexpr double kKRuleOver = 3.0;  // mm: K above IT8 is undefined over this size
constexpr double kNRuleUpTo = 1.0;  // mm: N above IT8 is barred up to this size
constexpr double kGeneralTableMinSize = 0.5;
constexpr double kGeneralTableMaxSize = 4000.0;

// A grade rule covers the feature's letter at a size where some grade of it is
// refused: violated when the current grade is one of them, restricted when
// another is (the hole is then held to the grades that remain).
template <class Refused>
GradeRuleOutcome GradeRule(ToleranceMode mode, int letterIndex, int gradeIndex, Refused refused) {
    if (mode != ToleranceMode::FitClass || letterIndex < 0 || letterIndex >= kLetterCount || gradeIndex < 0 ||
        gradeIndex >= kGradeCount) {
        return GradeRuleOutcome::NotApplicable;
    }
    if (refused(gradeIndex)) return GradeRuleOutcome::Violated;
    for (int g = 0; g < kGradeCount; ++g) {
        if (refused(g)) return GradeRuleOutcome::Restricted;
    }
    return GradeRuleOutcome::NotApplicable;
}

// A general class rule fails where the table has no cell for the class.
bool ClassRuleFails(int rulesClass, int generalSizeRange, int generalClass, ToleranceMode mode) {
    return mode == ToleranceMode::General && generalClass == rulesClass && generalSizeRange >= 0 &&
           generalSizeRange < kGeneralSizeRangeCount && !GeneralTableLookup(generalClass, generalSizeRange);
}

}  // namespace

bool FitSizeLimitFails(double basicSize, ToleranceMode mode, FitClassRange range) {
    const double largest = range == FitClassRange::Whole ? iso286::kLargestBasicSize : kFitTableMaxSize;
    return basicSize > largest && mode == ToleranceMode::FitClass;
}

bool GeneralSizeLowerLimitFails(double basicSize, ToleranceMode mode) {
    return basicSize > 0.0 && basicSize < kGeneralTableMinSize && mode == ToleranceMode::General;
}

bool GeneralSizeUpperLimitFails(double basicSize, ToleranceMode mode) {
    return basicSize > kGeneralTableMaxSize && mode == ToleranceMode::General;
}

GradeRuleOutcome KGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex) {
    if (std::isnan(basicSize)) return GradeRuleOutcome::NotApplicable;
    // Over 120 mm, which the fit-size limit check refuses in fit mode, the top
    // range answers: K above grade 8 stays undefined there.
    const int range = ClassifyFitSizeRange(basicSize, kFitSizeRangeCount - 1);
    return GradeRule(mode, letterIndex, gradeIndex, [&](int g) {
        return !FitTableLookup(FeatureKind::Hole, range, letterIndex, g).has_value();
    });
}

GradeRuleOutcome NGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex) {
    return GradeRule(mode, letterIndex, gradeIndex,
                     [&](int g) { return FitCellBarredAt(FeatureKind::Hole, basicSize, letterIndex, g); });
}

bool VeryCoarseClassFails(int generalSizeRange, int generalClass, ToleranceMode mode) {
    return ClassRuleFails(kVeryCoarseClass, generalSizeRange, generalClass, mode);
}

bool FineClassFails(int generalSizeRange, int generalClass, ToleranceMode mode) {
    return ClassRuleFails(kFineClass, generalSizeRange, generalClass, mode);
}

WholeCellCheck CheckWholeCell(FeatureKind kind, int letterIndex, int gradeIndex, int sizeStep) {
    const auto defined = [&](int g) { return iso286::Lookup(kind, letterIndex, g, sizeStep).has_value(); };
    WholeCellCheck check;
    if (defined(gradeIndex)) return check;
    check.outcome = WholeCellCheck::Outcome::NoGrade;
    for (int distance = 1; distance < iso286::kGradeCount; ++distance) {
        for (int g : {gradeIndex - distance, gradeIndex + distance}) {  // the finer grade first
            if (g < 0 || g >= iso286::kGradeCount || !defined(g)) continue;
            check.outcome = WholeCellCheck::Outcome::OtherGrade;
            check.nearestGrade = g;
            break;
        }
        if (check.outcome == WholeCellCheck::Outcome::OtherGrade) break;
    }
    if (check.outcome != WholeCellCheck::Outcome::OtherGrade || kind != FeatureKind::Hole) return check;
    const int grade8 = *iso286::FindGrade("8");
    const iso286::SizeStep step = iso286::SizeStepBounds(sizeStep);
    const bool above8 = gradeIndex > grade8 && check.nearestGrade == grade8;
    check.kRule = above8 && letterIndex == *iso286::FindLetter(kind, "K") && step.over >= kKRuleOver;
    check.nRule = above8 && letterIndex == *iso286::FindLetter(kind, "N") && step.upTo <= kNRuleUpTo;
    return check;
}

bool NonPositiveLimitWarningDue(double lowerLimit) {
    return lowerLimit <= 0.0;
}

}  // namespace tolvo
