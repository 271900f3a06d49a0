#include "core/calculation_sheet.h"

#include <algorithm>
#include <cmath>

#include "core/general_table.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/svg_canvas.h"
#include "core/text_fill.h"
#include "core/texts_ja.h"
#include "core/utf8.h"
#include "core/zone_paint.h"
#include "core/zone_svg.h"

namespace tolvo {
namespace {

// In the sheet's units (a quarter millimetre).
constexpr double kSideMargin = 60.0;  // 15 mm
constexpr double kTopMargin = 56.0;
constexpr double kBottomMargin = 60.0;
constexpr double kColumnGap = 32.0;
constexpr double kSectionGap = 16.0;
constexpr double kLineShare = 1.5;  // a line's height in ems of its font
constexpr CanvasFont kTitleFont{30.0, true};
constexpr CanvasFont kMetaFont{13.0};
constexpr CanvasFont kHeadingFont{16.0, true};
constexpr CanvasFont kRowFont{14.0};
constexpr double kRowIndent = 12.0;
// The diagram's box: as tall as the page allows between these.
constexpr double kDiagramMinHeight = 300.0;
constexpr double kDiagramMaxHeight = 460.0;
// A row broken into lines keeps at most this many, the last ending in "…".
constexpr int kMaxRowLines = 3;
constexpr std::string_view kEllipsis = ja::kSheetEllipsis;
// When the page is full, every text is set smaller by this step until it fits.
constexpr double kShrinkStep = 0.92;
constexpr int kShrinkSteps = 60;
constexpr double kDescent = 0.25;
const Colour kInk = ColourFromHex("#222222");
const Colour kRule = ColourFromHex("#888888");
const Colour kPaper{255, 255, 255};

CanvasFont Scaled(CanvasFont font, double scale) {
    font.size *= scale;
    return font;
}

std::vector<std::string> Characters(std::string_view text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8::Decode(text, i).length;
        characters.emplace_back(text.substr(i, std::max<std::size_t>(length, 1)));
        i += std::max<std::size_t>(length, 1);
    }
    return characters;
}

// A row as it is set: its font and its lines.
struct SetRow {
    CanvasFont font;
    std::vector<std::string> lines;
};

// One line when it fits, else smaller down to kSheetSmallestShare, else
// broken where the width ends (at a blank when one is in the line's second
// half), at most kMaxRowLines lines.
SetRow SetText(Canvas& canvas, const std::string& text, CanvasFont font, double width) {
    const double natural = canvas.TextWidth(text, font);
    if (natural <= width) return {font, {text}};
    font.size = std::max(font.size * kSheetSmallestShare, std::floor(font.size * width / natural * 10) / 10);
    if (canvas.TextWidth(text, font) <= width) return {font, {text}};
    SetRow row{font, {}};
    std::string line;
    double lineWidth = 0.0;
    const double ellipsis = canvas.TextWidth(kEllipsis, font);
    const std::vector<std::string> characters = Characters(text);
    for (std::size_t i = 0; i < characters.size(); ++i) {
        const double w = canvas.TextWidth(characters[i], font);
        const bool last = static_cast<int>(row.lines.size()) == kMaxRowLines - 1;
        const double room = last && i + 1 < characters.size() ? width - ellipsis : width;
        if (lineWidth + w > room && !line.empty()) {
            if (last) {
                row.lines.push_back(line + std::string(kEllipsis));
                return row;
            }
            std::string rest;
            const std::size_t blank = line.rfind(' ');
            if (blank != std::string::npos && blank * 2 > line.size()) {
                rest = line.substr(blank + 1);
                line.erase(blank);
            }
            row.lines.push_back(line);
            line = rest;
            lineWidth = canvas.TextWidth(line, font);
        }
        line += characters[i];
        lineWidth += w;
    }
    row.lines.push_back(line);
    return row;
}

class Layout {
  public:
    Layout(const CalculationSheet& sheet, Canvas& canvas) : sheet_(sheet), canvas_(canvas) {}

    // Finds the largest scale at which everything fits, then draws.
    void Paint() {
        canvas_.Rect({0.0, 0.0, kSheetWidth, kSheetHeight}, kPaper, Pen{kPaper, 0.0});
        for (int step = 0; step < kShrinkSteps; ++step) {
            drawing_ = false;
            const double end = Run();
            if (end <= kSheetHeight - kBottomMargin) break;
            scale_ *= kShrinkStep;
        }
        drawing_ = true;
        Run();
    }

  private:
    double Width() const { return kSheetWidth - 2 * kSideMargin; }
    double Line(const CanvasFont& font) const { return font.size * kLineShare; }

    void Text(const std::string& text, double x, double baseline, const CanvasFont& font,
              CanvasAlign align = CanvasAlign::Start) {
        if (drawing_ && !text.empty()) canvas_.Text(text, {x, baseline}, font, align, kInk);
    }

    // The rows of a section from y on, in a column; returns where it ends.
    double Section(const SheetSection& section, double x, double y, double width) {
        const CanvasFont heading = Scaled(kHeadingFont, scale_);
        const SetRow title = SetText(canvas_, section.title, heading, width);
        for (const std::string& line : title.lines) {
            y += Line(title.font);
            Text(line, x, y - title.font.size * (kLineShare - 1.0) / 2 - title.font.size * kDescent,
                 title.font);
        }
        if (drawing_ && !section.title.empty()) {
            canvas_.Line({x, y + 2.0 * scale_}, {x + width, y + 2.0 * scale_}, Pen{kRule, 1.0});
        }
        y += 4.0 * scale_;
        for (const std::string& text : section.rows) {
            const SetRow row = SetText(canvas_, text, Scaled(kRowFont, scale_), width - kRowIndent * scale_);
            for (const std::string& line : row.lines) {
                y += Line(row.font);
                Text(line, x + kRowIndent * scale_,
                     y - row.font.size * (kLineShare - 1.0) / 2 - row.font.size * kDescent, row.font);
            }
        }
        return y + kSectionGap * scale_;
    }

    // Returns where the content ends.
    double Run() {
        const double left = kSideMargin, right = kSheetWidth - kSideMargin;
        double y = kTopMargin;
        const CanvasFont title = Scaled(kTitleFont, scale_);
        const SetRow titleRow = SetText(canvas_, sheet_.title, title, Width());
        for (const std::string& line : titleRow.lines) {
            y += titleRow.font.size;
            Text(line, left, y, titleRow.font);
            y += titleRow.font.size * (kLineShare - 1.0);
        }
        // The date on the left, the version on the right, each in its half.
        const CanvasFont meta = Scaled(kMetaFont, scale_);
        const double half = (Width() - kColumnGap) / 2;
        const SetRow date = SetText(canvas_, sheet_.date, meta, half);
        const SetRow version = SetText(canvas_, sheet_.version, meta, half);
        const std::size_t metaLines = std::max(date.lines.size(), version.lines.size());
        for (std::size_t i = 0; i < metaLines; ++i) {
            y += Line(meta);
            if (i < date.lines.size()) Text(date.lines[i], left, y, date.font);
            if (i < version.lines.size()) Text(version.lines[i], right, y, version.font, CanvasAlign::End);
        }
        y += meta.size * kDescent + 4.0 * scale_;
        if (drawing_) canvas_.Line({left, y}, {right, y}, Pen{kInk, 1.5});
        y += kSectionGap * scale_;

        y = Section(sheet_.inputs, left, y, Width());
        const double column = (Width() - kColumnGap) / 2;
        y = std::max(Section(sheet_.hole, left, y, column),
                     Section(sheet_.shaft, left + column + kColumnGap, y, column));
        y = Section(sheet_.fit, left, y, Width());
        if (sheet_.callouts) y = Section(*sheet_.callouts, left, y, Width());

        // The diagram takes what the further sections leave, within its bounds.
        const SheetSection zonesHeading{sheet_.zonesTitle, {}};
        const double afterTitle = Section(zonesHeading, left, y, Width()) - kSectionGap * scale_;
        double furtherHeight = 0.0;
        {
            const bool drawing = drawing_;
            drawing_ = false;
            double end = 0.0;
            for (const SheetSection& s : sheet_.further) end = Section(s, left, end, Width());
            furtherHeight = end;
            drawing_ = drawing;
        }
        const double room = kSheetHeight - kBottomMargin - afterTitle - furtherHeight - kSectionGap * scale_;
        const double diagram = std::clamp(room, kDiagramMinHeight * std::min(1.0, scale_), kDiagramMaxHeight);
        if (drawing_)
            PaintZoneScene(sheet_.zones, canvas_, {left, afterTitle, Width(), diagram}, ZoneStyle());
        y = afterTitle + diagram + kSectionGap * scale_;
        for (const SheetSection& s : sheet_.further) y = Section(s, left, y, Width());
        return y - kSectionGap * scale_;
    }

    const CalculationSheet& sheet_;
    Canvas& canvas_;
    double scale_ = 1.0;
    bool drawing_ = false;
};

std::vector<std::string> FeatureRows(const FeatureReportLines& lines) {
    return {lines.basicSize, lines.deviation, lines.tolerance, lines.limits, lines.mean};
}

// The fit's rows: the kind, then each amount line of its two, then the mean fit.
std::vector<std::string> FitRows(const ReportLines& lines) {
    std::vector<std::string> rows;
    if (!lines.fitKind.empty()) rows.push_back(lines.fitKind);
    std::string_view amounts = lines.fitAmounts;
    for (std::size_t end; (end = amounts.find("\r\n")) != std::string_view::npos;
         amounts.remove_prefix(end + 2))
        rows.emplace_back(amounts.substr(0, end));
    rows.emplace_back(amounts);
    rows.push_back(lines.meanFit);
    return rows;
}

}  // namespace

std::vector<std::string> SheetCalloutRows(const FeatureCallout& hole, const FeatureCallout& shaft,
                                          DiameterSign sign) {
    std::vector<std::string> rows;
    for (CalloutStyle style : CalloutStyles()) {
        std::string row = PairCalloutText(hole, shaft, style, sign);
        if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(std::move(row));
    }
    return rows;
}

std::optional<SheetSection> SheetSectionFromLines(std::string title, std::string_view lines) {
    if (lines.empty()) return std::nullopt;
    SheetSection section{std::move(title), {}};
    while (!lines.empty()) {
        const std::size_t end = lines.find('\n');
        std::string_view row = lines.substr(0, end);
        if (row.ends_with('\r')) row.remove_suffix(1);
        section.rows.emplace_back(row);
        lines.remove_prefix(end == std::string_view::npos ? lines.size() : end + 1);
    }
    return section;
}

std::string SheetInputRow(const SheetFeatureInput& input) {
    std::string given;
    switch (input.mode) {
        case ToleranceMode::FitClass:
            given = FillIn(ja::kSheetFitClassInput, {input.className});
            break;
        case ToleranceMode::General:
            given = FillIn(ja::kFixedGeneralLabel, {GeneralClassName(input.generalClass)});
            break;
        case ToleranceMode::Free:
            given = FillIn(ja::kSheetFreeInput, {input.freeFirst, input.freeSecond});
            break;
    }
    return FillIn(ja::kSheetInputRow, {FeatureWord(input.kind), FormatG(input.basicSize), given});
}

CalculationSheet BuildCalculationSheet(const SheetSource& source) {
    CalculationSheet sheet;
    sheet.title = std::string(ja::kSheetTitle);
    sheet.date = std::string(ja::kSheetDateLabel) + source.date;
    sheet.version = std::string(ja::kMessageCaption);
    sheet.inputs = {std::string(ja::kSheetInputsTitle),
                    {SheetInputRow(source.hole), SheetInputRow(source.shaft)}};
    sheet.hole = {std::string(FeatureWord(FeatureKind::Hole)), FeatureRows(source.results.hole)};
    sheet.shaft = {std::string(FeatureWord(FeatureKind::Shaft)), FeatureRows(source.results.shaft)};
    sheet.fit = {std::string(ja::kSheetFitTitle), FitRows(source.results)};
    if (!source.callouts.empty())
        sheet.callouts = SheetSection{std::string(ja::kIncludeCalloutText), source.callouts};
    sheet.zonesTitle = std::string(ja::kZoneDiagramMenuItemText);
    sheet.zones = BuildZoneScene(source.zones);
    sheet.further = source.further;
    return sheet;
}

void PaintCalculationSheet(const CalculationSheet& sheet, Canvas& canvas) {
    Layout(sheet, canvas).Paint();
}

std::string WriteCalculationSheetSvg(const CalculationSheet& sheet) {
    SvgCanvas canvas(kSheetWidth, kSheetHeight, FormatG(kSheetWidth * kSheetUnitMm) + "mm",
                     FormatG(kSheetHeight * kSheetUnitMm) + "mm", kZoneSvgFontFamily, kRowFont);
    PaintCalculationSheet(sheet, canvas);
    return canvas.Finish();
}

}  // namespace tolvo
