// The tolerance-zone diagram beside the calculator: a non-modal tool window
// that draws the model's scene in the diagram's one layout with QPainter
// (vector, so it scales and stays crisp on HiDPI screens), in the palette's
// ink, and copies or saves it.
#pragma once

#include <QImage>
#include <QPalette>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>

#include "core/zone_diagram.h"
#include "core/zone_paint.h"
#include "platform/file_writer.h"

class QMimeData;
class QPainter;

namespace tolvo {

// The window's look: ink and background from the palette (Text on Base), the
// dashed guides in a dimmer ink, the zones in their fixed fills. Copied and
// saved pictures keep the exported look, ZoneStyle's defaults.
ZoneStyle ZoneStyleFor(const QPalette& palette);

// Draws the scene's one layout into the rectangle with QPainter.
void PaintZoneScene(QPainter& painter, const QRectF& area, const ZoneScene& scene, const ZoneStyle& style);

// The scene as a picture of the given size in device-independent pixels.
QImage RenderZoneImage(const ZoneScene& scene, QSize size, const ZoneStyle& style,
                       qreal devicePixelRatio = 1.0);

// What "画像としてコピー" puts on the clipboard: a PNG image and the SVG
// document as "image/svg+xml".
std::unique_ptr<QMimeData> ZoneMimeData(const ZoneScene& scene);

// Writes the scene to a file through the safe file writer, as SVG when its
// name ends in ".svg" (any case), else as PNG. False when the file cannot be
// written; `problem`, when given, then says why.
bool SaveZoneDiagram(const ZoneScene& scene, const QString& path, FileWriteProblem* problem = nullptr);


class ZoneView : public QWidget {
    Q_OBJECT
  public:
    explicit ZoneView(QWidget* parent = nullptr);
    void SetScene(ZoneScene scene);
    const ZoneScene& Scene() const { return scene_; }
    QSize sizeHint() const override { return {480, 320}; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    ZoneScene scene_;
};

class ZoneWindow : public QWidget {
    Q_OBJECT
  public:
    // A tool window of the parent: it stays above it and goes with it.
    explicit ZoneWindow(QWidget* parent);

    // What the diagram shows; repaints at once.
    void SetInput(const ZoneDiagramInput& input);
    const ZoneDiagramInput& Input() const { return input_; }
    ZoneView& View() { return *view_; }
    // Places the window at its remembered corner when that is on a screen,
    // else beside the main window on the side with room.
    void PlaceBeside(const QWidget& mainWindow, std::optional<QPoint> remembered = std::nullopt);

    // The context menu's commands. The file dialog is asked through
    // askSaveFile (proposed path in, chosen path out, empty: cancelled), so
    // that tests run without a real dialog.
    void CopyImage();
    bool SaveAs(const QString& extension);
    std::function<QString(QWidget*, const QString& proposed, const QString& filter)> askSaveFile;

    // The user closed the window with its title bar button.
    std::function<void()> closed;

  protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    ZoneDiagramInput input_;
    ZoneView* view_ = nullptr;
};

}  // namespace tolvo
