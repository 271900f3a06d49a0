// Start-up's icon is the program's icon, in its three sizes, pixel for pixel
// its PNG images, drawn without loading Qt's image-format plugins; a warm-up
// never told of the application ends.
#include "app/startup_warmup.h"

#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QPixmap>
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <string>

namespace tolvo {
namespace {

QList<int> Widths(const QIcon& icon) {
    QList<int> widths;
    for (const QSize& size : icon.availableSizes()) widths << size.width();
    std::sort(widths.begin(), widths.end());
    return widths;
}

QImage Pixels(const QIcon& icon, int side) {
    return icon.pixmap(side, side).toImage().convertToFormat(QImage::Format_ARGB32);
}

TEST(StartupWarmUp, TheProgramIconIsDrawnInItsThreeSizes) {
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(Widths(icon), (QList<int>{16, 32, 48}));
    for (const int side : {16, 32, 48}) {
        const QImage image = Pixels(icon, side);
        EXPECT_EQ(image.size(), QSize(side, side));
        EXPECT_FALSE(image.allGray()) << side;  // a picture, not an empty square
    }
}

// The pixels the build put into the program are the PNGs' own, as Qt reads them.
TEST(StartupWarmUp, TheIconsPixelsAreThoseOfItsPngImages) {
    const QIcon icon = ProgramIcon();
    for (const int side : {16, 32, 48}) {
        const QImage png(QStringLiteral(TOLVO_ICON_FOLDER "/tolvo-%1.png").arg(side));
        ASSERT_FALSE(png.isNull()) << side;
        EXPECT_EQ(Pixels(icon, side),
                  QPixmap::fromImage(png).toImage().convertToFormat(QImage::Format_ARGB32))
            << side;
    }
}

#if defined(__linux__)
bool AnImageFormatPluginIsMapped() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.find("/imageformats/") != std::string::npos) return true;
    }
    return false;
}

// Each plugin, and the SVG and JPEG libraries they bring, stays in memory
// from start-up on; the icon needs none.
TEST(StartupWarmUpDeathTest, TheIconIsReadWithoutImageFormatPlugins) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a new process: no plugin an earlier test loaded
    EXPECT_EXIT(
        {
            StartupWarmUp warmUp;
            warmUp.ApplicationReady();
            const bool drawn = Widths(ProgramIcon()).size() == 3;
            std::_Exit(drawn && !AnImageFormatPluginIsMapped() ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
#endif

TEST(StartupWarmUp, FontsStayAsTheyWereAfterIt) {
    const QStringList before = QFontDatabase::families();
    {
        StartupWarmUp warmUp;  // never told: it ends without reading further
    }
    {
        StartupWarmUp warmUp;
        warmUp.ApplicationReady();
    }
    EXPECT_EQ(QFontDatabase::families(), before);
}

}  // namespace
}  // namespace tolvo
