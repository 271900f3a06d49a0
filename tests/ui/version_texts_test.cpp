// The version is typed once, in CMake; these are the texts it must still
// give, exactly as Tolvo has always shown them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "core/messages.h"
#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

TEST(VersionTexts, MessageCaptionIsAsBefore) {
    EXPECT_EQ(kMessageCaption, "Tolvo  Ver 1.10");
}

TEST(VersionTexts, MainDialogCaptionIsAsBefore) {
    EXPECT_EQ(kMainDialog.caption, "Tolvo （はめあい）   Ver 1.10");
}

TEST(VersionTexts, AboutBoxNamesTheVersionAsBefore) {
    const auto& controls = kAboutDialog.controls;
    const bool shown = std::any_of(controls.begin(), controls.end(), [](const ControlTemplate& c) {
        return c.kind == ControlKind::Static && c.text == std::string_view("Tolvo Version 1.10");
    });
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace tolvo
