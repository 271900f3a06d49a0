// Start-up's warm-up: the icon it reads on its thread is the program's icon,
// in its three sizes, read without loading Qt's image-format plugins, and a
// warm-up never told of the application ends.
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

TEST(StartupWarmUp, ItsIconIsTheProgramIconPixelForPixel) {
    const QIcon read = ProgramIcon();
    for (const bool told : {true, false}) {  // Icon() works with or without ApplicationReady()
        StartupWarmUp warmUp;
        if (told) warmUp.ApplicationReady();
        const QIcon icon = warmUp.Icon();
        ASSERT_EQ(Widths(icon), (QList<int>{16, 32, 48})) << told;
        for (const int side : {16, 32, 48}) EXPECT_EQ(Pixels(icon, side), Pixels(read, side)) << side;
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
// from start-up on; the icon is PNG, which Qt reads itself.
TEST(StartupWarmUpDeathTest, TheIconIsReadWithoutImageFormatPlugins) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a new process: no plugin an earlier test loaded
    EXPECT_EXIT(
        {
            StartupWarmUp warmUp;
            warmUp.ApplicationReady();
            const bool read = Widths(warmUp.Icon()).size() == 3 && Widths(ProgramIcon()).size() == 3;
            std::_Exit(read && !AnImageFormatPluginIsMapped() ? 0 : 1);
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
