#include "tools/fit/sheet.h"

#include <chrono>
#include <ctime>

#include "core/general_table.h"
#include "core/iso286_table.h"
#include "core/report_lines.h"
#include "core/text_fill.h"
#include "tools/fit/notation.h"
#include "tools/fit/texts.h"

namespace tolvo::fit {
namespace {

SheetFeatureInput InputOf(const FeatureResult& f) {
    SheetFeatureInput input;
    input.kind = f.kind;
    input.basicSize = f.basicSize;
    input.generalClass = f.side.generalClass;
    switch (f.side.kind) {
        case SideKind::IsoClass:
            input.mode = ToleranceMode::FitClass;
            input.className = iso286::FormatClassName(f.side.isoClass);
            break;
        case SideKind::General:
            input.mode = ToleranceMode::General;
            break;
        case SideKind::Free:
            input.mode = ToleranceMode::Free;
            input.freeFirst = f.side.firstText;
            input.freeSecond = f.side.secondText;
            break;
    }
    return input;
}

// " ( H7 )", " ( 中級 )", nothing for free deviations: as the window's report names the class.
std::string ClassSuffix(const Side& side) {
    switch (side.kind) {
        case SideKind::IsoClass:
            return FitClassSuffix(iso286::LetterName(side.isoClass.kind, side.isoClass.letterIndex),
                                  iso286::GradeName(side.isoClass.gradeIndex));
        case SideKind::General:
            return GeneralClassSuffix(GeneralClassName(side.generalClass));
        case SideKind::Free:
            break;
    }
    return {};
}

}  // namespace

std::optional<Error> ReadSheet(const OptionSpec& option, std::span<const std::string_view> values,
                               Options& options) {
    if (values[0].empty()) return Error{FillIn(en::kNeeds, {option.name, option.needs})};
    options.sheetFile = std::string(values[0]);
    return std::nullopt;
}

SheetSource SheetSourceOf(const Result& result, std::string date) {
    SheetSource source;
    source.date = std::move(date);
    source.hole = InputOf(result.hole);
    source.shaft = InputOf(result.shaft);
    const std::string holeSuffix = ClassSuffix(result.hole.side),
                      shaftSuffix = ClassSuffix(result.shaft.side);
    auto feature = [](const FeatureResult& f, const std::string& suffix) {
        return FeatureReportSource{f.basicSize,        suffix,           f.texts.deviation, f.texts.tolerance,
                                   f.texts.limitSizes, f.texts.meanValue};
    };
    const FitTexts& t = result.fit.texts;
    source.results =
        BuildReportLines(feature(result.hole, holeSuffix), feature(result.shaft, shaftSuffix),
                         {t.kind, t.firstCaption, t.firstAmount, t.secondCaption, t.secondAmount, t.meanFit});
    const auto hole = CalloutOf(result.hole);
    const auto shaft = CalloutOf(result.shaft);
    if (hole && shaft) source.callouts = SheetCalloutRows(*hole, *shaft, DiameterSign::Phi);
    source.zones = DiagramInput(result);
    return source;
}

std::string WriteSheetSvg(const Result& result, std::string date) {
    return WriteCalculationSheetSvg(BuildCalculationSheet(SheetSourceOf(result, std::move(date))));
}

std::string TodayText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    // One thread: the library's own buffer is safe here, and portable.
    const std::tm* local = std::localtime(&now);
    if (local == nullptr) return {};
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", local);
    return text;
}

}  // namespace tolvo::fit
