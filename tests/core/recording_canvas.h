// A canvas that records what is drawn, measuring texts as the SVG back end
// does (a wide character one em, any other 0.6 em), and the box each item
// covers, so that a test reads a picture's texts and where they lie.
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "core/canvas.h"
#include "core/svg_canvas.h"

namespace tolvo::test {

class RecordingCanvas : public Canvas {
  public:
    struct Placed {
        std::string text;
        CanvasFont font;
        CanvasBox box;  // from the ascent to the descent, across its advance
    };
    void Line(CanvasPoint from, CanvasPoint to, const Pen&) override {
        boxes.push_back({std::min(from.x, to.x), std::min(from.y, to.y), std::abs(to.x - from.x),
                         std::abs(to.y - from.y)});
    }
    void Rect(const CanvasBox& box, const Colour&, const Pen&) override { boxes.push_back(box); }
    void Text(std::string_view text, CanvasPoint at, const CanvasFont& font, CanvasAlign align,
              const Colour&) override {
        const double width = TextWidth(text, font);
        const double share = align == CanvasAlign::Middle ? 0.5 : align == CanvasAlign::End ? 1.0 : 0.0;
        const CanvasBox box{at.x - share * width, at.y - 0.8 * font.size, width, 1.05 * font.size};
        texts.push_back({std::string(text), font, box});
        boxes.push_back(box);
    }
    double TextWidth(std::string_view text, const CanvasFont& font) override {
        return measure_.TextWidth(text, font);
    }

    bool Holds(std::string_view text) const {
        return std::any_of(texts.begin(), texts.end(), [&](const Placed& p) { return p.text == text; });
    }

    std::vector<Placed> texts;
    std::vector<CanvasBox> boxes;  // of every item, texts included

  private:
    SvgCanvas measure_{1, 1, "", {}};
};

}  // namespace tolvo::test
