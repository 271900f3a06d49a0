// The canvas on a QPainter: the window's view, and the PNG pictures. Texts
// are set in the given face at the canvas's pixel sizes and measured with
// the painter's device, so a layout fits what is drawn.
#pragma once

#include <QFont>

#include "core/canvas.h"

class QPainter;

namespace tolvo {

class QPainterCanvas : public Canvas {
  public:
    // face: the family and style of every text; its size is replaced by each text's.
    QPainterCanvas(QPainter& painter, const QFont& face);

    void Line(CanvasPoint from, CanvasPoint to, const Pen& pen) override;
    void Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) override;
    void Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font, CanvasAlign align,
              const Colour& colour) override;
    double TextWidth(std::string_view text, const CanvasFont& font) override;

  private:
    QFont Font(const CanvasFont& font) const;

    QPainter& painter_;
    QFont face_;
};

}  // namespace tolvo
