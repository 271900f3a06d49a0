// The operating-conditions dialog through real widgets: Ctrl+T opens it
// beside the calculator, keys typed into its edits compute the fit at
// temperature, the zone diagram draws the zones at temperature while it is
// open, and the context menu offers it.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/qt/companion_dialog.h"

namespace tolvo {
namespace {

TEST(ServiceDialog, CtrlTOpensItAndTheDiagramDrawsTheZonesAtTemperatureWhileItIsOpen) {
    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window = ShowMainWindow(noHelp);
    QTest::keyClicks(qobject_cast<QLineEdit*>(window->Control(main_dialog::kHoleBasicSize)), "25");
    const auto slide = [&](int id, int position) {
        qobject_cast<QSlider*>(window->Control(id))->setValue(position);
    };
    slide(main_dialog::kHoleLetterSlider, 4);   // H
    slide(main_dialog::kHoleGradeSlider, 2);    // 7
    slide(main_dialog::kShaftLetterSlider, 3);  // g
    slide(main_dialog::kShaftGradeSlider, 1);   // 6
    window->ZoneDiagramAction()->trigger();
    QTest::keySequence(window.get(), QKeySequence(U(kServiceShortcut)));
    ServiceDialog* dialog = window->Service();
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    EXPECT_FALSE(dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), U("使用条件"));
    const auto edit = [&](int id) { return qobject_cast<QLineEdit*>(dialog->Control(id)); };
    // A steel hole at 80 °C grows by 11.7e-6·60: H7's limits to 25.01755 (25.0175 in binary) and 25.0385647.
    edit(service_dialog::kHoleTemperature)->selectAll();
    QTest::keyClicks(edit(service_dialog::kHoleTemperature), "80");
    EXPECT_EQ(edit(service_dialog::kHoleLimits)->text(), U("φ25.0175 ～ 25.0386"));
    EXPECT_EQ(edit(service_dialog::kKind)->text(), U("すきまばめ"));
    ASSERT_TRUE(window->ZoneDiagram().Input().service.has_value());
    EXPECT_EQ(BuildZoneScene(window->ZoneDiagram().Input()).serviceZones.size(), 2u);
    // The context menu's item is the same action.
    EXPECT_EQ(window->ServiceAction()->shortcut(), QKeySequence(U(kServiceShortcut)));
    // The dialog follows the main window: the shaft's change redraws the outline at once.
    slide(main_dialog::kShaftLetterSlider, 9);  // p6
    // The shaft stays at 20 °C: p6's outline is its zone, +35 μm, beside the hole's at 80 °C.
    const ZoneScene scene = BuildZoneScene(window->ZoneDiagram().Input());
    ASSERT_EQ(scene.serviceZones.size(), 2u);
    EXPECT_DOUBLE_EQ(scene.serviceZones[0].upperUm, 38.565);
    EXPECT_DOUBLE_EQ(scene.serviceZones[1].upperUm, 35.0);
    // 25.0385647 − 25.022 > 0 > 25.01755 − 25.035: a transition.
    EXPECT_EQ(edit(service_dialog::kKind)->text(), U("中間ばめ"));
    QTest::keyClick(dialog->Control(service_dialog::kHoleTemperature), Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->Service() == nullptr; }));
    EXPECT_FALSE(window->ZoneDiagram().Input().service.has_value());
}

}  // namespace
}  // namespace tolvo
