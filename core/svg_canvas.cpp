#include "core/svg_canvas.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "core/number_text.h"

namespace tolvo {
namespace {

// Pixels as short, locale-free numbers.
std::string Px(double value) {
    return FormatFixed(std::round(value * 10.0) / 10.0 + 0.0, 1);
}

std::string Hex(const Colour& c) {
    constexpr std::string_view digits = "0123456789ABCDEF";
    std::string out = "#";
    for (int v : {c.red, c.green, c.blue}) {
        v = std::clamp(v, 0, 255);
        out += digits[static_cast<std::size_t>(v / 16)];
        out += digits[static_cast<std::size_t>(v % 16)];
    }
    return out;
}

// The colour as an attribute, and its opacity when it has one.
std::string Paint(std::string_view attribute, const Colour& c) {
    std::string out = " " + std::string(attribute) + "=\"" + Hex(c) + "\"";
    if (c.alpha < 1.0) {
        const double alpha = std::isfinite(c.alpha) ? std::clamp(c.alpha, 0.0, 1.0) : 1.0;
        out += " " + std::string(attribute) + "-opacity=\"" + FormatFixed(alpha, 2) + "\"";
    }
    return out;
}

// Wide and full-width characters (CJK, kana, hangul, full-width forms) take one em.
bool IsWide(char32_t c) {
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3) ||
           (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
           (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
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
                // Control characters are not allowed in XML 1.0.
                if (static_cast<unsigned char>(c) >= 0x20 || c == '\t' || c == '\n') out += c;
        }
    }
    return out;
}

SvgCanvas::SvgCanvas(int width, int height, std::string_view fontFamily, const CanvasFont& font)
    : SvgCanvas(width, height, std::to_string(width), std::to_string(height), fontFamily, font) {}

SvgCanvas::SvgCanvas(double viewWidth, double viewHeight, std::string_view width, std::string_view height,
                     std::string_view fontFamily, const CanvasFont& font)
    : font_(font) {
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\" width=\"" + EscapeXml(width) +
            "\" height=\"" + EscapeXml(height) + "\" viewBox=\"0 0 " + FormatG(viewWidth) + " " +
            FormatG(viewHeight) + "\" font-family=\"" + EscapeXml(fontFamily) + "\" font-size=\"" +
            Px(font.size) + "\"" + (font.bold ? " font-weight=\"bold\"" : "") + ">\n";
}

void SvgCanvas::Line(CanvasPoint from, CanvasPoint to, const Pen& pen) {
    out_ += "<line x1=\"" + Px(from.x) + "\" y1=\"" + Px(from.y) + "\" x2=\"" + Px(to.x) + "\" y2=\"" +
            Px(to.y) + "\"" + Paint("stroke", pen.colour) + " stroke-width=\"" + Px(pen.width) + "\"";
    if (pen.dash > 0.0) out_ += " stroke-dasharray=\"" + FormatG(pen.dash) + " " + FormatG(pen.gap) + "\"";
    out_ += "/>\n";
}

void SvgCanvas::Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) {
    out_ += "<rect x=\"" + Px(box.left) + "\" y=\"" + Px(box.top) + "\" width=\"" + Px(box.width) +
            "\" height=\"" + Px(box.height) + "\"" + Paint("fill", fill);
    if (pen.width > 0.0) out_ += Paint("stroke", pen.colour) + " stroke-width=\"" + Px(pen.width) + "\"";
    out_ += "/>\n";
}

void SvgCanvas::Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font, CanvasAlign align,
                     const Colour& colour) {
    constexpr std::string_view anchors[] = {"start", "middle", "end"};
    out_ += "<text x=\"" + Px(baseline.x) + "\" y=\"" + Px(baseline.y) + "\" text-anchor=\"" +
            std::string(anchors[static_cast<int>(align)]) + "\"" + Paint("fill", colour);
    if (font.size != font_.size) out_ += " font-size=\"" + FormatG(font.size) + "\"";
    if (font.bold != font_.bold) out_ += font.bold ? " font-weight=\"bold\"" : " font-weight=\"normal\"";
    out_ += ">" + EscapeXml(text) + "</text>\n";
}

double SvgCanvas::TextWidth(std::string_view text, const CanvasFont& font) {
    double ems = 0.0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80    ? 1
                                   : lead >= 0xF0 ? 4
                                   : lead >= 0xE0 ? 3
                                   : lead >= 0xC0 ? 2
                                                  : 1;
        char32_t c = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t k = 1; k < length && i + k < text.size(); ++k) {
            c = (c << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        }
        ems += IsWide(c) ? 1.0 : kNarrowEm;
        i += length;
    }
    return ems * font.size;
}

std::string SvgCanvas::Finish() {
    out_ += "</svg>\n";
    return std::exchange(out_, std::string());
}

}  // namespace tolvo
