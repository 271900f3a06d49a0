// In-process benchmarks: one refresh of the core, one keystroke through the
// model, one keystroke through the real window (offscreen), each beside a
// baseline measured in the same run. Prints rows of the bench table.
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QSlider>
#include <QTest>
#include <cstdio>
#include <string>

#include "bench/timing.h"
#include "core/feature_evaluation.h"
#include "core/fit_evaluation.h"
#include "core/fit_table.h"
#include "platform/help_folders.h"
#include "tools/driver/recording_host.h"
#include "ui/main_model.h"
#include "ui/qt/main_window.h"

namespace {

using tolvo::bench::MedianNanoseconds;

volatile std::size_t sink = 0;

void Row(const char* what, double value, const char* unit, const char* baseline, double baselineValue,
         const char* goal) {
    std::printf("| %-44s | %10.3f %-2s | %-34s | %10.3f %-2s | %6.2fx | %-10s |\n", what, value, unit,
                baseline, baselineValue, unit, value / baselineValue, goal);
}

// One keystroke into the edit, typing KEY and deleting it in turn, then the repaint.
template <typename Repaint>
double KeystrokeNanoseconds(QLineEdit* edit, Qt::Key key, Repaint repaint) {
    bool typing = true;
    return MedianNanoseconds(
        [&] {
            QTest::keyClick(edit, typing ? key : Qt::Key_Backspace);
            typing = !typing;
            repaint();
        },
        9, 0.05);
}

// The same with a repaint of one window.
double KeystrokeWithRepaint(QWidget& window, QLineEdit& edit, Qt::Key key) {
    return KeystrokeNanoseconds(&edit, key, [&] { window.repaint(); });
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    using namespace tolvo;

    // core: hole 25 H7, shaft 25 g6 and their fit
    FeatureState hole, shaft;
    hole.sizeStep = shaft.sizeStep = *iso286::ClassifySizeStep(25);
    const FeatureInputs holeInputs{"25", ToleranceMode::FitClass, 4, 2, "", ""};
    const FeatureInputs shaftInputs{"25", ToleranceMode::FitClass, 3, 1, "", ""};
    const double refresh = MedianNanoseconds([&] {
        const FeatureEvaluation h = EvaluateFeature(FeatureKind::Hole, hole, holeInputs);
        const FeatureEvaluation s = EvaluateFeature(FeatureKind::Shaft, shaft, shaftInputs);
        const FitEvaluation f = EvaluateFit(h.state, s.state);
        sink = sink + h.texts->limitSizes.size() + s.texts->meanValue.size() + f.texts.meanFit.size();
    });
    // The C library writing the 14 numbers of those texts.
    const double printing = MedianNanoseconds([] {
        char buffer[64];
        std::size_t n = 0;
        for (double v : {21.0, 0.0, 21.0, 25.0, 25.021, 25.0105, 0.0105, -7.0, -20.0, 13.0, 24.98, 24.993,
                         24.9865, 0.0065}) {
            n += static_cast<std::size_t>(std::snprintf(buffer, sizeof buffer, "%g", v));
        }
        sink = sink + n;
    });
    Row("core: one refresh (hole, shaft, fit texts)", refresh, "ns", "14 numbers by snprintf(\"%g\")",
        printing, "< 2000 ns");

    // model: a keystroke in the hole's size edit, the shaft following
    using namespace main_dialog;
    RecordingHost host;
    const FolderHelpSearch noHelp({}, "tolvo");
    MainModel model(host, noHelp);
    model.OnSliderPosition(kHoleLetterSlider, 4);   // H
    model.OnSliderPosition(kHoleGradeSlider, 2);    // 7
    model.OnSliderPosition(kShaftLetterSlider, 3);  // g
    model.OnSliderPosition(kShaftGradeSlider, 1);   // 6
    model.OnEditChanged(kHoleBasicSize, "2");
    bool longer = true;
    const double keystroke = MedianNanoseconds([&] {
        model.OnEditChanged(kHoleBasicSize, longer ? "25" : "2");
        longer = !longer;
    });
    Row("model: one keystroke in 1003, shaft following", keystroke / 1000, "us", "core: one refresh",
        refresh / 1000, "< 20 us");

    // window: a keystroke into the real edit, the view's update and a repaint
    MainWindow window(noHelp);
    window.show();
    auto* edit = static_cast<QLineEdit*>(window.Control(kHoleBasicSize));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_2);
    const double windowKey = KeystrokeWithRepaint(window, *edit, Qt::Key_5);
    // The toolkit's floor: the same keystroke and repaint in a bare dialog of the same size.
    QDialog bare;
    bare.setFixedSize(window.size());
    auto* bareEdit = new QLineEdit(&bare);
    bare.show();
    bareEdit->setFocus();
    const double bareKey = KeystrokeWithRepaint(bare, *bareEdit, Qt::Key_5);
    Row("window: one keystroke in 1003, with repaint", windowKey / 1000, "us",
        "bare QDialog + QLineEdit, same", bareKey / 1000, "< 1000 us");

    // The same with the whole ISO 286 range on, a class that has to be looked
    // up in the whole table and grade marks to grey: 400 H7 / s6.
    window.FullRangeAction()->trigger();
    static_cast<QSlider*>(window.Control(kHoleLetterSlider))->setValue(10);
    static_cast<QSlider*>(window.Control(kHoleGradeSlider))->setValue(8);
    static_cast<QSlider*>(window.Control(kShaftLetterSlider))->setValue(18);
    static_cast<QSlider*>(window.Control(kShaftGradeSlider))->setValue(7);
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("40"));
    const double wholeKey = KeystrokeWithRepaint(window, *edit, Qt::Key_0);
    Row("window, whole range: one keystroke, 40 <-> 400", wholeKey / 1000, "us",
        "bare QDialog + QLineEdit, same", bareKey / 1000, "< 1000 us");

    // The tolerance-zone diagram shown: 25 H7/g6 and 2 H7/g6, the diagram's
    // window following and repainted too.
    MainWindow zoned(noHelp);
    zoned.show();
    if (!zoned.ZoneDiagramAction()->isChecked()) zoned.ZoneDiagramAction()->trigger();
    static_cast<QSlider*>(zoned.Control(kHoleLetterSlider))->setValue(4);
    static_cast<QSlider*>(zoned.Control(kHoleGradeSlider))->setValue(2);
    static_cast<QSlider*>(zoned.Control(kShaftLetterSlider))->setValue(3);
    static_cast<QSlider*>(zoned.Control(kShaftGradeSlider))->setValue(1);
    auto* zonedEdit = static_cast<QLineEdit*>(zoned.Control(kHoleBasicSize));
    zonedEdit->setFocus();
    QTest::keyClick(zonedEdit, Qt::Key_2);
    const double zonedKey = KeystrokeNanoseconds(zonedEdit, Qt::Key_5, [&] {
        zoned.repaint();
        zoned.ZoneDiagram().repaint();
    });
    Row("window + zone diagram: one keystroke, repaint", zonedKey / 1000, "us",
        "bare QDialog + QLineEdit, same", bareKey / 1000, "< 2000 us");
    return sink == 42 ? 1 : 0;
}
