// The program's icon reaches a window that was shown before it was read.
#include "app/program_icon.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <algorithm>

namespace tolvo {
namespace {

QList<int> Widths(const QIcon& icon) {
    QList<int> widths;
    for (const QSize& size : icon.availableSizes()) widths << size.width();
    std::sort(widths.begin(), widths.end());
    return widths;
}

TEST(ProgramIcon, IsDrawnInItsThreeSizes) {
    const QIcon icon = ProgramIcon();
    EXPECT_EQ(Widths(icon), (QList<int>{16, 32, 48}));
    for (const int side : {16, 32, 48}) {
        const QPixmap pixmap = icon.pixmap(side, side);
        EXPECT_EQ(pixmap.size(), QSize(side, side));
        EXPECT_FALSE(pixmap.toImage().allGray()) << side;  // a picture, not an empty square
    }
}

TEST(ProgramIcon, AWindowShownBeforeTheLoopRunsGetsItOnceItRuns) {
    const QIcon before = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon());
    QDialog window;
    SetProgramIconOnceRunning();
    window.show();
    EXPECT_TRUE(window.windowIcon().isNull());
    QApplication::processEvents();
    EXPECT_EQ(Widths(window.windowIcon()), (QList<int>{16, 32, 48}));
    QApplication::setWindowIcon(before);
}

}  // namespace
}  // namespace tolvo
