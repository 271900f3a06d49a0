// The calculation sheet of the window as it stands: its texts, read from the
// canvas calls, are the window's inputs, every line of its report, the
// pair's callouts and the diagram's labels, for each way a feature's deviations are given.
#include "ui/sheet_source.h"

#include <functional>

#include "core/texts_ja.h"
#include "tests/core/recording_canvas.h"
#include "tests/ui/model_fixture.h"

namespace tolvo::model_test {
namespace {

using namespace main_dialog;

class SheetSourceTest : public MainModelFixture {
  public:
    using MainModelFixture::Click;
    using MainModelFixture::Set;
    using MainModelFixture::Slide;
    using MainModelFixture::Type;
};

TEST_F(SheetSourceTest, TheSheetHoldsTheInputsEveryResultAndTheDiagram) {
    struct Case {
        const char* what;
        std::function<void(SheetSourceTest&)> set;
        std::vector<std::string> inputs;
        std::vector<std::string> labels;  // of the diagram
    };
    const Case cases[] = {
        {"H7/g6",
         [](SheetSourceTest& t) {
             t.Slide(kHoleLetterSlider, 4);
             t.Slide(kHoleGradeSlider, 2);
             t.Slide(kShaftLetterSlider, 3);
             t.Slide(kShaftGradeSlider, 1);
             t.Type(kHoleBasicSize, "25");
         },
         {"穴 ： 基準寸法 φ25 mm　公差域クラス H7", "軸 ： 基準寸法 φ25 mm　公差域クラス g6"},
         {"H7", "g6", "φ25 mm", "φ25H7/g6", "φ25.021/25.000 φ24.993/24.980"}},
        {"general hole, free shaft",
         [](SheetSourceTest& t) {
             t.Set(kHoleBasicSize, "30");
             t.Click(kHoleGeneralRadio);
             t.Click(kShaftFreeRadio);
             t.Type(kShaftFreeFirst, "-0.01");
             t.Type(kShaftFreeSecond, "-0.03");
         },
         {"穴 ： 基準寸法 φ30 mm　普通公差 精級", "軸 ： 基準寸法 φ30 mm　自由入力 -0.01 / -0.03 mm"},
         {"精級", "自由入力", "φ30 ±0.1 (JIS B 0405-f) φ30 -0.01/-0.03"}},
    };
    for (const Case& c : cases) {
        SheetSourceTest& t = *this;
        c.set(t);
        test::RecordingCanvas canvas;
        PaintCalculationSheet(BuildCalculationSheet(SheetSourceOf(model, "2026-12-08")), canvas);
        const ReportLines lines = model.CurrentReportLines();
        std::vector<std::string> expected = {std::string(ja::kSheetTitle), "作成日 ： 2026-12-08",
                                             std::string(ja::kMessageCaption), lines.fitKind, lines.meanFit};
        for (const FeatureReportLines* f : {&lines.hole, &lines.shaft})
            expected.insert(expected.end(), {f->basicSize, f->deviation, f->tolerance, f->limits, f->mean});
        const std::size_t split = lines.fitAmounts.find("\r\n");
        expected.push_back(lines.fitAmounts.substr(0, split));
        expected.push_back(lines.fitAmounts.substr(split + 2));
        expected.insert(expected.end(), c.inputs.begin(), c.inputs.end());
        expected.insert(expected.end(), c.labels.begin(), c.labels.end());
        EXPECT_FALSE(lines.fitKind.empty()) << c.what;
        for (const std::string& text : expected) EXPECT_TRUE(canvas.Holds(text)) << c.what << ": " << text;
    }
}

}  // namespace
}  // namespace tolvo::model_test
