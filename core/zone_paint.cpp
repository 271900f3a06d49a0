#include "core/zone_paint.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace tolvo {
namespace {

// The two slanted strokes across the axis at a break: half their width and half their rise.
constexpr double kBreakStrokeHalfWidth = 6.0;
constexpr double kBreakStrokeHalfRise = 3.0;
// The end strokes of a dimension line, each side of it.
constexpr double kSpanEndHalfWidth = 4.0;
// The fit-kind label's box: its padding beside the text, and how far it reaches below the baseline.
constexpr double kKindPadding = 3.0;
constexpr double kKindBoxBelow = 5.0;
constexpr double kKindBoxEm = kZoneKindColumnEm - 1.0;
// Where a baseline goes for a text centred on, or hanging below, a point: the
// usual share of the em above the baseline in the sans-serif faces used.
constexpr double kCentreDrop = 0.35;
constexpr double kAscent = 0.8;
constexpr double kDescent = 0.25;
// The least room a text keeps from the picture's edges.
constexpr double kEdge = 2.0;

Colour FromRgb(const Rgb& c) {
    return {c.red, c.green, c.blue, 1.0};
}

CanvasAlign Align(TextAlign align) {
    switch (align) {
        case TextAlign::Start:
            break;
        case TextAlign::Middle:
            return CanvasAlign::Middle;
        case TextAlign::End:
            return CanvasAlign::End;
    }
    return CanvasAlign::Start;
}

class Layout {
  public:
    Layout(const ZoneScene& scene, Canvas& canvas, const CanvasBox& box, const ZoneStyle& style)
        : scene_(scene), canvas_(canvas), box_(box), style_(style) {
        footer_ = PlanFooter();
        const int footerLines =
            footer_.lines + (scene.note.empty() ? 0 : 1) + (scene.serviceNote.empty() ? 0 : 1);
        plotTop_ = box.top + style.topMargin;
        plotBottom_ = std::max(plotTop_ + 1.0,
                               box.top + box.height - style.bottomMargin - footerLines * style.lineHeight);
    }

    double X(double units) const { return box_.left + units / kZoneLayoutWidth * box_.width; }
    double Y(double drawn) const {
        const double range = scene_.top - scene_.bottom;
        if (!(range > 0.0)) return (plotTop_ + plotBottom_) / 2.0;
        return plotTop_ + (scene_.top - drawn) / range * (plotBottom_ - plotTop_);
    }

    void Line(double x1, double y1, double x2, double y2, const Colour& colour, double width,
              double dash = 0.0, double gap = 0.0) {
        canvas_.Line({x1, y1}, {x2, y2}, Pen{colour, width, dash, gap});
    }

    // Moved back inside the box, an edge's width from its sides, where it
    // would run out of it: a long deviation beside a zone, in a small window.
    void Text(const std::string& text, double x, double y, CanvasAlign align, const Colour& colour,
              const CanvasFont& font) {
        if (text.empty()) return;
        const double width = canvas_.TextWidth(text, font);
        const double share = align == CanvasAlign::Middle ? 0.5 : align == CanvasAlign::End ? 1.0 : 0.0;
        const double left = x - share * width;
        const double maxLeft = box_.Right() - kEdge - width;
        if (left > maxLeft) x -= left - maxLeft;
        if (x - share * width < box_.left + kEdge) x = box_.left + kEdge + share * width;
        y = std::clamp(
            y, box_.top + kEdge + font.size * kAscent,
            std::max(box_.top + kEdge + font.size * kAscent, box_.Bottom() - kEdge - font.size * kDescent));
        canvas_.Text(text, {x, y}, font, align, colour);
    }
    void Text(const std::string& text, double x, double y, CanvasAlign align) {
        Text(text, x, y, align, style_.ink, style_.font);
    }

    // A scene text: its baseline above, beside or below its anchor.
    void Text(const ZoneText& t) {
        const double size = style_.font.size;
        double y = Y(t.y);
        if (t.place == TextPlace::Above) y -= style_.textGap;
        if (t.place == TextPlace::Center) y += size * kCentreDrop;
        if (t.place == TextPlace::Below) y += style_.textGap + size * kAscent;
        Text(t.text, X(t.x), y, Align(t.align));
    }

    // No scale, zero line or zone: only the note, in the middle of the box.
    void NotToScale() {
        Text(scene_.note, box_.left + box_.width / 2,
             box_.top + box_.height / 2 + style_.font.size * kCentreDrop, CanvasAlign::Middle);
    }

    void Background() { canvas_.Rect(box_, style_.background, Pen{style_.background, 0.0}); }

    void ZeroLine() {
        Line(X(scene_.axisX), Y(scene_.zeroY), X(kZoneLayoutWidth), Y(scene_.zeroY), style_.ink, 1.5);
        Text(scene_.zeroLabel);
    }

    // Drawn downwards, with a gap and two slanted strokes at each break.
    void Axis() {
        const double x = X(scene_.axisX);
        const double gap = style_.breakGap;
        double top = plotTop_;
        std::vector<ZoneBreak> breaks = scene_.breaks;
        std::sort(breaks.begin(), breaks.end(),
                  [](const ZoneBreak& a, const ZoneBreak& b) { return a.y > b.y; });
        for (const ZoneBreak& b : breaks) {
            const double y = Y(b.y);
            Line(x, top, x, y - gap, style_.ink, 1.0);
            for (double dy : {-gap, gap}) {
                Line(x - kBreakStrokeHalfWidth, y + dy + kBreakStrokeHalfRise, x + kBreakStrokeHalfWidth,
                     y + dy - kBreakStrokeHalfRise, style_.ink, 1.5);
            }
            top = y + gap;
        }
        Line(x, top, x, plotBottom_, style_.ink, 1.0);
        for (const ZoneTick& t : scene_.ticks) {
            const double y = Y(t.y);
            Line(x - style_.tickLength, y, x, y, style_.ink, 1.0);
            Text(t.text, x - style_.tickLength - style_.textGap, y + style_.font.size * kCentreDrop,
                 CanvasAlign::End);
        }
        Text(scene_.unit);
    }

    void Zone(const ZoneRect& zone) {
        const bool hole = zone.kind == FeatureKind::Hole;
        const Colour& fill = hole ? style_.holeFill : style_.shaftFill;
        const Colour& stroke = hole ? style_.holeStroke : style_.shaftStroke;
        const double left = X(zone.left), right = X(zone.right);
        if (zone.isLine) {
            Line(left, Y(zone.top), right, Y(zone.top), stroke, 3.0);
        } else {
            const double top = Y(zone.top), bottom = Y(zone.bottom);
            canvas_.Rect({left, top, right - left, bottom - top}, fill, Pen{stroke, 1.5});
        }
        Text(zone.label);
        Text(zone.upperText);
        Text(zone.lowerText);
    }

    // A zone at temperature: its outline only, dashed, with its temperature above.
    void Outline(const ZoneRect& zone) {
        const Colour& stroke = zone.kind == FeatureKind::Hole ? style_.holeStroke : style_.shaftStroke;
        const double left = X(zone.left), right = X(zone.right), top = Y(zone.top), bottom = Y(zone.bottom);
        if (zone.isLine) {
            Line(left, top, right, top, stroke, 3.0);
        } else {
            for (const auto& [x1, y1, x2, y2] :
                 {std::array{left, top, right, top}, std::array{right, top, right, bottom},
                  std::array{right, bottom, left, bottom}, std::array{left, bottom, left, top}})
                Line(x1, y1, x2, y2, stroke, 2.0, 4.0, 2.0);
        }
        Text(zone.label);
    }
    void Band(const ZoneBand& band) {
        const double left = X(band.left), right = X(band.right), top = Y(band.top), bottom = Y(band.bottom);
        Colour fill = style_.ink;
        fill.alpha = 0.35;
        canvas_.Rect({left, top, right - left, std::max(bottom - top, 1.0)}, fill, Pen{style_.ink, 1.0});
        Text(band.label);
    }
    void Spans() {
        const std::optional<Colour> spanColour = ZoneSpanColour(scene_.fitKind, style_);
        if (scene_.spans.empty() || !spanColour || scene_.zones.size() < 2) return;
        const Colour colour = *spanColour;
        const double holeRight = X(scene_.zones[0].right), shaftLeft = X(scene_.zones[1].left);
        for (const ZoneSpan& s : scene_.spans) {
            const double x = X(s.x), from = Y(s.from), to = Y(s.to);
            Line(holeRight, to, x, to, style_.guide, 1.0, 3.0, 2.0);
            Line(x, from, shaftLeft, from, style_.guide, 1.0, 3.0, 2.0);
            // A contrasting edge under the fit's colour, so that yellow reads on any background.
            for (double y : {from, to})
                Line(x - kSpanEndHalfWidth, y, x + kSpanEndHalfWidth, y, style_.ink, 1.5);
            Line(x, from, x, to, style_.ink, 5.0);
            Line(x, from, x, to, colour, 3.0);
        }
    }

    // The fit's kind in its coloured box, then the two spans' texts: on the
    // columns when the line ends an em inside the box that way, else packed an
    // em apart, else each span on a line of its own below the kind.
    struct FooterPlan {
        double boxWidth = 0.0;
        std::vector<double> starts;  // x of each span's text
        int lines = 0;               // of the kind and the spans
    };
    FooterPlan PlanFooter() {
        FooterPlan plan;
        if (scene_.fitKindText.empty()) return plan;
        const double size = style_.font.size;
        const double x = X(scene_.axisX);
        const double kindWidth = canvas_.TextWidth(scene_.fitKindText, style_.font);
        std::vector<double> spanWidths;
        for (const ZoneSpan& s : scene_.spans) spanWidths.push_back(canvas_.TextWidth(s.text, style_.font));
        // Where the line ends with the texts on the columns or packed.
        auto place = [&](bool onColumns) {
            plan.boxWidth = kindWidth + 2 * kKindPadding;
            if (onColumns) plan.boxWidth = std::max(plan.boxWidth, kKindBoxEm * size);
            double next = x - kKindPadding + plan.boxWidth + size;
            if (onColumns) next = std::max(next, x + kZoneKindColumnEm * size);
            plan.starts.clear();
            for (double width : spanWidths) {
                plan.starts.push_back(next);
                next = onColumns ? std::max(next + kZoneSpanColumnEm * size, next + width + size)
                                 : next + width + size;
            }
            return plan.starts.empty() ? x + kindWidth : plan.starts.back() + spanWidths.back();
        };
        plan.lines = 1;
        if (place(true) <= box_.Right() - size || place(false) <= box_.Right() - size) return plan;
        plan.starts.assign(spanWidths.size(), x);
        plan.lines = 1 + static_cast<int>(spanWidths.size());
        return plan;
    }

    void Footer() {
        const double size = style_.font.size;
        double y = plotBottom_ + style_.bottomMargin + size;
        const double x = X(scene_.axisX);
        if (!scene_.fitKindText.empty()) {
            const std::optional<LabelColors> colors = FitKindColors(scene_.fitKind);
            if (colors) {
                canvas_.Rect({x - kKindPadding, y - size, footer_.boxWidth, size + kKindBoxBelow},
                             FromRgb(colors->background), Pen{style_.ink, 1.5});
            }
            Text(scene_.fitKindText, x, y, CanvasAlign::Start, colors ? FromRgb(colors->text) : style_.ink,
                 style_.font);
            const bool stacked = footer_.lines > 1;
            for (std::size_t i = 0; i < scene_.spans.size(); ++i) {
                if (stacked) y += style_.lineHeight;
                Text(scene_.spans[i].text, footer_.starts[i], y, CanvasAlign::Start);
            }
            y += style_.lineHeight;
        }
        Text(scene_.note, x, y, CanvasAlign::Start, style_.ink, style_.noteFont);
        if (!scene_.note.empty()) y += style_.lineHeight;
        Text(scene_.serviceNote, x, y, CanvasAlign::Start, style_.ink, style_.noteFont);
    }

  private:
    const ZoneScene& scene_;
    Canvas& canvas_;
    CanvasBox box_;
    const ZoneStyle& style_;
    double plotTop_ = 0.0;
    double plotBottom_ = 0.0;
    FooterPlan footer_;
};

}  // namespace

std::optional<Colour> ZoneSpanColour(FitKind kind, const ZoneStyle& style) {
    if (kind == FitKind::Transition) return style.transitionSpan;
    const std::optional<LabelColors> colors = FitKindColors(kind);
    if (!colors) return std::nullopt;
    return FromRgb(colors->background);
}

void PaintZoneScene(const ZoneScene& scene, Canvas& canvas, const CanvasBox& box, const ZoneStyle& style) {
    Layout layout(scene, canvas, box, style);
    layout.Background();
    if (!scene.toScale) {
        layout.NotToScale();
        return;
    }
    layout.ZeroLine();
    layout.Axis();
    for (const ZoneRect& zone : scene.zones) layout.Zone(zone);
    for (const ZoneRect& zone : scene.serviceZones) layout.Outline(zone);
    layout.Spans();
    if (scene.clearanceBand) layout.Band(*scene.clearanceBand);
    layout.Footer();
}

}  // namespace tolvo
