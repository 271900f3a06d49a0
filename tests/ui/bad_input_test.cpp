// What the user sees for bad input in each input edit: the program's own
// placeholders or messages, never a crash, never a number the input does not
// begin with, and the typed text kept in the edit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/messages.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "ui/main_model.h"

namespace tolvo {
namespace {

using namespace main_dialog;

enum class Reading { Zero, Huge, NegativeHuge, One, TwentyFive };

struct BadInput {
    const char* name;
    std::string text;
    Reading reading;
    // What the edit tells while its text is not wholly the number read from
    // it: what is computed; empty when the text is wholly a number or blank.
    std::string readAs = {};
};

const std::vector<BadInput>& BadInputs() {
    static const std::vector<BadInput> inputs = {
        {"empty", "", Reading::Zero},
        {"blanks", "   ", Reading::Zero},
        {"letters", "abc", Reading::Zero, "0"},
        {"hex", "0x10", Reading::Zero, "0"},
        {"inf", "inf", Reading::Zero, "0"},
        {"nan", "nan", Reading::Zero, "0"},
        {"overflow", "1e400", Reading::Huge},
        {"negative_overflow", "-1e400", Reading::NegativeHuge},
        {"negative_zero", "-0", Reading::Zero},
        {"decimal_comma", "1,5", Reading::One, "1"},
        {"full_width_digits", "２５", Reading::TwentyFive},
        {"full_width_mixed", "２5", Reading::TwentyFive},
        {"full_width_sign_and_exponent", "＋２．５Ｅ１", Reading::TwentyFive},
        {"ideographic_spaces_around", "　２５　", Reading::TwentyFive},
        {"full_width_then_letter", "２５ｘ", Reading::TwentyFive, "２５"},
        {"full_width_comma", "１，５", Reading::One, "１"},
        {"ten_thousand_digits", "2" + std::string(9999, '5'), Reading::Huge},
        {"ten_thousand_letters", "25" + std::string(9998, 'x'), Reading::TwentyFive, "25"},
        {"control_character",
         "\x01"
         "25",
         Reading::Zero, "0"},
        {"leading_tab", "\t25", Reading::TwentyFive},
        {"line_feed_and_nul", std::string("\n25\0x", 5), Reading::TwentyFive, "25"},
    };
    return inputs;
}

struct Edit {
    const char* name;
    int id;
    int deviation;  // the result box of the feature the edit belongs to
    bool size;      // a basic size (fit mode D5/d5) or a free entry (free mode at 40 mm)
};

class BadInputTest : public ::testing::TestWithParam<std::tuple<Edit, BadInput>> {};

TEST_P(BadInputTest, ShowsPlaceholdersOrMessagesAndKeepsTheText) {
    const auto& [edit, input] = GetParam();
    RecordingHost host;
    const FolderHelpSearch noHelp({}, "tolvo");
    MainModel model(host, noHelp);
    const bool hole = edit.deviation == kHoleDeviation;
    if (!edit.size) {
        model.OnClicked(hole ? kHoleFreeRadio : kShaftFreeRadio);
        model.OnClicked(kSameBasicSize);
        model.OnEditChanged(hole ? kHoleBasicSize : kShaftBasicSize, "40");
    } else if (!hole) {
        model.OnClicked(kSameBasicSize);  // the shaft's own size
    }
    host.requests.clear();
    model.OnEditChanged(edit.id, input.text);

    EXPECT_EQ(model.Controls().At(edit.id).text, input.text);
    EXPECT_EQ(model.Controls().At(edit.id).partial, !input.readAs.empty());
    EXPECT_EQ(model.Controls().At(edit.id).readAs, input.readAs);
    const std::string& deviation = model.Controls().At(edit.deviation).text;
    std::vector<std::string> messages;
    for (const auto& m : host.Messages()) messages.push_back(m.text);
    const FeatureKind kind = hole ? FeatureKind::Hole : FeatureKind::Shaft;
    switch (input.reading) {
        case Reading::Zero:
            EXPECT_EQ(deviation, edit.size ? " -" : "0 / 0 mm");
            EXPECT_TRUE(messages.empty());
            break;
        case Reading::Huge: {
            EXPECT_EQ(deviation, " -");  // no "inf" on screen
            std::vector<std::string> expected;
            if (edit.size) {
                expected.push_back(SettingMessageText(FeatureKind::Shaft, SettingMessage::FitSizeOver120));
                if (hole)
                    expected.push_back(SettingMessageText(FeatureKind::Hole, SettingMessage::FitSizeOver120));
            }
            EXPECT_EQ(messages, expected);
            break;
        }
        case Reading::NegativeHuge:
            EXPECT_EQ(deviation, " -");
            EXPECT_TRUE(messages.empty());
            break;
        case Reading::One:
            EXPECT_EQ(deviation, edit.size ? (hole ? "24 / 20 μm" : "-20 / -24 μm") : "+1 / 0 mm");
            break;
        case Reading::TwentyFive:
            EXPECT_EQ(deviation, edit.size ? (hole ? "74 / 65 μm" : "-65 / -74 μm") : "+25 / 0 mm");
            break;
    }
    const FeatureState& state = model.Feature(kind);
    if (state.hasLimits) {
        EXPECT_LE(state.lowerLimit, state.upperLimit);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Edits, BadInputTest,
    ::testing::Combine(::testing::Values(Edit{"hole_size", kHoleBasicSize, kHoleDeviation, true},
                                         Edit{"shaft_size", kShaftBasicSize, kShaftDeviation, true},
                                         Edit{"hole_free_first", kHoleFreeFirst, kHoleDeviation, false},
                                         Edit{"hole_free_second", kHoleFreeSecond, kHoleDeviation, false},
                                         Edit{"shaft_free_first", kShaftFreeFirst, kShaftDeviation, false},
                                         Edit{"shaft_free_second", kShaftFreeSecond, kShaftDeviation, false}),
                       ::testing::ValuesIn(BadInputs())),
    [](const auto& info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name;
    });

}  // namespace
}  // namespace tolvo
