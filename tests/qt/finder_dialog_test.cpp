// The fit finder's wiring through real widgets: Ctrl+F opens it, typing fills
// the result list, a double click and Enter put a row into the main window,
// Escape closes it.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/qt/finder_dialog.h"

namespace tolvo {
namespace {

class FinderDialogTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = ShowMainWindow(noHelp);
        ASSERT_TRUE(window->isActiveWindow());
        QTest::keyClicks(qobject_cast<QLineEdit*>(window->Control(main_dialog::kHoleBasicSize)), "25");
        QTest::keySequence(window.get(), QKeySequence(U(kFinderShortcut)));
        finder = window->Finder();
        ASSERT_NE(finder, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(finder));
    }
    QLineEdit* Edit(int id) const { return qobject_cast<QLineEdit*>(finder->Control(id)); }
    // The row's rectangle in the list's viewport.
    QPoint RowCentre(int row) const {
        QListWidget* list = finder->Results();
        return list->visualItemRect(list->item(row)).center();
    }

    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window;
    FinderDialog* finder = nullptr;
};

TEST_F(FinderDialogTest, CtrlFOpensItNonModalOnTheHoleSizeAndTypingFillsTheList) {
    EXPECT_FALSE(finder->isModal());
    EXPECT_EQ(finder->windowTitle(), U("はめあい検索"));
    EXPECT_EQ(Edit(finder_dialog::kBasicSize)->text(), "25");
    QTest::keyClicks(Edit(finder_dialog::kWantedMinimum), "0.01");
    QTest::keyClicks(Edit(finder_dialog::kWantedMaximum), "0.04");
    QListWidget* list = finder->Results();
    ASSERT_EQ(list->count(), static_cast<int>(finder->Model().Rows().size()));
    ASSERT_GT(list->count(), 0);
    EXPECT_EQ(list->item(0)->text(), U(finder->Model().Rows()[0].text));
    // A second Ctrl+F raises the same dialog.
    QTest::keySequence(window.get(), QKeySequence(U(kFinderShortcut)));
    EXPECT_EQ(window->Finder(), finder);
}

TEST_F(FinderDialogTest, ADoubleClickOnARowPutsItIntoTheMainWindowsWidgets) {
    QTest::keyClicks(Edit(finder_dialog::kWantedMinimum), "0.01");
    QTest::keyClicks(Edit(finder_dialog::kWantedMaximum), "0.04");
    const FoundFit chosen = *finder->Model().Rows()[0].fit;
    QWidget* viewport = finder->Results()->viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(0));
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, RowCentre(0));
    EXPECT_EQ(window->Model().Fit().maximumClearance, chosen.maximumClearance);
    // The main window's own widgets show it, not only its model.
    const QString amount = qobject_cast<QLineEdit*>(window->Control(main_dialog::kFirstFitAmount))->text();
    EXPECT_EQ(amount, U(window->Model().Controls().At(main_dialog::kFirstFitAmount).text));
    EXPECT_EQ(amount, "0.038 mm");
}

TEST_F(FinderDialogTest, EnterOnARowChoosesItAndEscapeClosesTheDialog) {
    QTest::keyClicks(Edit(finder_dialog::kWantedMinimum), "-0.035");
    QTest::keyClicks(Edit(finder_dialog::kWantedMaximum), "-0.001");
    QListWidget* list = finder->Results();
    list->setFocus();
    list->setCurrentRow(1);
    const FoundFit chosen = *finder->Model().Rows()[1].fit;
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(window->Model().Fit().minimumClearance, chosen.minimumClearance);
    EXPECT_TRUE(finder->isVisible());
    QTest::keyClick(list, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Finder() == nullptr; }));
}

// A pair only the whole range has switches the window to it as the menu item
// does: its class texts and marks are built and shown, and the choice is kept.
TEST_F(FinderDialogTest, APairOfTheWholeRangeBuildsItsControlsAndIsRemembered) {
    QTest::mouseClick(qobject_cast<QWidget*>(finder->Control(finder_dialog::kWholeRange)), Qt::LeftButton);
    QTest::keyClicks(Edit(finder_dialog::kWantedMinimum), "0.3");
    QTest::keyClicks(Edit(finder_dialog::kWantedMaximum), "0.6");
    QListWidget* list = finder->Results();
    ASSERT_GT(list->count(), 0);
    ASSERT_TRUE(finder->Model().Rows()[0].fit.has_value());
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    ASSERT_EQ(window->Model().Range(), FitClassRange::Whole);
    QWidget* classText = window->Control(main_dialog::kHoleClassText);
    ASSERT_NE(classText, nullptr);
    EXPECT_TRUE(classText->isVisible());
    EXPECT_EQ(qobject_cast<QLabel*>(classText)->text(),
              U(window->Model().Controls().At(main_dialog::kHoleClassText).text));
    EXPECT_TRUE(window->FullRangeAction()->isChecked());
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
                       MainWindow::kSettingsName);
    EXPECT_EQ(settings.value(MainWindow::kFullRangeKey).toString(), "true");
    window.reset();
    settings.remove(MainWindow::kFullRangeKey);
}

}  // namespace
}  // namespace tolvo

namespace tolvo {
namespace {

TEST_F(FinderDialogTest, OpensBesideTheCalculatorAndShowsTheLastMeasuredLine) {
    const QRect screen = window->screen()->availableGeometry();
    ASSERT_GE(screen.width(), window->frameGeometry().width() + finder->frameGeometry().width() + 8)
        << "the screen has no room beside the calculator";
    EXPECT_FALSE(finder->frameGeometry().intersects(window->frameGeometry()));
    EXPECT_TRUE(screen.contains(finder->frameGeometry()));
    // Parts enough for more lines than the box shows; the last pair is in view.
    QTest::keyClicks(Edit(finder_dialog::kMeasuredHoles), "25.01, 25.02, 25.03, 25.04, 25.05, 25.06");
    QTest::keyClicks(Edit(finder_dialog::kMeasuredShafts), "24.99, 24.98");
    QScrollBar* bar = finder->MeasuredResults()->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum());
}

}  // namespace
}  // namespace tolvo
