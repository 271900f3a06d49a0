// The tooltips of the main window: every input control says what it takes,
// and an input edit read only in part says which number it computes with.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QHelpEvent>
#include <QLineEdit>
#include <QSet>
#include <QTest>
#include <QToolTip>

#include "core/fit_table.h"
#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/control_tooltips.h"
#include "ui/qt/main_window.h"
#include "ui/qt/model_view.h"

namespace tolvo {
namespace {

using namespace main_dialog;

class TooltipsTest : public ::testing::Test {
  protected:
    void SetUp() override { window = ShowMainWindow(noHelp); }
    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window;
};

bool HasJapanese(const QString& text) {
    for (QChar c : text)
        if (c.unicode() >= 0x3040) return true;
    return false;
}

TEST_F(TooltipsTest, EveryInputControlTheClassLabelsAndTheFitKindLabelHaveOne) {
    std::vector<int> wanted = {kHoleClassLabel, kShaftClassLabel, kFitKindLabel};
    for (const ControlTemplate& t : kMainDialog.controls)
        if (t.id != kNoId && IsTabStop(t.kind)) wanted.push_back(t.id);
    for (int id : wanted) {
        const QString tip = window->Control(id)->toolTip();
        EXPECT_TRUE(HasJapanese(tip)) << id << ": " << tip.toStdString();
    }
}

// The view shows the model's tooltips, and follows them when the range changes them.
TEST_F(TooltipsTest, EveryWidgetShowsItsModelsTooltip) {
    for (bool whole : {true, false}) {
        window->FullRangeAction()->trigger();
        ASSERT_EQ(window->Model().Range() == FitClassRange::Whole, whole);
        for (const ControlState& c : window->Model().Controls().All()) {
            if (c.tooltip.empty()) continue;
            ASSERT_NE(window->Control(c.id), nullptr) << c.id;
            EXPECT_EQ(window->Control(c.id)->toolTip(), U(c.tooltip.c_str())) << c.id;
        }
    }
}

TEST_F(TooltipsTest, TheSizeAndDeviationEditsNameTheirUnitAndRanges) {
    for (int id : {kHoleBasicSize, kShaftBasicSize}) {
        const QString tip = window->Control(id)->toolTip();
        for (const char* part : {"基準寸法 (mm)", "0を超える", "120mm以下", "0.5mm以上4000mm以下"})
            EXPECT_TRUE(tip.contains(U(part))) << id << ": " << part;
    }
    for (int id : {kHoleFreeFirst, kHoleFreeSecond, kShaftFreeFirst, kShaftFreeSecond}) {
        const QString tip = window->Control(id)->toolTip();
        EXPECT_TRUE(tip.contains(U("寸法許容差"))) << id;
        EXPECT_TRUE(tip.contains(U("(mm)"))) << id;
        EXPECT_TRUE(tip.contains(U("どちらが上の許容差でもかまいません"))) << id;
    }
}

TEST_F(TooltipsTest, HoveringShowsTheTooltip) {
    QWidget* edit = window->Control(kHoleBasicSize);
    const QPoint inside = edit->rect().center();
    QHelpEvent event(QEvent::ToolTip, inside, edit->mapToGlobal(inside));
    QApplication::sendEvent(edit, &event);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), edit->toolTip());
    QToolTip::hideText();
}

// The mirroring of a model's states, without a model.
class MirroringView : public DialogView {
  public:
    using DialogView::DialogView;
    void Show(const ControlStates& states) { MirrorStates(states, kHoleBasicSize, std::nullopt); }
};

TEST(PartialNumberTest, AnEditReadInPartIsTintedAndSaysWhichNumberItComputesWith) {
    QDialog dialog;
    MirroringView view(dialog, kMainDialog);
    ControlStates states(kMainDialog);
    SetMainDialogTooltips(states, ClassicRange());
    view.Show(states);
    auto* edit = qobject_cast<QLineEdit*>(view.Control(kHoleBasicSize));
    const QString normal = edit->toolTip();
    EXPECT_EQ(normal, U(states.At(kHoleBasicSize).tooltip.c_str()));
    const QString shaftNormal = view.Control(kShaftBasicSize)->toolTip();
    const QColor normalBase = edit->palette().color(QPalette::Base);
    states.At(kHoleBasicSize).text = "25,5";
    states.At(kHoleBasicSize).partial = true;
    states.At(kHoleBasicSize).readAs = "25";
    view.Show(states);
    EXPECT_EQ(edit->text(), QStringLiteral("25,5"));
    EXPECT_EQ(edit->toolTip(), U("「25」として計算しています"));
    EXPECT_NE(edit->palette().color(QPalette::Base), normalBase);
    const QImage painted = edit->grab().toImage();
    EXPECT_EQ(QColor(painted.pixel(painted.width() - 4, painted.height() / 2)),
              edit->palette().color(QPalette::Base));
    // the other edits keep their own
    EXPECT_EQ(view.Control(kShaftBasicSize)->toolTip(), shaftNormal);

    states.At(kHoleBasicSize).readAs = "2";
    states.At(kHoleBasicSize).text = "2x5";
    view.Show(states);
    EXPECT_EQ(edit->toolTip(), U("「2」として計算しています"));

    states.At(kHoleBasicSize).text = "25";
    states.At(kHoleBasicSize).partial = false;
    states.At(kHoleBasicSize).readAs.clear();
    view.Show(states);
    EXPECT_EQ(edit->toolTip(), normal);
    EXPECT_EQ(edit->palette().color(QPalette::Base), normalBase);
}

}  // namespace
}  // namespace tolvo
