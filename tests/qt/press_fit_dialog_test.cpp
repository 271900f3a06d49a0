// The joint's dialog through real widgets: Ctrl+J opens it beside the
// calculator, keys typed into its edits compute the joint shown in its
// widgets, and it follows the main window's pair.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSlider>
#include <QTest>

#include "core/press_fit_text.h"
#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/qt/companion_dialog.h"
#include "ui/window_placement.h"

namespace tolvo {
namespace {

TEST(PressFitDialog, CtrlJOpensItOnTheWindowsPairAndTypedKeysShowTheJoint) {
    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window = ShowMainWindow(noHelp);
    QTest::keyClicks(qobject_cast<QLineEdit*>(window->Control(main_dialog::kHoleBasicSize)), "40");
    const auto slide = [&](int id, int position) {
        qobject_cast<QSlider*>(window->Control(id))->setValue(position);
    };
    slide(main_dialog::kHoleLetterSlider, 4);   // H
    slide(main_dialog::kHoleGradeSlider, 2);    // 7
    slide(main_dialog::kShaftLetterSlider, 9);  // p
    slide(main_dialog::kShaftGradeSlider, 1);   // 6
    QTest::keySequence(window.get(), QKeySequence(U(kPressFitShortcut)));
    PressFitDialog* dialog = window->PressFit();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), U("圧入計算"));
    // Beside the calculator where the screen has room on a side, and on the screen.
    const QRect screen = window->screen()->availableGeometry();
    const QRect frame = dialog->frameGeometry();
    const QRect calculator = window->frameGeometry();
    if (screen.right() - calculator.right() >= frame.width() + kBesideGap ||
        calculator.left() - screen.left() >= frame.width() + kBesideGap) {
        EXPECT_FALSE(frame.intersects(calculator));
    }
    EXPECT_TRUE(screen.contains(frame));
    const auto text = [&](int id) { return qobject_cast<QLineEdit*>(dialog->Control(id))->text(); };
    // φ40 H7/p6: 0/+25 μm against +26/+42 μm.
    EXPECT_EQ(text(press_dialog::kMinimumInterference), "0.001");
    EXPECT_EQ(text(press_dialog::kMaximumInterference), "0.042");
    QTest::keyClicks(qobject_cast<QLineEdit*>(dialog->Control(press_dialog::kHubOuterDiameter)), "80");
    QTest::keyClicks(qobject_cast<QLineEdit*>(dialog->Control(press_dialog::kLength)), "30");
    // Every result widget shows its model's text; the pressure p = U·206000·3/320 MPa.
    for (std::size_t k = 0; k < kPressFitRowCount; ++k) {
        for (int id : {press_dialog::MinimumResult(k), press_dialog::MaximumResult(k)}) {
            EXPECT_EQ(text(id), U(dialog->Model().Controls().At(id).text)) << id;
            EXPECT_FALSE(text(id).isEmpty()) << id;
        }
    }
    EXPECT_EQ(text(press_dialog::MinimumResult(5)), "1.93125");
    EXPECT_EQ(text(press_dialog::MaximumResult(5)), "81.1125");
    // The main window's g6 is a clearance: the dialog follows with no numbers and says why.
    slide(main_dialog::kShaftLetterSlider, 3);
    EXPECT_TRUE(text(press_dialog::MaximumResult(5)).isEmpty());
    EXPECT_TRUE(qobject_cast<QPlainTextEdit*>(dialog->Control(press_dialog::kFindings))
                    ->toPlainText()
                    .contains(U("しめしろがありません")));
    // A second Ctrl+J raises the same dialog; Escape closes it.
    QTest::keySequence(window.get(), QKeySequence(U(kPressFitShortcut)));
    EXPECT_EQ(window->PressFit(), dialog);
    QTest::keyClick(dialog->Control(press_dialog::kLength), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->PressFit() == nullptr; }));
}

}  // namespace
}  // namespace tolvo
