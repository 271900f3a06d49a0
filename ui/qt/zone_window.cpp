#include "ui/qt/zone_window.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>
#include <filesystem>
#include <optional>

#include "core/zone_svg.h"
#include "ui/dialog_templates.h"
#include "ui/qt/dialog_builder.h"

namespace tolvo {
namespace {

QColor Colour(std::string_view hex) {
    return QColor(QLatin1StringView(hex.data(), static_cast<qsizetype>(hex.size())));
}

QColor Colour(const Rgb& c) {
    return QColor(c.red, c.green, c.blue);
}

// Where scene coordinates land in the widget: the plot leaves room for the
// labels above the top zone, the texts below the lowest and the footer lines.
class Frame {
  public:
    Frame(const QRectF& area, const ZoneScene& scene, double lineHeight, int footerLines)
        : area_(area), scene_(scene) {
        top_ = area.top() + 2.2 * lineHeight;
        bottom_ = std::max(top_ + 1.0, area.bottom() - 1.4 * lineHeight - footerLines * lineHeight);
    }
    double X(double units) const { return area_.left() + units / kZoneLayoutWidth * area_.width(); }
    double Y(double drawn) const {
        const double range = scene_.top - scene_.bottom;
        if (range <= 0.0) return (top_ + bottom_) / 2.0;
        return top_ + (scene_.top - drawn) / range * (bottom_ - top_);
    }
    double Top() const { return top_; }
    double Bottom() const { return bottom_; }

  private:
    QRectF area_;
    const ZoneScene& scene_;
    double top_ = 0.0;
    double bottom_ = 0.0;
};

// rise: pixels further up, for a text that must clear a tick label below it.
void DrawText(QPainter& p, const Frame& f, const ZoneText& t, double rise = 0.0) {
    if (t.text.empty()) return;
    const QString text = ToQString(t.text);
    const QFontMetricsF metrics(p.font());
    const double width = metrics.horizontalAdvance(text);
    double x = f.X(t.x);
    if (t.align == TextAlign::Middle) x -= width / 2.0;
    if (t.align == TextAlign::End) x -= width;
    double y = f.Y(t.y) - rise;
    const double gap = metrics.height() * 0.25;
    if (t.place == TextPlace::Above) y -= gap + metrics.descent();
    if (t.place == TextPlace::Center) y += (metrics.ascent() - metrics.descent()) / 2.0;
    if (t.place == TextPlace::Below) y += gap + metrics.ascent();
    p.drawText(QPointF(x, y), text);
}

void DrawAxis(QPainter& p, const Frame& f, const ZoneScene& scene, const QColor& ink) {
    const double x = f.X(scene.axisX);
    const double tick = 5.0, gap = 4.0;
    p.setPen(QPen(ink, 1.0));
    std::vector<ZoneBreak> breaks = scene.breaks;
    std::sort(breaks.begin(), breaks.end(), [](const ZoneBreak& a, const ZoneBreak& b) { return a.y > b.y; });
    double top = f.Top();
    for (const ZoneBreak& b : breaks) {
        const double y = f.Y(b.y);
        p.drawLine(QPointF(x, top), QPointF(x, y - gap));
        for (double dy : {-gap, gap}) p.drawLine(QPointF(x - 6, y + dy + 3), QPointF(x + 6, y + dy - 3));
        top = y + gap;
    }
    p.drawLine(QPointF(x, top), QPointF(x, f.Bottom()));
    const QFontMetricsF metrics(p.font());
    for (const ZoneTick& t : scene.ticks) {
        const double y = f.Y(t.y);
        p.drawLine(QPointF(x - tick, y), QPointF(x, y));
        const QString text = ToQString(t.text);
        p.drawText(QPointF(x - tick - gap - metrics.horizontalAdvance(text),
                           y + (metrics.ascent() - metrics.descent()) / 2.0),
                   text);
    }
    DrawText(p, f, scene.unit, metrics.height() / 2.0);
}

void DrawZone(QPainter& p, const Frame& f, const ZoneRect& zone) {
    const bool hole = zone.kind == FeatureKind::Hole;
    const QColor fill = Colour(hole ? kZoneHoleFill : kZoneShaftFill);
    const QColor stroke = Colour(hole ? kZoneHoleStroke : kZoneShaftStroke);
    const double left = f.X(zone.left), right = f.X(zone.right);
    if (zone.isLine) {
        p.setPen(QPen(stroke, 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(left, f.Y(zone.top)), QPointF(right, f.Y(zone.top)));
    } else {
        p.setPen(QPen(stroke, 1.5));
        p.setBrush(fill);
        p.drawRect(QRectF(QPointF(left, f.Y(zone.top)), QPointF(right, f.Y(zone.bottom))));
        p.setBrush(Qt::NoBrush);
    }
}

void DrawSpans(QPainter& p, const Frame& f, const ZoneScene& scene, const QColor& ink, const QColor& guide) {
    const std::optional<LabelColors> colors = FitKindColors(scene.fitKind);
    if (scene.spans.empty() || !colors || scene.zones.size() < 2) return;
    const double holeRight = f.X(scene.zones[0].right), shaftLeft = f.X(scene.zones[1].left);
    for (const ZoneSpan& s : scene.spans) {
        const double x = f.X(s.x), from = f.Y(s.from), to = f.Y(s.to);
        p.setPen(QPen(guide, 1.0, Qt::DashLine));
        p.drawLine(QPointF(holeRight, to), QPointF(x, to));
        p.drawLine(QPointF(x, from), QPointF(shaftLeft, from));
        // A contrasting edge under the fit colour, so that yellow reads on any background.
        p.setPen(QPen(ink, 1.5));
        for (double y : {from, to}) p.drawLine(QPointF(x - 4, y), QPointF(x + 4, y));
        p.setPen(QPen(ink, 5.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, from), QPointF(x, to));
        p.setPen(QPen(Colour(colors->background), 3.0, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(x, from), QPointF(x, to));
    }
}

void DrawFooter(QPainter& p, const Frame& f, const ZoneScene& scene, const QColor& ink, double lineHeight) {
    const QFontMetricsF metrics(p.font());
    double y = f.Bottom() + 1.4 * lineHeight + metrics.ascent();
    const double x = f.X(scene.axisX);
    if (!scene.fitKindText.empty()) {
        const QString kind = ToQString(scene.fitKindText);
        const std::optional<LabelColors> colors = FitKindColors(scene.fitKind);
        const double kindWidth = metrics.horizontalAdvance(kind);
        if (colors) {
            p.setPen(QPen(ink, 1.0));
            p.setBrush(Colour(colors->background));
            p.drawRect(QRectF(x - 3, y - metrics.ascent() - 2, kindWidth + 6, metrics.height() + 4));
            p.setBrush(Qt::NoBrush);
            p.setPen(Colour(colors->text));
        } else {
            p.setPen(ink);
        }
        p.drawText(QPointF(x, y), kind);
        p.setPen(ink);
        double spanX = x + kindWidth + 2.0 * metrics.height();
        for (const ZoneSpan& s : scene.spans) {
            const QString text = ToQString(s.text);
            p.drawText(QPointF(spanX, y), text);
            spanX += metrics.horizontalAdvance(text) + 2.0 * metrics.height();
        }
        y += lineHeight;
    }
    if (!scene.note.empty()) {
        p.setPen(ink);
        p.drawText(QPointF(x, y), ToQString(scene.note));
    }
}

}  // namespace

void PaintZoneScene(QPainter& p, const QRectF& area, const ZoneScene& scene, const QPalette& palette) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(area, palette.color(QPalette::Base));
    const QColor ink = palette.color(QPalette::Text);
    QColor guide = ink;
    guide.setAlphaF(0.55f);
    const double lineHeight = QFontMetricsF(p.font()).height() * 1.3;
    const int footerLines = (scene.fitKindText.empty() ? 0 : 1) + (scene.note.empty() ? 0 : 1);
    // The plot keeps a small margin at the sides.
    const QRectF plot = area.adjusted(8, 0, -8, 0);
    const Frame f(plot, scene, lineHeight, footerLines);
    p.setPen(QPen(ink, 1.5));
    p.drawLine(QPointF(f.X(scene.axisX), f.Y(scene.zeroY)), QPointF(f.X(kZoneLayoutWidth), f.Y(scene.zeroY)));
    p.setPen(ink);
    DrawText(p, f, scene.zeroLabel);
    DrawAxis(p, f, scene, ink);
    for (const ZoneRect& zone : scene.zones) DrawZone(p, f, zone);
    p.setPen(ink);
    for (const ZoneRect& zone : scene.zones) {
        for (const ZoneText* t : {&zone.label, &zone.upperText, &zone.lowerText}) DrawText(p, f, *t);
    }
    DrawSpans(p, f, scene, ink, guide);
    DrawFooter(p, f, scene, ink, lineHeight);
    p.restore();
}

QPalette ZoneExportPalette() {
    QPalette palette;
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, QColor(0x22, 0x22, 0x22));
    return palette;
}

QImage RenderZoneImage(const ZoneScene& scene, QSize size, const QPalette& palette, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(palette.color(QPalette::Base));
    QPainter painter(&image);
    QFont font = QApplication::font();
    font.setPixelSize(13);  // as the SVG
    painter.setFont(font);
    PaintZoneScene(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, palette);
    return image;
}

std::unique_ptr<QMimeData> ZoneMimeData(const ZoneScene& scene) {
    auto data = std::make_unique<QMimeData>();
    data->setImageData(
        RenderZoneImage(scene, QSize(kZoneSvgWidth, kZoneSvgHeight), ZoneExportPalette(), 2.0));
    const std::string svg = WriteZoneSvg(scene);
    data->setData(QStringLiteral("image/svg+xml"),
                  QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    return data;
}

bool SaveZoneDiagram(const ZoneScene& scene, const QString& path, FileWriteProblem* problem) {
    const bool svg = path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive);
    const FileWriteProblem result =
        WriteFileReplacing(std::filesystem::path(path.toStdU16String()), [&scene, svg](FileSink& sink) {
            if (svg) return sink.Write(WriteZoneSvg(scene));
            const QImage image =
                RenderZoneImage(scene, QSize(kZoneSvgWidth, kZoneSvgHeight), ZoneExportPalette(), 2.0);
            QByteArray png;
            QBuffer buffer(&png);
            return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") &&
                   sink.Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        });
    if (problem) *problem = result;
    return result == FileWriteProblem::None;
}

namespace {

// The line of the save message that says why.
std::string_view WhyNotSaved(FileWriteProblem problem) {
    switch (problem) {
        case FileWriteProblem::None:
            return {};
        case FileWriteProblem::Folder:
            return kZoneSaveFolderText;
        case FileWriteProblem::NotRegularFile:
            return kZoneSaveNotRegularFileText;
        case FileWriteProblem::ReadOnly:
            return kZoneSaveReadOnlyText;
        case FileWriteProblem::CannotCreate:
            return kZoneSaveCannotCreateText;
        case FileWriteProblem::WriteFailed:
            return kZoneSaveWriteFailedText;
        case FileWriteProblem::CannotReplace:
            return kZoneSaveCannotReplaceText;
    }
    return {};
}

}  // namespace

// ---- the view ----

ZoneView::ZoneView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(240, 180);
}

void ZoneView::SetScene(ZoneScene scene) {
    scene_ = std::move(scene);
    update();
}

void ZoneView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintZoneScene(painter, QRectF(rect()), scene_, palette());
}

// ---- the window ----

ZoneWindow::ZoneWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(ToQString(kZoneDiagramMenuItemText));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new ZoneView(this);
    layout->addWidget(view_);
    askSaveFile = [](QWidget* parent, const QString& proposed, const QString& filter) {
        return QFileDialog::getSaveFileName(parent, QString(), proposed, filter);
    };
    SetInput({});
}

void ZoneWindow::SetInput(const ZoneDiagramInput& input) {
    input_ = input;
    view_->SetScene(BuildZoneScene(input_));
}

void ZoneWindow::PlaceBeside(const QWidget& mainWindow) {
    const QRect frame = mainWindow.frameGeometry();
    resize(view_->sizeHint());
    QPoint at(frame.right() + 8, frame.top());
    if (const QScreen* screen = mainWindow.screen()) {
        const QRect available = screen->availableGeometry();
        // No room on the right: below the main window, else over its right part.
        if (at.x() + width() > available.right()) at = QPoint(frame.left(), frame.bottom() + 8);
        if (at.y() + height() > available.bottom()) at = QPoint(available.right() - width(), frame.top());
    }
    move(at);
}

void ZoneWindow::CopyImage() {
    QGuiApplication::clipboard()->setMimeData(ZoneMimeData(view_->Scene()).release());
}

bool ZoneWindow::SaveAs(const QString& extension) {
    const std::string proposed = ProposedZoneFileName(input_, extension.toStdString());
    const QString filter =
        extension == QStringLiteral("svg") ? QStringLiteral("SVG (*.svg)") : QStringLiteral("PNG (*.png)");
    const QString path = askSaveFile(this, QDir::home().filePath(ToQString(proposed)), filter);
    if (path.isEmpty()) return false;
    FileWriteProblem problem = FileWriteProblem::None;
    if (SaveZoneDiagram(view_->Scene(), path, &problem)) return true;
    QMessageBox::warning(this, windowTitle(),
                         ToQString(kZoneSaveFailedText) + QStringLiteral("\n") + path + QStringLiteral("\n") +
                             ToQString(WhyNotSaved(problem)));
    return false;
}

void ZoneWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(ToQString(kZoneCopyImageText));
    QAction* svg = menu.addAction(ToQString(kZoneSaveSvgText));
    QAction* png = menu.addAction(ToQString(kZoneSavePngText));
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == copy) CopyImage();
    if (chosen == svg) SaveAs(QStringLiteral("svg"));
    if (chosen == png) SaveAs(QStringLiteral("png"));
}

void ZoneWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (closed) closed();
}

}  // namespace tolvo
