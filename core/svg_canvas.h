// The canvas as an SVG document (UTF-8). Its texts are drawn by whatever
// reads the document, in the first installed face of the family list, so
// their widths are estimated from the em: a full-width character one em,
// any other one kNarrowEm.
#pragma once

#include <string>
#include <string_view>

#include "core/canvas.h"

namespace tolvo {

class SvgCanvas : public Canvas {
  public:
    static constexpr double kNarrowEm = 0.6;

    // Opens the document: its size in pixels and the font its texts use
    // unless they say otherwise.
    SvgCanvas(int width, int height, std::string_view fontFamily, const CanvasFont& font);
    // A page of a physical size ("210mm"), its units those of a viewBox of
    // viewWidth × viewHeight.
    SvgCanvas(double viewWidth, double viewHeight, std::string_view width, std::string_view height,
              std::string_view fontFamily, const CanvasFont& font);

    void Line(CanvasPoint from, CanvasPoint to, const Pen& pen) override;
    void Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) override;
    void Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font, CanvasAlign align,
              const Colour& colour) override;
    double TextWidth(std::string_view text, const CanvasFont& font) override;

    // The whole document, ended by "\n"; the canvas is empty after it.
    std::string Finish();

  private:
    CanvasFont font_;
    std::string out_;
};

// Text made safe for XML character data and attribute values.
std::string EscapeXml(std::string_view text);

}  // namespace tolvo
