#include "ui/qt/qpainter_canvas.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/qt/dialog_builder.h"

namespace tolvo {
namespace {

QColor ToQColor(const Colour& c) {
    QColor colour(std::clamp(c.red, 0, 255), std::clamp(c.green, 0, 255), std::clamp(c.blue, 0, 255));
    colour.setAlphaF(static_cast<float>(std::isfinite(c.alpha) ? std::clamp(c.alpha, 0.0, 1.0) : 1.0));
    return colour;
}

QPen ToQPen(const Pen& pen) {
    QPen qpen(ToQColor(pen.colour), pen.width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    // Qt counts a dash pattern in pen widths.
    if (pen.dash > 0.0 && pen.width > 0.0) qpen.setDashPattern({pen.dash / pen.width, pen.gap / pen.width});
    return qpen;
}

}  // namespace

QPainterCanvas::QPainterCanvas(QPainter& painter, const QFont& face) : painter_(painter), face_(face) {}

QFont QPainterCanvas::Font(const CanvasFont& font) const {
    QFont qfont = face_;
    qfont.setPixelSize(
        std::max(1, static_cast<int>(std::lround(std::isfinite(font.size) ? font.size : 1.0))));
    qfont.setBold(font.bold);
    return qfont;
}

void QPainterCanvas::Line(CanvasPoint from, CanvasPoint to, const Pen& pen) {
    painter_.setPen(ToQPen(pen));
    painter_.drawLine(QPointF(from.x, from.y), QPointF(to.x, to.y));
}

void QPainterCanvas::Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) {
    painter_.setPen(pen.width > 0.0 ? ToQPen(pen) : QPen(Qt::NoPen));
    painter_.setBrush(ToQColor(fill));
    painter_.drawRect(QRectF(box.left, box.top, box.width, box.height));
    painter_.setBrush(Qt::NoBrush);
}

void QPainterCanvas::Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font,
                          CanvasAlign align, const Colour& colour) {
    const QFont qfont = Font(font);
    const QString shown = ToQString(text);
    double x = baseline.x;
    if (align != CanvasAlign::Start) {
        const double width = QFontMetricsF(qfont, painter_.device()).horizontalAdvance(shown);
        x -= align == CanvasAlign::Middle ? width / 2.0 : width;
    }
    painter_.setFont(qfont);
    painter_.setPen(ToQColor(colour));
    painter_.drawText(QPointF(x, baseline.y), shown);
}

double QPainterCanvas::TextWidth(std::string_view text, const CanvasFont& font) {
    return QFontMetricsF(Font(font), painter_.device()).horizontalAdvance(ToQString(text));
}

}  // namespace tolvo
