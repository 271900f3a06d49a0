// Typing a class on a class control and pasting a fit callout, driven as the
// user does, with the messages the window shows on the way.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/general_table.h"
#include "core/messages.h"
#include "tests/ui/model_fixture.h"

namespace tolvo {
namespace {

using namespace main_dialog;

constexpr FeatureKind kHole = FeatureKind::Hole;
constexpr FeatureKind kShaft = FeatureKind::Shaft;

class ClassTypingFixture : public model_test::MainModelFixture {
  protected:
    // The class a panel's sliders show, "H7", or its general class "中級".
    std::string ClassOf(FeatureKind kind) const {
        const FeaturePanel& p = model_test::PanelOf(kind);
        if (Checked(p.generalRadio)) return Text(p.classLabel);
        if (!Checked(p.fitRadio)) return "free";
        return iso286::FormatClassName(
            *model.Classes().ClassAt(kind, Position(p.letterSlider), Position(p.gradeSlider)));
    }
    // Every control's state in one text, to see that nothing changed.
    std::string Snapshot() const {
        std::string all;
        for (const ControlState& c : model.Controls().All())
            all += std::to_string(c.id) + c.text + (c.checked ? "+" : "-") + std::to_string(c.position) +
                   (c.enabled ? "e" : "d") + '|';
        return all + std::to_string(model.Focus());
    }
};

struct Keys {
    std::string text;
    std::int64_t ms;
};

struct TypingCase {
    std::string size;
    bool general;  // the hole in general mode, typed on its scroll bar
    int control;
    std::vector<Keys> keys;
    std::string holeClass;
    std::vector<std::string> messages;
};

class ClassTypingTest : public ClassTypingFixture, public ::testing::WithParamInterface<TypingCase> {};

const std::string kGrade = SettingMessageText(kHole, SettingMessage::KGrade);
const std::string kVeryCoarse = SettingMessageText(kHole, SettingMessage::VeryCoarseClass);

TEST_P(ClassTypingTest, SelectsTheClassTypedOnAClassControlAsAListBoxDoes) {
    const TypingCase& c = GetParam();
    Set(kHoleBasicSize, c.size);
    if (c.general) Click(kHoleGeneralRadio);
    host.TakeMessages();
    model.OnFocus(c.control);
    for (const Keys& k : c.keys) model.OnClassChars(c.control, k.text, k.ms + 10'000);
    EXPECT_EQ(ClassOf(kHole), c.holeClass);
    EXPECT_EQ(host.TakeMessages(), c.messages);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ClassTypingTest,
    ::testing::Values(
        TypingCase{"25", false, kHoleLetterSlider, {{"j", 0}, {"s", 100}, {"7", 200}}, "JS7", {}},
        TypingCase{"25", false, kHoleGradeSlider, {{"g", 0}, {"6", 50}}, "G6", {}},
        TypingCase{
            "25", false, kHoleLetterSlider, {{"ｈ７", 0}}, "H7", {}},  // an input method's whole text at once
        TypingCase{"25", false, kHoleLetterSlider, {{"h", 0}, {"7", 999}}, "H7", {}},
        // A pause of a second starts anew: "7" alone names no class.
        TypingCase{"25", false, kHoleLetterSlider, {{"h", 0}, {"7", 1000}}, "H5", {}},
        TypingCase{"25", false, kHoleLetterSlider, {{"g", 0}, {"h", 1500}, {"8", 1600}}, "H8", {}},
        TypingCase{"25", false, kHoleLetterSlider, {{"a", 0}}, "D5", {}},  // not in the range: nothing
        TypingCase{"10", false, kHoleLetterSlider, {{"k9", 0}}, "K8", {kGrade}},
        TypingCase{"2", true, kHoleClassScroll, {{"c", 0}}, "粗級", {}},
        TypingCase{"2", true, kHoleClassScroll, {{"v", 0}}, "粗級", {kVeryCoarse}},
        TypingCase{"25", true, kHoleClassScroll, {{"極", 0}}, "極粗級", {}},
        TypingCase{
            "25", true, kHoleLetterSlider, {{"h7", 0}}, "精級", {}}));  // the slider is off in general mode

struct PasteCase {
    std::string callout;
    std::string holeSize, shaftSize, holeClass, shaftClass;
    bool whole;
    std::vector<std::string> messages;
    bool unchanged = false;  // every control as before the paste
};

class CalloutPasteTest : public ClassTypingFixture, public ::testing::WithParamInterface<PasteCase> {};

TEST_P(CalloutPasteTest, SetsTheSizeAndEachNamedSidesClassAsTheUserWould) {
    const PasteCase& c = GetParam();
    // A start that every side of a callout changes: the hole in free input,
    // the shaft in general mode.
    Click(kHoleFreeRadio);
    Click(kShaftGeneralRadio);
    const std::string before = Snapshot();
    model.OnPasteCallout(c.callout);
    EXPECT_EQ(Text(kHoleBasicSize), c.holeSize);
    EXPECT_EQ(Text(kShaftBasicSize), c.shaftSize);
    EXPECT_EQ(ClassOf(kHole), c.holeClass);
    EXPECT_EQ(ClassOf(kShaft), c.shaftClass);
    EXPECT_EQ(model.Range() == FitClassRange::Whole, c.whole);
    EXPECT_EQ(host.TakeMessages(), c.messages);
    if (c.unchanged) {
        EXPECT_EQ(Snapshot(), before);
    }
}

const std::string kUnreadable(ja::kUnreadableCalloutMessage);

INSTANTIATE_TEST_SUITE_P(
    Callouts, CalloutPasteTest,
    ::testing::Values(
        PasteCase{"φ25 H7/g6", "25", "25", "H7", "g6", false, {}},
        PasteCase{"25H7/g6", "25", "25", "H7", "g6", false, {}},
        PasteCase{"Ø25 H7", "25", "25", "H7", "精級", false, {}},  // the shaft keeps its general class
        PasteCase{"⌀40 zc11", "40", "40", "free", "zc11", true, {}},
        PasteCase{"φ500 H7/g6", "500", "500", "H7", "g6", true, {}},
        PasteCase{
            "φ10 K9/h7", "10", "10", "K8", "h7", false, {SettingMessageText(kHole, SettingMessage::KGrade)}},
        PasteCase{"H6", "", "", "H6", "精級", false, {}},
        // Beyond every range, and no callout at all: said, and nothing changes.
        PasteCase{"φ4000 H7/g6",
                  "",
                  "",
                  "free",
                  "精級",
                  false,
                  {SettingMessageText(kHole, SettingMessage::FitSizeOver3150)},
                  true},
        PasteCase{"φ25 H7/H6", "", "", "free", "精級", false, {kUnreadable}, true},
        PasteCase{"25", "", "", "free", "精級", false, {kUnreadable}, true}));

}  // namespace
}  // namespace tolvo
