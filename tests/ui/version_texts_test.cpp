// The version is typed once, in CMake; these are the texts it must still
// give, exactly as Tolvo has always shown them. The expected texts are kept
// in a file of their own (shown_version_texts.txt), so that the version
// number is written in no source file.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "core/messages.h"
#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

// The message caption, the main window's caption and the About box's line, in that order.
std::vector<std::string> ShownVersionTexts() {
    std::ifstream file(TOLVO_SHOWN_VERSION_TEXTS, std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(file, line);) lines.push_back(line);
    return lines;
}

TEST(VersionTexts, AreTheTextsTolvoHasAlwaysShown) {
    const std::vector<std::string> expected = ShownVersionTexts();
    ASSERT_EQ(expected.size(), 3u) << TOLVO_SHOWN_VERSION_TEXTS;
    EXPECT_EQ(ja::kMessageCaption, expected[0]);
    EXPECT_EQ(kMainDialog.caption, expected[1]);
    const auto& controls = kAboutDialog.controls;
    const bool shown = std::any_of(controls.begin(), controls.end(), [&](const ControlTemplate& c) {
        return c.kind == ControlKind::Static && c.text == expected[2];
    });
    EXPECT_TRUE(shown);
}

}  // namespace
}  // namespace tolvo
