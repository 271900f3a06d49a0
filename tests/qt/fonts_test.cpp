// The dialogs' fonts name only families that are installed, and resolve to
// the same face as asking for the original Windows face first would.
#include "ui/qt/fonts.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

struct FontCase {
    const char* name;
    QFont (*font)();
    QString originalFace;
};

class Fonts : public ::testing::TestWithParam<FontCase> {};

TEST_P(Fonts, NameOnlyInstalledFamiliesAndResolveAsTheFullListWould) {
    const QFont font = GetParam().font();
    ASSERT_FALSE(font.families().isEmpty());
    for (const QString& family : font.families())
        EXPECT_TRUE(QFontDatabase::hasFamily(family)) << family.toStdString();
    QFont asked = font;
    asked.setFamilies(QStringList{GetParam().originalFace} + font.families());
    const QFontInfo resolved(font);
    const QFontInfo expected(asked);
    EXPECT_EQ(resolved.family(), expected.family());
    EXPECT_EQ(resolved.styleName(), expected.styleName());
    EXPECT_EQ(resolved.pixelSize(), expected.pixelSize());
}

INSTANTIATE_TEST_SUITE_P(
    DialogAndFitKind, Fonts,
    ::testing::Values(FontCase{"dialog", &DialogFont,
                               QString::fromUtf8(kDialogFontFace.data(),
                                                 static_cast<qsizetype>(kDialogFontFace.size()))},
                      FontCase{"fitKind", &FitKindFont, QString::fromUtf8("ＭＳ ゴシック")}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tolvo
