// The class scroll bars from the keyboard: Tab reaches them in template order,
// Up and Down step the class as the arrows do, and the focus shows on them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <vector>

#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/qt/main_window.h"

namespace tolvo {
namespace {

using namespace main_dialog;

class ClassScrollKeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = ShowMainWindow(noHelp);
        ASSERT_TRUE(window->isActiveWindow());
    }
    // Both panels in general mode, the hole at the given size: the scroll bars are enabled.
    void GeneralMode(const char* holeSize) {
        QTest::keyClicks(window->Control(kHoleBasicSize), QString::fromLatin1(holeSize));
        QTest::mouseClick(window->Control(kHoleGeneralRadio), Qt::LeftButton);
        QTest::mouseClick(window->Control(kShaftGeneralRadio), Qt::LeftButton);
    }
    // From the general-mode radio button, the next tab stop.
    void TabToBar() {
        window->Control(kHoleGeneralRadio)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(window->Control(kHoleGeneralRadio), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), Bar());
    }
    QString ClassName() const { return qobject_cast<QLabel*>(window->Control(kHoleClassLabel))->text(); }
    QWidget* Bar() const { return window->Control(kHoleClassScroll); }
    void Key(QEvent::Type type, Qt::Key key, bool autoRepeat = false) {
        QKeyEvent event(type, key, Qt::NoModifier, QString(), autoRepeat);
        QApplication::sendEvent(Bar(), &event);
    }

    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window;
};

TEST_F(ClassScrollKeysTest, TabVisitsEveryEnabledTabStopInTemplateOrderScrollBarsIncluded) {
    GeneralMode("25");
    std::vector<int> expected;
    for (const ControlTemplate& t : kMainDialog.controls) {
        if (t.id != kNoId && IsTabStop(t.kind) && window->Model().Controls().At(t.id).enabled)
            expected.push_back(t.id);
    }
    ASSERT_NE(std::find(expected.begin(), expected.end(), kHoleClassScroll), expected.end());
    ASSERT_NE(std::find(expected.begin(), expected.end(), kShaftClassScroll), expected.end());

    window->Control(expected.front())->setFocus(Qt::TabFocusReason);
    std::vector<int> visited;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        int id = kNoId;
        for (int candidate : expected)
            if (window->Control(candidate) == focus) id = candidate;
        visited.push_back(id);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(visited, expected);
    EXPECT_EQ(QApplication::focusWidget(), window->Control(expected.front()));  // round again
}

TEST_F(ClassScrollKeysTest, DownAndUpStepTheClassOnPressAndEndOnRelease) {
    GeneralMode("25");
    TabToBar();
    EXPECT_EQ(window->Model().Focus(), kHoleClassScroll);
    ASSERT_EQ(ClassName(), QString::fromUtf8("精級"));
    Key(QEvent::KeyPress, Qt::Key_Down);
    EXPECT_EQ(ClassName(), QString::fromUtf8("中級"));
    Key(QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_EQ(ClassName(), QString::fromUtf8("中級"));
    // held down: one step per repeated press, the end once at the release
    Key(QEvent::KeyPress, Qt::Key_Down);
    Key(QEvent::KeyRelease, Qt::Key_Down, true);
    Key(QEvent::KeyPress, Qt::Key_Down, true);
    Key(QEvent::KeyRelease, Qt::Key_Down);
    EXPECT_EQ(ClassName(), QString::fromUtf8("極粗級"));
    QTest::keyClick(Bar(), Qt::Key_Up);
    EXPECT_EQ(ClassName(), QString::fromUtf8("粗級"));
    EXPECT_EQ(window->Model().Controls().At(kHoleDeviation).text, "±0.5 mm");
}

TEST_F(ClassScrollKeysTest, TheReleaseIsTheEndCodeThatBringsTheUndefinedClassMessage) {
    GeneralMode("2");
    TabToBar();
    QTest::keyClick(Bar(), Qt::Key_Down);
    QTest::keyClick(Bar(), Qt::Key_Down);
    ASSERT_EQ(ClassName(), QString::fromUtf8("粗級"));
    ModalAnswerer answerer(AcceptMessageBox);
    answerer.watchedWindow = window.get();
    Key(QEvent::KeyPress, Qt::Key_Down);  // the line code: passed over once, as a click's press
    EXPECT_EQ(ClassName(), QString::fromUtf8("極粗級"));
    EXPECT_EQ(answerer.count, 0);
    Key(QEvent::KeyRelease, Qt::Key_Down);  // the end code: the message, the class corrected
    EXPECT_EQ(answerer.count, 1);
    EXPECT_EQ(ClassName(), QString::fromUtf8("粗級"));
}

TEST_F(ClassScrollKeysTest, TheFocusedScrollBarIsFramed) {
    GeneralMode("25");
    const QImage before = Bar()->grab().toImage();
    Bar()->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(Bar()->hasFocus());
    const QImage focused = Bar()->grab().toImage();
    EXPECT_NE(focused, before);
    const QColor highlight = Bar()->palette().color(QPalette::Highlight);
    EXPECT_EQ(QColor(focused.pixel(1, focused.height() / 2)), highlight);
    window->Control(kHoleBasicSize)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(Bar()->grab().toImage(), before);
}

TEST_F(ClassScrollKeysTest, ACharacterOnAClassControlAndCtrlShiftVReachTheModel) {
    GeneralMode("25");
    TabToBar();
    QTest::keyClick(Bar(), Qt::Key_C, Qt::NoModifier);
    EXPECT_EQ(ClassName(), QString::fromUtf8("粗級"));

    QGuiApplication::clipboard()->setText(QString::fromUtf8("φ25 H7/g6"));
    QTest::keyClick(window.get(), Qt::Key_V, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_TRUE(window->Model().Controls().At(kHoleFitRadio).checked);
    const auto* letter = qobject_cast<QSlider*>(window->Control(kShaftLetterSlider));
    const auto* grade = qobject_cast<QSlider*>(window->Control(kShaftGradeSlider));
    ASSERT_TRUE(letter && grade);
    EXPECT_EQ(*window->Model().Classes().ClassAt(FeatureKind::Shaft, letter->value(), grade->value()),
              *iso286::ParseClassName("g6"));
    EXPECT_TRUE(window->PasteCalloutAction() != nullptr &&
                window->actions().contains(window->PasteCalloutAction()));
}

}  // namespace
}  // namespace tolvo
