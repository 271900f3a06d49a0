// The wiring of the real widgets: a key typed into a real edit reaches the
// model, and the model's answer reaches the real widgets.
#include "ui/qt/main_window.h"
#include "core/messages.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSettings>
#include <QSlider>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <functional>

#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/qt/copy_dialog.h"

namespace tolvo {
namespace {

using namespace main_dialog;

class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = ShowMainWindow(noHelp);
        ASSERT_TRUE(window->isActiveWindow());
    }
    template <typename T>
    T* Widget(int id) const {
        T* widget = qobject_cast<T*>(window->Control(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    QString Text(int id) const {
        if (auto* edit = qobject_cast<QLineEdit*>(window->Control(id))) return edit->text();
        return Widget<QLabel>(id)->text();
    }
    // A click on an arrow of a class scroll bar: press, then release.
    void ClickArrow(int id, bool down) {
        auto* bar = Widget<QScrollBar>(id);
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = Qt::Vertical;
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = bar->sliderPosition();
        option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        const QRect arrow = bar->style()->subControlRect(
            QStyle::CC_ScrollBar, &option, down ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine,
            bar);
        QTest::mousePress(bar, Qt::LeftButton, {}, arrow.center());
        QTest::mouseRelease(bar, Qt::LeftButton, {}, arrow.center());
    }

    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, KeysTypedIntoTheHolesSizeChangeTheResultsAndTheLabelsColours) {
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), QStringLiteral("25"));
    EXPECT_EQ(Text(kShaftBasicSize), QStringLiteral("25"));
    EXPECT_EQ(Text(kHoleDeviation), U("74 / 65 μm"));     // D5
    EXPECT_EQ(Text(kShaftDeviation), U("-65 / -74 μm"));  // d5
    EXPECT_EQ(Text(kFitKindLabel), U("すきまばめ"));
    EXPECT_EQ(Text(kFirstFitAmount), U("0.148 mm"));
    auto* label = Widget<QLabel>(kFitKindLabel);
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0, 0, 255));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 255, 255));
    const QImage painted = label->grab().toImage();
    EXPECT_EQ(QColor(painted.pixel(painted.width() / 2, 4)), QColor(0, 0, 255));

    QTest::keyClick(Widget<QLineEdit>(kHoleBasicSize), Qt::Key_Backspace);
    QTest::keyClick(Widget<QLineEdit>(kHoleBasicSize), Qt::Key_Backspace);
    EXPECT_EQ(Text(kFitKindLabel), QString());
    EXPECT_NE(QColor(label->grab().toImage().pixel(label->width() / 2, 4)), QColor(0, 0, 255));
}

// Its edits are made while the application's font is the dialog's (so that
// they lay out no text in a face the window never draws); afterwards it is
// again what it was, for the windows made later.
TEST(MainWindowFonts, MakingTheWindowLeavesTheApplicationsFontAsItWas) {
    const QFont before = QApplication::font();
    const FolderHelpSearch noHelp{{}, "tolvo"};
    const MainWindow window(noHelp);
    EXPECT_EQ(QApplication::font(), before);
    EXPECT_EQ(window.Control(kHoleBasicSize)->font(), window.font());
}

TEST_F(MainWindowTest, ARadioClickSwitchesTheEnabledControls) {
    EXPECT_TRUE(Widget<QSlider>(kHoleLetterSlider)->isEnabled());
    EXPECT_FALSE(Widget<QLineEdit>(kHoleFreeFirst)->isEnabled());
    QTest::mouseClick(Widget<QRadioButton>(kHoleFreeRadio), Qt::LeftButton);
    EXPECT_TRUE(Widget<QRadioButton>(kHoleFreeRadio)->isChecked());
    EXPECT_FALSE(Widget<QRadioButton>(kHoleFitRadio)->isChecked());
    EXPECT_FALSE(Widget<QSlider>(kHoleLetterSlider)->isEnabled());
    EXPECT_TRUE(Widget<QLineEdit>(kHoleFreeFirst)->isEnabled());
    EXPECT_EQ(QApplication::focusWidget(), window->Control(kHoleFreeFirst));
    // a second click on the checked radio keeps it checked
    QTest::mouseClick(Widget<QRadioButton>(kHoleFreeRadio), Qt::LeftButton);
    EXPECT_TRUE(Widget<QRadioButton>(kHoleFreeRadio)->isChecked());
}

TEST_F(MainWindowTest, ASliderKeyMovesOneStep) {
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), QStringLiteral("25"));
    auto* letter = Widget<QSlider>(kHoleLetterSlider);
    letter->setFocus();
    QTest::keyClick(letter, Qt::Key_Right);
    EXPECT_EQ(letter->value(), 1);
    EXPECT_EQ(window->Model().Feature(FeatureKind::Hole).letterIndex, 1);
    EXPECT_EQ(Text(kHoleDeviation), U("49 / 40 μm"));  // E5
    QTest::keyClick(letter, Qt::Key_PageUp);
    EXPECT_EQ(letter->value(), 2);
}

TEST_F(MainWindowTest, AnArrowClickIntoAnUndefinedClassBringsExactlyOneMessage) {
    QTest::mouseClick(Widget<QRadioButton>(kHoleGeneralRadio), Qt::LeftButton);
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), QStringLiteral("2"));
    ClickArrow(kHoleClassScroll, true);
    ClickArrow(kHoleClassScroll, true);
    ASSERT_EQ(Text(kHoleClassLabel), U("粗級"));
    ModalAnswerer answerer(AcceptMessageBox);
    answerer.watchedWindow = window.get();
    ClickArrow(kHoleClassScroll, true);
    EXPECT_EQ(answerer.count, 1);
    EXPECT_EQ(Text(kHoleClassLabel), U("粗級"));
    EXPECT_EQ(Text(kHoleDeviation), U("±0.2 mm"));
    EXPECT_TRUE(window->isVisible());
}

TEST_F(MainWindowTest, EnterReevaluatesAndLeavesTheWindowOpen) {
    // P7 at 0.01 mm: every evaluation of the hole warns
    Widget<QSlider>(kHoleLetterSlider)->setFocus();
    for (int i = 0; i < 9; ++i) QTest::keyClick(Widget<QSlider>(kHoleLetterSlider), Qt::Key_Right);
    QTest::mouseClick(Widget<QAbstractButton>(kSameBasicSize), Qt::LeftButton);
    ModalAnswerer answerer(AcceptMessageBox);
    answerer.watchedWindow = window.get();
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), QStringLiteral("0.01"));
    const int warnings = answerer.count;
    EXPECT_GE(warnings, 1);
    auto* exit = Widget<QPushButton>(kExitButton);
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Return);
    EXPECT_EQ(answerer.count, warnings + 1);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text(kHoleBasicSize), QStringLiteral("0.01"));
}

TEST_F(MainWindowTest, EscapeEndsTheWindow) {
    QTest::keyClick(Widget<QLineEdit>(kHoleBasicSize), Qt::Key_Escape);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Rejected);
}

TEST_F(MainWindowTest, TheExitButtonEndsTheWindow) {
    QTest::mouseClick(Widget<QPushButton>(kExitButton), Qt::LeftButton);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(window->result(), QDialog::Accepted);
}

TEST_F(MainWindowTest, TheCopyDialogPutsExactlyItsPreviewOnTheClipboard) {
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), QStringLiteral("25"));
    QGuiApplication::clipboard()->clear();
    QString preview;
    ModalAnswerer answerer([&preview](QWidget* modal) {
        auto* dialog = qobject_cast<CopyDialog*>(modal);
        if (dialog == nullptr) return;
        auto* hint = qobject_cast<QLineEdit*>(dialog->Control(copy_dialog::kHoleNameEdit));
        QTest::keyClicks(hint, QStringLiteral("-1"));
        preview = qobject_cast<QPlainTextEdit*>(dialog->Control(copy_dialog::kPreviewEdit))->toPlainText();
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog->Control(copy_dialog::kCopyButton)),
                          Qt::LeftButton);
    });
    answerer.watchedWindow = window.get();
    QTest::mouseClick(Widget<QPushButton>(kCopyButton), Qt::LeftButton);
    ASSERT_EQ(answerer.count, 1);
    const QString copied = QGuiApplication::clipboard()->text();
    EXPECT_EQ(copied, QString(preview).replace(QStringLiteral("\n"), QStringLiteral("\r\n")));
    EXPECT_TRUE(copied.startsWith(
        U(std::string(ja::kMessageCaption) + "\r\n\r\n名称 ： 穴-1\r\n基準寸法 ： φ25 mm\r\n")));
    EXPECT_EQ(window->Model().Report().hole.nameText, "穴-1");
}

// ---- the whole ISO 286 range ----

bool StoredFullRange() {
    const QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
                             MainWindow::kSettingsName);
    return settings.value(MainWindow::kFullRangeKey, false).toBool();
}

class FullRangeWindowTest : public MainWindowTest {
  protected:
    void SetUp() override {
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
                  MainWindow::kSettingsName)
            .remove(MainWindow::kFullRangeKey);
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        window.reset();
        QSettings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
                  MainWindow::kSettingsName)
            .remove(MainWindow::kFullRangeKey);
    }
    void PressCtrlR() { QTest::keyClick(Widget<QLineEdit>(kHoleBasicSize), Qt::Key_R, Qt::ControlModifier); }
};

TEST_F(FullRangeWindowTest, TheMenuItemIsCheckableWithCtrlR) {
    QAction* action = window->FullRangeAction();
    ASSERT_NE(action, nullptr);
    EXPECT_EQ(action->text(), ToQString(ja::kFullRangeMenuItemText));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_R));
    EXPECT_TRUE(action->isCheckable());
    EXPECT_FALSE(action->isChecked());
    EXPECT_TRUE(window->actions().contains(action));
}

TEST_F(FullRangeWindowTest, CtrlRSwitchesTheMarksAndIsRemembered) {
    EXPECT_TRUE(window->Control(kHoleLetterMarks[0])->isVisible());
    // The whole range's controls are made only once the option is first on.
    EXPECT_EQ(window->Control(kHoleWholeLetterMarks[0]), nullptr);
    EXPECT_EQ(window->Control(kHoleClassText), nullptr);
    PressCtrlR();
    EXPECT_EQ(window->Model().Range(), FitClassRange::Whole);
    EXPECT_TRUE(window->FullRangeAction()->isChecked());
    EXPECT_FALSE(window->Control(kHoleLetterMarks[0])->isVisible());
    EXPECT_TRUE(window->Control(kShaftWholeGradeMarks[19])->isVisible());
    EXPECT_EQ(Text(kHoleClassText), U("D5"));
    EXPECT_EQ(Widget<QSlider>(kHoleLetterSlider)->maximum(), 27);
    EXPECT_TRUE(StoredFullRange());

    // A new window starts as the last one was left.
    window = std::make_unique<MainWindow>(noHelp);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    EXPECT_EQ(window->Model().Range(), FitClassRange::Whole);
    EXPECT_TRUE(window->FullRangeAction()->isChecked());
    EXPECT_TRUE(window->Control(kHoleWholeLetterMarks[0])->isVisible());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    PressCtrlR();
    EXPECT_EQ(window->Model().Range(), FitClassRange::Seed);
    EXPECT_TRUE(window->Control(kHoleLetterMarks[0])->isVisible());
    EXPECT_FALSE(window->Control(kHoleWholeLetterMarks[0])->isVisible());
    EXPECT_FALSE(window->Control(kShaftClassText)->isVisible());
    EXPECT_FALSE(StoredFullRange());

    // On again: the controls made before are shown with the model's states.
    PressCtrlR();
    EXPECT_TRUE(window->Control(kHoleWholeLetterMarks[0])->isVisible());
    EXPECT_EQ(Text(kHoleWholeLetterMarks[0]), U("A"));
    EXPECT_EQ(Text(kShaftClassText), U("d5"));
}

// The remembered option counts only as "true" or "false"; a file far larger
// than Tolvo writes is not its own: not read, and not rewritten by Ctrl+R.
TEST_F(FullRangeWindowTest, TheStoredOptionIsReadStrictlyAndAnOversizedFileIsLeftAlone) {
    window.reset();
    const QString file = QSettings(QSettings::defaultFormat(), QSettings::UserScope,
                                   MainWindow::kSettingsName, MainWindow::kSettingsName)
                             .fileName();
    const auto startWith = [&](const QByteArray& content) {
        ASSERT_TRUE(QDir().mkpath(QFileInfo(file).path()));
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(content);
        out.close();
        window = ShowMainWindow(noHelp);
    };
    const struct {
        const char* stored;
        bool whole;
    } cases[] = {{"true", true}, {"false", false}, {"maybe", false},
                 {"1", false},   {"TRUE", false},  {"", false}};
    int padding = 0;  // a size of its own each time, so that no cached reading is taken for it
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        startWith("[General]\nfullRange=" + QByteArray(c.stored) + "\n;" + QByteArray(++padding, ' ') + "\n");
        EXPECT_EQ(window->Model().Range() == FitClassRange::Whole, c.whole);
        EXPECT_EQ(window->FullRangeAction()->isChecked(), c.whole);
    }

    QByteArray huge = "[General]\nfullRange=true\n";
    huge += QByteArray(OptionSettings::kLargestFile, ';') + "\n";
    startWith(huge);
    EXPECT_EQ(window->Model().Range(), FitClassRange::Seed);
    PressCtrlR();
    EXPECT_EQ(window->Model().Range(), FitClassRange::Whole);  // the option works, it is only not kept
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    EXPECT_EQ(in.readAll(), huge);
    in.close();
    window.reset();
    QFile::remove(file);
}

// Made while the window is on screen, the whole range's controls get the
// model's texts and enabled states at once, and the marks keep their face.
TEST_F(FullRangeWindowTest, TheWholeRangeControlsMadeLateMirrorTheModel) {
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), QStringLiteral("10"));
    Widget<QSlider>(kHoleLetterSlider)->setValue(6);  // K: over 3 mm IT3 to IT8 only
    PressCtrlR();
    ASSERT_EQ(Text(kHoleClassText), U("K5"));
    EXPECT_FALSE(Widget<QLabel>(kHoleWholeGradeMarks[0])->isEnabled());  // K01
    for (const FeaturePanel* p : {&kHolePanel, &kShaftPanel}) {
        for (std::size_t g = 0; g < p->wholeGradeMarks.size(); ++g) {
            const int id = p->wholeGradeMarks[g];
            EXPECT_EQ(Text(id), ToQString(window->Model().Controls().At(id).text)) << id;
            EXPECT_EQ(Widget<QLabel>(id)->isEnabled(), window->Model().Controls().At(id).enabled) << id;
            EXPECT_LT(Widget<QLabel>(id)->font().pointSize(), window->font().pointSize()) << id;
        }
        EXPECT_EQ(Text(p->classText), ToQString(window->Model().Controls().At(p->classText).text));
    }
}

// Every other mark of a scale shares a row: neighbours there stay a digit's width apart.
TEST_F(FullRangeWindowTest, TheMarksOfARowStayApart) {
    PressCtrlR();
    for (const FeaturePanel* p : {&kHolePanel, &kShaftPanel}) {
        std::vector<std::vector<int>> scales = {{p->wholeLetterMarks.begin(), p->wholeLetterMarks.end()},
                                                {p->wholeGradeMarks.begin(), p->wholeGradeMarks.end()}};
        for (const std::vector<int>& ids : scales) {
            for (std::size_t i = 0; i + 2 < ids.size(); ++i) {
                auto* left = Widget<QLabel>(ids[i]);
                auto* right = Widget<QLabel>(ids[i + 2]);
                const int leftInk =
                    left->geometry().center().x() + left->fontMetrics().horizontalAdvance(left->text()) / 2;
                const int rightInk = right->geometry().center().x() -
                                     right->fontMetrics().horizontalAdvance(right->text()) / 2;
                EXPECT_LE(leftInk + left->fontMetrics().horizontalAdvance(QLatin1Char('0')), rightInk)
                    << left->text().toStdString() << " " << right->text().toStdString();
            }
        }
    }
}

// ---- the callout as a drawing writes it ----

class CalloutWindowTest : public MainWindowTest {
  protected:
    static void ClearStored() {
        QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
                           MainWindow::kSettingsName);
        settings.remove(MainWindow::kCalloutStyleKey);
        settings.remove(MainWindow::kDiameterSignKey);
    }
    void SetUp() override {
        ClearStored();
        MainWindowTest::SetUp();
    }
    void TearDown() override {
        window.reset();
        ClearStored();
    }
};

// Ctrl+Shift+C copies the pair in the style and sign chosen in the submenus;
// the choice is remembered as its word and read strictly.
TEST_F(CalloutWindowTest, CtrlShiftCCopiesTheChosenStyleAndTheChoiceIsRemembered) {
    ASSERT_NE(window->CopyCalloutAction(), nullptr);
    EXPECT_EQ(window->CopyCalloutAction()->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    QTest::keyClicks(Widget<QLineEdit>(kHoleBasicSize), "25");
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(Widget<QLineEdit>(kHoleBasicSize), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), U("φ25D5/d5"));

    const QList<QAction*> styles = window->CalloutStyleMenu()->actions();
    const QList<QAction*> signs = window->DiameterSignMenu()->actions();
    ASSERT_EQ(styles.size(), 4);
    ASSERT_EQ(signs.size(), 3);
    EXPECT_TRUE(styles[0]->isChecked() && signs[0]->isChecked());
    styles[3]->trigger();
    signs[2]->trigger();
    EXPECT_TRUE(styles[3]->isChecked() && !styles[0]->isChecked());
    window->CopyCalloutAction()->trigger();
    EXPECT_EQ(QGuiApplication::clipboard()->text(), U("25.074/25.065 24.935/24.926"));

    window = ShowMainWindow(noHelp);
    EXPECT_EQ(window->Model().CalloutChoice(), (CalloutOptions{CalloutStyle::Limits, DiameterSign::None}));
    EXPECT_TRUE(window->CalloutStyleMenu()->actions()[3]->isChecked());

    window.reset();
    QSettings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
              MainWindow::kSettingsName)
        .setValue(MainWindow::kCalloutStyleKey, QStringLiteral("Limits"));
    window = ShowMainWindow(noHelp);
    EXPECT_EQ(window->Model().CalloutChoice(), (CalloutOptions{CalloutStyle::Class, DiameterSign::None}));
}

}  // namespace
}  // namespace tolvo
