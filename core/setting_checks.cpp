#include "core/setting_checks.h"

#include <cmath>

#include "core/fit_table.h"
#include "core/general_table.h"

namespace tolvo {
namespace {

constexpr double kFitTableMaxSize = 120.0;
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

bool FitSizeLimitFails(double basicSize, ToleranceMode mode) {
    return basicSize > kFitTableMaxSize && mode == ToleranceMode::FitClass;
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

bool NonPositiveLimitWarningDue(double lowerLimit) {
    return lowerLimit <= 0.0;
}

}  // namespace tolvo
