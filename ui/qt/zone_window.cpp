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
#include <QScreen>
#include <QVBoxLayout>
#include <filesystem>

#include "core/zone_svg.h"
#include "ui/dialog_templates.h"
#include "ui/qt/dialog_builder.h"
#include "ui/qt/option_settings.h"
#include "ui/qt/qpainter_canvas.h"

namespace tolvo {
namespace {

Colour FromQColor(const QColor& c) {
    return {c.red(), c.green(), c.blue(), c.alphaF()};
}

}  // namespace

ZoneStyle ZoneStyleFor(const QPalette& palette) {
    ZoneStyle style;
    style.background = FromQColor(palette.color(QPalette::Base));
    style.ink = FromQColor(palette.color(QPalette::Text));
    style.guide = style.ink;
    style.guide.alpha = 0.55;
    return style;
}

void PaintZoneScene(QPainter& p, const QRectF& area, const ZoneScene& scene, const ZoneStyle& style) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPainterCanvas canvas(p, p.font());
    PaintZoneScene(scene, canvas, {area.left(), area.top(), area.width(), area.height()}, style);
    p.restore();
}

QImage RenderZoneImage(const ZoneScene& scene, QSize size, const ZoneStyle& style, qreal devicePixelRatio) {
    QImage image(size * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(QApplication::font());
    PaintZoneScene(painter, QRectF(QPointF(0, 0), QSizeF(size)), scene, style);
    return image;
}

std::unique_ptr<QMimeData> ZoneMimeData(const ZoneScene& scene) {
    auto data = std::make_unique<QMimeData>();
    data->setImageData(RenderZoneImage(scene, QSize(kZoneSvgWidth, kZoneSvgHeight), ZoneStyle(), 2.0));
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
                RenderZoneImage(scene, QSize(kZoneSvgWidth, kZoneSvgHeight), ZoneStyle(), 2.0);
            QByteArray png;
            QBuffer buffer(&png);
            return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") &&
                   sink.Write(std::string_view(png.constData(), static_cast<std::size_t>(png.size())));
        });
    if (problem) *problem = result;
    return result == FileWriteProblem::None;
}

// The line of the save message that says why.
std::string_view WhyNotSaved(FileWriteProblem problem) {
    switch (problem) {
        case FileWriteProblem::None:
            return {};
        case FileWriteProblem::Folder:
            return ja::kZoneSaveFolderText;
        case FileWriteProblem::NotRegularFile:
            return ja::kZoneSaveNotRegularFileText;
        case FileWriteProblem::ReadOnly:
            return ja::kZoneSaveReadOnlyText;
        case FileWriteProblem::CannotCreate:
            return ja::kZoneSaveCannotCreateText;
        case FileWriteProblem::WriteFailed:
            return ja::kZoneSaveWriteFailedText;
        case FileWriteProblem::CannotReplace:
            return ja::kZoneSaveCannotReplaceText;
    }
    return {};
}

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
    PaintZoneScene(painter, QRectF(rect()), scene_, ZoneStyleFor(palette()));
}

// ---- the window ----

ZoneWindow::ZoneWindow(QWidget* parent) : QWidget(parent, Qt::Tool) {
    setWindowTitle(ToQString(ja::kZoneDiagramMenuItemText));
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

void ZoneWindow::PlaceBeside(const QWidget& mainWindow, std::optional<QPoint> remembered) {
    resize(view_->sizeHint());
    PlaceBesideCalculator(*this, mainWindow, remembered);
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
                         ToQString(ja::kZoneSaveFailedText) + QStringLiteral("\n") + path +
                             QStringLiteral("\n") + ToQString(WhyNotSaved(problem)));
    return false;
}

void ZoneWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* copy = menu.addAction(ToQString(ja::kZoneCopyImageText));
    QAction* svg = menu.addAction(ToQString(ja::kZoneSaveSvgText));
    QAction* png = menu.addAction(ToQString(ja::kZoneSavePngText));
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
