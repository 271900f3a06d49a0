#include "core/setting_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <string>

#include "core/general_table.h"
#include "core/messages.h"

namespace tolvo {
namespace {

constexpr ToleranceMode Fit = ToleranceMode::FitClass;
constexpr ToleranceMode General = ToleranceMode::General;
constexpr ToleranceMode Free = ToleranceMode::Free;
constexpr double kInf = std::numeric_limits<double>::infinity();

struct SizeCheckCase {
    double size;
    ToleranceMode mode;
    bool fitSizeFails;
    bool generalLowerFails;
    bool generalUpperFails;
};

class SizeLimitCheckTest : public ::testing::TestWithParam<SizeCheckCase> {};

TEST_P(SizeLimitCheckTest, FailsOnlyOutsideTheTableOfTheMode) {
    const SizeCheckCase& c = GetParam();
    EXPECT_EQ(FitSizeLimitFails(c.size, c.mode), c.fitSizeFails);
    EXPECT_EQ(GeneralSizeLowerLimitFails(c.size, c.mode), c.generalLowerFails);
    EXPECT_EQ(GeneralSizeUpperLimitFails(c.size, c.mode), c.generalUpperFails);
}

INSTANTIATE_TEST_SUITE_P(
    Bounds, SizeLimitCheckTest,
    ::testing::Values(
        SizeCheckCase{120, Fit, false, false, false}, SizeCheckCase{120.0001, Fit, true, false, false},
        SizeCheckCase{150, Fit, true, false, false}, SizeCheckCase{kInf, Fit, true, false, false},
        SizeCheckCase{150, General, false, false, false}, SizeCheckCase{150, Free, false, false, false},
        SizeCheckCase{0.3, General, false, true, false}, SizeCheckCase{0.4999, General, false, true, false},
        SizeCheckCase{0.5, General, false, false, false}, SizeCheckCase{0, General, false, false, false},
        SizeCheckCase{-0.3, General, false, false, false}, SizeCheckCase{0.3, Fit, false, false, false},
        SizeCheckCase{0.3, Free, false, false, false}, SizeCheckCase{4000, General, false, false, false},
        SizeCheckCase{4000.5, General, false, false, true}, SizeCheckCase{kInf, General, false, false, true},
        SizeCheckCase{5000, Free, false, false, false}, SizeCheckCase{5000, Fit, true, false, false}));

struct ClassRuleCase {
    int range;
    int generalClass;
    ToleranceMode mode;
    bool veryCoarseFails;
    bool fineFails;
};

class ClassRuleTest : public ::testing::TestWithParam<ClassRuleCase> {};

TEST_P(ClassRuleTest, FailsOnTheTwoEmptyCellsInGeneralModeOnly) {
    const ClassRuleCase& c = GetParam();
    EXPECT_EQ(VeryCoarseClassFails(c.range, c.generalClass, c.mode), c.veryCoarseFails);
    EXPECT_EQ(FineClassFails(c.range, c.generalClass, c.mode), c.fineFails);
}

INSTANTIATE_TEST_SUITE_P(Cells, ClassRuleTest,
                         ::testing::Values(ClassRuleCase{0, kVeryCoarseClass, General, true, false},
                                           ClassRuleCase{1, kVeryCoarseClass, General, false, false},
                                           ClassRuleCase{0, kCoarseClass, General, false, false},
                                           ClassRuleCase{0, kVeryCoarseClass, Fit, false, false},
                                           ClassRuleCase{0, kVeryCoarseClass, Free, false, false},
                                           ClassRuleCase{7, kFineClass, General, false, true},
                                           ClassRuleCase{6, kFineClass, General, false, false},
                                           ClassRuleCase{7, kMediumClass, General, false, false},
                                           ClassRuleCase{7, kFineClass, Free, false, false},
                                           ClassRuleCase{0, kFineClass, General, false, false}));

TEST(SettingChecks, WarnsOfALowerLimitSizeOfZeroOrBelow) {
    EXPECT_TRUE(NonPositiveLimitWarningDue(0.0));
    EXPECT_TRUE(NonPositiveLimitWarningDue(-0.0));
    EXPECT_TRUE(NonPositiveLimitWarningDue(-0.05));
    EXPECT_FALSE(NonPositiveLimitWarningDue(0.0001));
}

TEST(Messages, PutTheFeatureWordDirectlyBeforeTheText) {
    EXPECT_EQ(SettingMessageText(FeatureKind::Shaft, SettingMessage::NonPositiveLimit),
              "軸設定の警告 ： 実寸法の径が０以下になることがあります");
    EXPECT_EQ(SettingMessageText(FeatureKind::Hole, SettingMessage::FitSizeOver120),
              "穴の設定エラー：120mmを超える寸法のJISはめあい公差を Tolvo はサポートしていません.");
}

TEST(Messages, EachErrorCitesItsStandardOnALineOfItsOwn) {
    struct Expectation {
        SettingMessage message;
        const char* reference;
    };
    const Expectation expectations[] = {
        {SettingMessage::KGrade, "\n（JIS B0401-2 表8 注2）"},
        {SettingMessage::NGrade, "\n（ JIS B0401-1 表3 注5 ）"},
        {SettingMessage::FineClass, "\n（ JIS B0405 表1 ）"},
        {SettingMessage::VeryCoarseClass, "\n（ JIS B0405 表1 ）"},
        {SettingMessage::GeneralSizeOver4000, "\n（ JIS B0405 表1 ）"},
        {SettingMessage::GeneralSizeUnder05, "\n（ JIS B0405 表1 注1 ）"},
    };
    for (const Expectation& e : expectations) {
        const std::string body(SettingMessageBody(e.message));
        EXPECT_EQ(body.rfind("の設定エラー：JIS", 0), 0u) << body;
        EXPECT_TRUE(body.ends_with(e.reference)) << body;
        EXPECT_EQ(std::count(body.begin(), body.end(), '\n'), 2) << body;
        EXPECT_EQ(body.find('\r'), std::string::npos);
    }
}

}  // namespace
}  // namespace tolvo
