#include "core/setting_checks.h"

#include "core/fit_table.h"
#include "core/general_table.h"

namespace tolvo {
namespace {

constexpr double kFitTableMaxSize = 120.0;
constexpr double kGeneralTableMinSize = 0.5;
constexpr double kGeneralTableMaxSize = 4000.0;
constexpr double kKRuleAbove = 3.0;
constexpr double kNRuleUpTo = 1.0;
constexpr int kVeryCoarseUndefinedRange = 0;
constexpr int kFineUndefinedRange = 7;

GradeRuleOutcome GradeRule(bool covered, int gradeIndex) {
    if (!covered) return GradeRuleOutcome::NotApplicable;
    return gradeIndex > kGradeIndex8 ? GradeRuleOutcome::Violated : GradeRuleOutcome::Restricted;
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
    const bool covered =
        basicSize > kKRuleAbove && mode == ToleranceMode::FitClass && letterIndex == kLetterK;
    return GradeRule(covered, gradeIndex);
}

GradeRuleOutcome NGradeRule(double basicSize, ToleranceMode mode, int letterIndex, int gradeIndex) {
    const bool covered = basicSize > 0.0 && basicSize <= kNRuleUpTo && mode == ToleranceMode::FitClass &&
                         letterIndex == kLetterN;
    return GradeRule(covered, gradeIndex);
}

bool VeryCoarseClassFails(int generalSizeRange, int generalClass, ToleranceMode mode) {
    return generalSizeRange == kVeryCoarseUndefinedRange && generalClass == kVeryCoarseClass &&
           mode == ToleranceMode::General;
}

bool FineClassFails(int generalSizeRange, int generalClass, ToleranceMode mode) {
    return generalSizeRange == kFineUndefinedRange && generalClass == kFineClass &&
           mode == ToleranceMode::General;
}

bool NonPositiveLimitWarningDue(double lowerLimit) {
    return lowerLimit <= 0.0;
}

}  // namespace tolvo
