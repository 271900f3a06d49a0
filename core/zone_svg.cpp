#include "core/zone_svg.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "core/number_text.h"

namespace tolvo {
namespace {

constexpr std::string_view kInk = "#222222";
constexpr std::string_view kGuide = "#888888";
// A generic family last, Japanese faces before it for the labels.
constexpr std::string_view kFontFamily =
    "'Noto Sans CJK JP', 'Source Han Sans JP', 'Yu Gothic UI', 'Yu Gothic', Meiryo, 'Hiragino Sans', sans-serif";

constexpr int kMinimumWidth = 200;
constexpr int kMinimumHeight = 160;
constexpr double kFontSize = 13.0;
constexpr double kLineHeight = 19.0;
constexpr double kTopMargin = 40.0;     // the labels above the highest zone and the unit
constexpr double kBottomMargin = 26.0;  // the texts below the lowest zone
constexpr double kTextGap = 4.0;
constexpr double kTickLength = 5.0;
constexpr double kBreakGap = 4.0;

// Pixels as short, locale-free numbers.
std::string Px(double value) {
    return FormatFixed(std::round(value * 10.0) / 10.0 + 0.0, 1);
}

std::string Hex(const Rgb& c) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    std::string out = "#";
    for (int v : {c.red, c.green, c.blue}) {
        v = std::clamp(v, 0, 255);
        out += digits[v / 16];
        out += digits[v % 16];
    }
    return out;
}

class Writer {
  public:
    Writer(const ZoneScene& scene, int width, int height, double footerLines)
        : scene_(scene),
          width_(width),
          plotTop_(kTopMargin),
          plotBottom_(height - kBottomMargin - footerLines * kLineHeight) {}

    double X(double units) const { return units / kZoneLayoutWidth * width_; }
    double Y(double drawn) const {
        const double range = scene_.top - scene_.bottom;
        return plotTop_ + (scene_.top - drawn) / range * (plotBottom_ - plotTop_);
    }
    double PlotBottom() const { return plotBottom_; }
    double PlotTop() const { return plotTop_; }

    void Line(double x1, double y1, double x2, double y2, std::string_view stroke, double width,
              std::string_view extra = {}) {
        out_ += "<line x1=\"" + Px(x1) + "\" y1=\"" + Px(y1) + "\" x2=\"" + Px(x2) + "\" y2=\"" + Px(y2) +
                "\" stroke=\"" + std::string(stroke) + "\" stroke-width=\"" + Px(width) + "\"" +
                std::string(extra) + "/>\n";
    }

    void Rect(double x, double y, double w, double h, std::string_view fill, std::string_view stroke) {
        out_ += "<rect x=\"" + Px(x) + "\" y=\"" + Px(y) + "\" width=\"" + Px(w) + "\" height=\"" + Px(h) +
                "\" fill=\"" + std::string(fill) + "\"" +
                (stroke.empty() ? std::string()
                                : " stroke=\"" + std::string(stroke) + "\" stroke-width=\"1.5\"") +
                "/>\n";
    }

    void Text(const std::string& text, double x, double y, TextAlign align, std::string_view fill = kInk,
              std::string_view extra = {}) {
        if (text.empty()) return;
        constexpr std::string_view anchors[] = {"start", "middle", "end"};
        out_ += "<text x=\"" + Px(x) + "\" y=\"" + Px(y) + "\" text-anchor=\"" +
                std::string(anchors[static_cast<int>(align)]) + "\" fill=\"" + std::string(fill) + "\"" +
                std::string(extra) + ">" + EscapeXml(text) + "</text>\n";
    }

    // A scene text: its baseline above, beside or below its anchor.
    void Text(const ZoneText& t) {
        double y = Y(t.y);
        if (t.place == TextPlace::Above) y -= kTextGap;
        if (t.place == TextPlace::Center) y += kFontSize * 0.35;
        if (t.place == TextPlace::Below) y += kTextGap + kFontSize * 0.8;
        Text(t.text, X(t.x), y, t.align);
    }

    std::string& Out() { return out_; }

  private:
    const ZoneScene& scene_;
    double width_;
    double plotTop_;
    double plotBottom_;
    std::string out_;
};

void WriteAxis(Writer& w, const ZoneScene& scene) {
    const double x = w.X(scene.axisX);
    double top = w.PlotTop();
    // Drawn downwards, with a gap and two slanted strokes at each break.
    std::vector<ZoneBreak> breaks = scene.breaks;
    std::sort(breaks.begin(), breaks.end(), [](const ZoneBreak& a, const ZoneBreak& b) { return a.y > b.y; });
    for (const ZoneBreak& b : breaks) {
        const double y = w.Y(b.y);
        w.Line(x, top, x, y - kBreakGap, kInk, 1.0);
        for (double dy : {-kBreakGap, kBreakGap}) w.Line(x - 6, y + dy + 3, x + 6, y + dy - 3, kInk, 1.5);
        top = y + kBreakGap;
    }
    w.Line(x, top, x, w.PlotBottom(), kInk, 1.0);
    for (const ZoneTick& t : scene.ticks) {
        const double y = w.Y(t.y);
        w.Line(x - kTickLength, y, x, y, kInk, 1.0);
        w.Text(t.text, x - kTickLength - kTextGap, y + kFontSize * 0.35, TextAlign::End);
    }
    w.Text(scene.unit);
}

void WriteZone(Writer& w, const ZoneRect& zone) {
    const bool hole = zone.kind == FeatureKind::Hole;
    const std::string_view fill = hole ? kZoneHoleFill : kZoneShaftFill;
    const std::string_view stroke = hole ? kZoneHoleStroke : kZoneShaftStroke;
    const double left = w.X(zone.left), right = w.X(zone.right);
    if (zone.isLine) {
        w.Line(left, w.Y(zone.top), right, w.Y(zone.top), stroke, 3.0);
    } else {
        const double top = w.Y(zone.top), bottom = w.Y(zone.bottom);
        w.Rect(left, top, right - left, bottom - top, fill, stroke);
    }
    w.Text(zone.label);
    w.Text(zone.upperText);
    w.Text(zone.lowerText);
}

void WriteSpans(Writer& w, const ZoneScene& scene) {
    const std::optional<LabelColors> colors = FitKindColors(scene.fitKind);
    if (scene.spans.empty() || !colors || scene.zones.size() < 2) return;
    const std::string colour = Hex(colors->background);
    const double holeRight = w.X(scene.zones[0].right), shaftLeft = w.X(scene.zones[1].left);
    for (const ZoneSpan& s : scene.spans) {
        const double x = w.X(s.x), from = w.Y(s.from), to = w.Y(s.to);
        w.Line(holeRight, to, x, to, kGuide, 1.0, " stroke-dasharray=\"3 2\"");
        w.Line(x, from, shaftLeft, from, kGuide, 1.0, " stroke-dasharray=\"3 2\"");
        // A dark edge under the colour, so that yellow reads on white.
        for (double y : {from, to}) w.Line(x - 4, y, x + 4, y, kInk, 1.5);
        w.Line(x, from, x, to, kInk, 5.0);
        w.Line(x, from, x, to, colour, 3.0);
    }
}

void WriteFooter(Writer& w, const ZoneScene& scene) {
    double y = w.PlotBottom() + kBottomMargin + kFontSize;
    if (!scene.fitKindText.empty()) {
        const std::optional<LabelColors> colors = FitKindColors(scene.fitKind);
        const double x = w.X(scene.axisX);
        if (colors) w.Rect(x - 3, y - kFontSize, 7 * kFontSize, kFontSize + 5, Hex(colors->background), kInk);
        w.Text(scene.fitKindText, x, y, TextAlign::Start, colors ? Hex(colors->text) : std::string(kInk));
        double spanX = x + 8 * kFontSize;
        for (const ZoneSpan& s : scene.spans) {
            w.Text(s.text, spanX, y, TextAlign::Start);
            spanX += 14 * kFontSize;
        }
        y += kLineHeight;
    }
    if (!scene.note.empty())
        w.Text(scene.note, w.X(scene.axisX), y, TextAlign::Start, kInk, " font-size=\"11\"");
}

}  // namespace

std::string EscapeXml(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&apos;";
                break;
            default:
                // Control characters are not allowed in XML 1.0; none come from the scene.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
        }
    }
    return out;
}

std::string WriteZoneSvg(const ZoneScene& scene, int width, int height) {
    width = std::max(width, kMinimumWidth);
    height = std::max(height, kMinimumHeight);
    const double footerLines = (scene.fitKindText.empty() ? 0.0 : 1.0) + (scene.note.empty() ? 0.0 : 1.0);
    Writer w(scene, width, height, footerLines);
    std::string& out = w.Out();
    const std::string size = std::to_string(width) + "\" height=\"" + std::to_string(height);
    out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + size + "\" viewBox=\"0 0 " +
           std::to_string(width) + " " + std::to_string(height) + "\" font-family=\"" +
           EscapeXml(kFontFamily) + "\" font-size=\"" + Px(kFontSize) + "\">\n";
    w.Rect(0, 0, width, height, "#FFFFFF", {});
    w.Line(w.X(scene.axisX), w.Y(scene.zeroY), w.X(kZoneLayoutWidth), w.Y(scene.zeroY), kInk, 1.5);
    w.Text(scene.zeroLabel);
    WriteAxis(w, scene);
    for (const ZoneRect& zone : scene.zones) WriteZone(w, zone);
    WriteSpans(w, scene);
    WriteFooter(w, scene);
    out += "</svg>\n";
    return std::move(out);
}

}  // namespace tolvo
