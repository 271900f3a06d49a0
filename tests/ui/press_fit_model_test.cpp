// The joint's dialog over the main window, both driven through their public
// user actions as a user drives them.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/press_fit_text.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "ui/copy_model.h"
#include "ui/main_model.h"
#include "ui/press_fit_model.h"

namespace tolvo {
namespace {

using namespace press_dialog;
namespace md = main_dialog;
constexpr std::size_t kPressure = 5;  // the row of the joint pressure in kPressFitRows

class PressFitModelTest : public ::testing::Test {
  protected:
    PressFitModelTest() : main(host, noHelp) {
        main.OnEditChanged(md::kHoleBasicSize, "40");
        Pair(9);  // H7/p6
        dialog.emplace(main);
        Set(kHubOuterDiameter, "80");
        Set(kLength, "30");
    }
    // Hole H7 and shaft letter (0 d .. 9 p) grade 6, on the seed sliders.
    void Pair(int shaftLetter) {
        main.OnSliderPosition(md::kHoleLetterSlider, 4);
        main.OnSliderPosition(md::kHoleGradeSlider, 2);
        main.OnSliderPosition(md::kShaftLetterSlider, shaftLetter);
        main.OnSliderPosition(md::kShaftGradeSlider, 1);
        if (dialog) dialog->Refresh();  // as every view does after a main-window action
    }
    void Set(int id, const std::string& text) {
        dialog->OnFocus(id);
        dialog->OnEditChanged(id, text);
    }
    const std::string& Text(int id) const { return dialog->Controls().At(id).text; }
    bool NoNumbers() const {
        for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
            if (!Text(MinimumResult(k)).empty() || !Text(MaximumResult(k)).empty()) return false;
        }
        return Text(kShrinkHubTemperature).empty() && Text(kCoolShaftTemperature).empty();
    }

    RecordingHost host;
    const FolderHelpSearch noHelp{{}, "tolvo"};
    MainModel main;
    std::optional<PressFitModel> dialog;
};

// Steel in a φ80 hub: K = (8/3)/206000 /MPa, p = U/(40·K) = U·206000·3/320 MPa.
TEST_F(PressFitModelTest, TheInterferenceFollowsTheMainWindowsPair) {
    struct Case {
        int shaftLetter;
        const char *minimum, *maximum, *pressureMin, *pressureMax;
    };
    const Case cases[] = {
        {9, "0.001", "0.042", "1.93125", "81.1125"},  // p6: +26/+42 μm
        {8, "-0.008", "0.033", "0", "63.7313"},       // n6: +17/+33 μm, no pressure at the minimum
    };
    for (const Case& c : cases) {
        Pair(c.shaftLetter);
        EXPECT_EQ(Text(kMinimumInterference), c.minimum);
        EXPECT_EQ(Text(kMaximumInterference), c.maximum);
        EXPECT_FALSE(dialog->Controls().At(kMaximumInterference).enabled);
        EXPECT_EQ(Text(MinimumResult(kPressure)), c.pressureMin);
        EXPECT_EQ(Text(MaximumResult(kPressure)), c.pressureMax);
    }
    EXPECT_NE(Text(kFindings).find("最小しめしろでは有効しめしろが -0.008 mm"), std::string::npos);
}

// The service temperatures: a steel hub at 80 °C on a steel shaft at 20 °C
// loses D·α·60 = 40 × 11.7e-6 × 60 = 0.02808 mm of the interference; both at
// 80 °C lose nothing (equal α). Of p6's 0.001/0.042 mm the minimum's effective
// interference is then negative (no pressure), the maximum's 0.01392 mm, p =
// 0.01392·206000·3/320 = 26.883 MPa.
TEST_F(PressFitModelTest, ServiceTemperaturesTakeTheUnequalGrowthFromTheInterference) {
    constexpr std::size_t kTemperatureLoss = 2, kEffective = 4;
    struct Case {
        const char *hub, *shaft, *loss, *effectiveMax, *pressureMax;
    };
    const Case cases[] = {
        {"80", "", "0.02808", "0.01392", "26.883"},
        {"80", "80", "0", "0.042", "81.1125"},
    };
    for (const Case& c : cases) {
        Set(kHubServiceTemperature, c.hub);
        Set(kShaftServiceTemperature, c.shaft);
        EXPECT_EQ(Text(MaximumResult(kTemperatureLoss)), c.loss) << c.hub << " " << c.shaft;
        EXPECT_EQ(Text(MaximumResult(kEffective)), c.effectiveMax);
        EXPECT_EQ(Text(MaximumResult(kPressure)), c.pressureMax);
    }
    Set(kShaftServiceTemperature, "-300");
    EXPECT_EQ(Text(kMessage).rfind("軸の使用温度", 0), 0u) << Text(kMessage);
    EXPECT_TRUE(NoNumbers());
}

TEST_F(PressFitModelTest, AClearancePairHasNoJointAndNoNumbers) {
    Pair(3);  // g6
    ASSERT_TRUE(dialog->Result().has_value());
    EXPECT_FALSE(dialog->Result()->joint.has_value());
    EXPECT_TRUE(NoNumbers());
    EXPECT_EQ(Text(kFindings),
              "警告 ： しめしろがありません （最大しめしろ -0.009 mm） ： 圧入結合になりません");
}

TEST_F(PressFitModelTest, ATypedInterferenceStaysWhenThePairChangesAndComesBackWhenTypedAgain) {
    dialog->OnClicked(kTypedInterference);
    Set(kMinimumInterference, "0.018");
    Set(kMaximumInterference, "0.059");
    EXPECT_EQ(Text(MinimumResult(kPressure)), "34.7625");
    EXPECT_EQ(Text(MaximumResult(kPressure)), "113.944");
    Pair(3);  // the main window's clearance moves nothing
    EXPECT_EQ(Text(MaximumResult(kPressure)), "113.944");
    dialog->OnClicked(kTypedInterference);  // the pair's again
    EXPECT_EQ(Text(kMaximumInterference), "-0.009");
    EXPECT_TRUE(NoNumbers());
    dialog->OnClicked(kTypedInterference);
    EXPECT_EQ(Text(kMaximumInterference), "0.059");
    EXPECT_EQ(Text(MaximumResult(kPressure)), "113.944");
}

TEST_F(PressFitModelTest, EachBadInputIsRefusedOnTheMessageLineAndNothingIsComputed) {
    struct Case {
        int id;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {kHubOuterDiameter, "40", "ハブ外径ははめあい径 40 mm より大きくしてください"},
        {kHubOuterDiameter, "8O", "「8O」は数値として読めません"},
        {kShaftBore, "40", "軸の内径ははめあい径 40 mm より小さくしてください"},
        {kLength, "0", "はめあい長さは 0 より大きい値にしてください"},
        {kLength, "", "はめあい長さを入力してください"},
        {kFriction, "-0.1", "摩擦係数は 0 より大きい値にしてください"},
        {kHubValues[1], "0.5", "ハブのポアソン比は 0 より大きく 0.5 より小さい値にしてください"},
        {kShaftValues[0], "0", "軸の縦弾性係数は 0 より大きい値にしてください"},
        {kSpeed, "-1", "回転数は 0 以上にしてください"},
        {kRoomTemperature, "1e999", "室温が数値の範囲を超えています"},
    };
    for (const Case& c : cases) {
        const std::string before = Text(c.id);
        Set(c.id, c.text);
        EXPECT_EQ(Text(kMessage), c.message) << c.id << " " << c.text;
        EXPECT_EQ(Text(c.id), c.text);  // what the user typed stays
        EXPECT_TRUE(NoNumbers()) << c.text;
        EXPECT_FALSE(dialog->Result().has_value());
        EXPECT_TRUE(dialog->ReportText().empty());
        Set(c.id, before);
        EXPECT_EQ(Text(kMessage), "");
    }
    EXPECT_TRUE(host.Messages().empty());  // no message box while typing
}

TEST_F(PressFitModelTest, TheCopiedReportAddsTheJointOnlyWhenAsked) {
    const auto copy = [&](bool withJoint) {
        host.copyDialogUser = [withJoint](CopyModel& copyDialog) {
            EXPECT_TRUE(copyDialog.Controls().At(copy_dialog::kIncludePressFit).enabled);
            if (withJoint) copyDialog.OnClicked(copy_dialog::kIncludePressFit);
            copyDialog.OnClicked(copy_dialog::kCopyButton);
        };
        host.requests.clear();
        main.OnClicked(md::kCopyButton);
        return host.ClipboardTexts().at(0);
    };
    const std::string plain = copy(false);
    const std::string joint = copy(true);
    ASSERT_TRUE(joint.starts_with(plain));
    EXPECT_EQ(joint.substr(plain.size()), "\r\n" + dialog->ReportText());
    EXPECT_NE(joint.find("\r\n  面圧 ： 1.93125 / 81.1125 MPa\r\n"), std::string::npos);
    dialog.reset();  // closed: the option adds nothing
    host.copyDialogUser = [](CopyModel& copyDialog) { copyDialog.OnClicked(copy_dialog::kCopyButton); };
    host.requests.clear();
    main.OnClicked(md::kCopyButton);
    EXPECT_EQ(host.ClipboardTexts().at(0), plain);
}

}  // namespace
}  // namespace tolvo
