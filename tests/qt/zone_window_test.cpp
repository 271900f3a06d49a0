// The tolerance-zone diagram's window: it follows the calculator, paints the
// zones where they belong, and copies and saves pictures a parser reads.
#include "ui/qt/zone_window.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMimeData>
#include <QSettings>
#include <QSlider>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>
#include <optional>

#include "core/zone_svg.h"
#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"

namespace tolvo {
namespace {

using namespace main_dialog;

// The rows of an image in which a fill colour spans a run of pixels: the
// zone's extent, whatever else is drawn in that colour's neighbourhood.
struct Rows {
    int top = -1;
    int bottom = -1;
};

Rows FillRows(const QImage& image, std::string_view hex) {
    const QRgb fill = QColor(QLatin1StringView(hex.data(), static_cast<qsizetype>(hex.size()))).rgb();
    Rows rows;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0, longest = 0;
        for (int x = 0; x < image.width(); ++x) {
            run = (image.pixel(x, y) | 0xFF000000u) == fill ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        if (longest < 8) continue;
        if (rows.top < 0) rows.top = y;
        rows.bottom = y;
    }
    return rows;
}

class ZoneWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Settings().remove(MainWindow::kZoneDiagramKey);
        window = ShowMainWindow(noHelp);
    }
    void TearDown() override {
        window.reset();
        Settings().remove(MainWindow::kZoneDiagramKey);
    }
    static QSettings Settings() {
        return QSettings(QSettings::defaultFormat(), QSettings::UserScope, MainWindow::kSettingsName,
                         MainWindow::kSettingsName);
    }
    void Slide(int id, int position) { qobject_cast<QSlider*>(window->Control(id))->setValue(position); }
    // 25 mm H7 and the shaft's letter (seed positions d = 0 .. p = 9) in grade 6, typed as a user types.
    void SetFit(int shaftLetter) {
        Slide(kHoleLetterSlider, 4);
        Slide(kHoleGradeSlider, 2);
        Slide(kShaftLetterSlider, shaftLetter);
        Slide(kShaftGradeSlider, 1);
        auto* size = qobject_cast<QLineEdit*>(window->Control(kHoleBasicSize));
        size->setFocus();
        size->clear();
        QTest::keyClicks(size, QStringLiteral("25"));
    }
    void PressCtrlD() { QTest::keyClick(window->Control(kHoleBasicSize), Qt::Key_D, Qt::ControlModifier); }
    QImage Painted() {
        ZoneView& view = window->ZoneDiagram().View();
        QImage image(view.size(), QImage::Format_ARGB32);
        view.render(&image);
        return image;
    }

    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window;
};

TEST_F(ZoneWindowTest, CtrlDShowsAndHidesTheDiagramAndIsRemembered) {
    QAction* action = window->ZoneDiagramAction();
    EXPECT_EQ(action->text(), U("公差域図"));
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));
    EXPECT_TRUE(action->isCheckable());
    EXPECT_TRUE(window->actions().contains(action));
    const QSize dialogSize = window->size();
    // The diagram's window is made when the diagram is first shown, not before.
    EXPECT_TRUE(window->findChildren<ZoneWindow*>().isEmpty());
    EXPECT_FALSE(window->ZoneDiagram().isVisible());
    PressCtrlD();
    EXPECT_TRUE(window->Model().ZoneDiagramShown());
    EXPECT_TRUE(action->isChecked());
    EXPECT_TRUE(window->ZoneDiagram().isVisible());
    EXPECT_TRUE(Settings().value(MainWindow::kZoneDiagramKey).toBool());
    // A window of its own: the dialog keeps its size and widgets.
    EXPECT_EQ(window->size(), dialogSize);
    EXPECT_TRUE(window->ZoneDiagram().isWindow());
    EXPECT_GE(window->ZoneDiagram().geometry().left(), window->geometry().left());
    PressCtrlD();
    EXPECT_FALSE(window->ZoneDiagram().isVisible());
    EXPECT_FALSE(Settings().value(MainWindow::kZoneDiagramKey).toBool());
}

TEST_F(ZoneWindowTest, ComesBackAtStartAsTheUserLeftIt) {
    PressCtrlD();
    window.reset();
    window = ShowMainWindow(noHelp);
    EXPECT_TRUE(window->ZoneDiagramAction()->isChecked());
    EXPECT_TRUE(window->ZoneDiagram().isVisible());
}

TEST_F(ZoneWindowTest, ClosingTheDiagramWindowUnchecksTheItem) {
    PressCtrlD();
    window->ZoneDiagram().close();
    EXPECT_FALSE(window->ZoneDiagramAction()->isChecked());
    EXPECT_FALSE(window->Model().ZoneDiagramShown());
    EXPECT_FALSE(Settings().value(MainWindow::kZoneDiagramKey).toBool());
}

TEST_F(ZoneWindowTest, FollowsEveryKeystroke) {
    PressCtrlD();
    EXPECT_FALSE(window->ZoneDiagram().Input().hole);
    SetFit(3);
    const ZoneDiagramInput& input = window->ZoneDiagram().Input();
    ASSERT_TRUE(input.hole && input.shaft);
    EXPECT_EQ(input.hole->className, "H7");
    EXPECT_EQ(input.shaft->className, "g6");
    EXPECT_EQ(window->ZoneDiagram().View().Scene().zones.size(), 2u);
    QTest::keyClick(window->Control(kHoleBasicSize), Qt::Key_Backspace);
    QTest::keyClick(window->Control(kHoleBasicSize), Qt::Key_Backspace);
    EXPECT_FALSE(window->ZoneDiagram().Input().hole);
    EXPECT_TRUE(window->ZoneDiagram().View().Scene().zones.empty());
}

struct PaintCase {
    int shaftLetter;  // seed positions: g = 3, k = 6, p = 9
    const char* fit;
};

class ZonePaintTest : public ZoneWindowTest, public ::testing::WithParamInterface<PaintCase> {};

TEST_P(ZonePaintTest, TheHoleZoneLiesWhereTheFitPutsIt) {
    PressCtrlD();
    SetFit(GetParam().shaftLetter);
    window->ZoneDiagram().resize(480, 320);
    const QImage image = Painted();
    const Rows hole = FillRows(image, kZoneHoleFill);
    const Rows shaft = FillRows(image, kZoneShaftFill);
    ASSERT_GE(hole.top, 0);
    ASSERT_GE(shaft.top, 0);
    const std::string fit = GetParam().fit;
    if (fit == "clearance") {
        EXPECT_LT(hole.bottom, shaft.top);  // rows grow downwards
    }
    if (fit == "interference") {
        EXPECT_LT(shaft.bottom, hole.top);
    }
    if (fit == "transition") {
        EXPECT_LT(hole.top, shaft.bottom);
        EXPECT_LT(shaft.top, hole.bottom);
    }
}

INSTANTIATE_TEST_SUITE_P(H7At25mm, ZonePaintTest,
                         ::testing::Values(PaintCase{3, "clearance"}, PaintCase{6, "transition"},
                                           PaintCase{9, "interference"}));

TEST(ZoneScenePaint, ScalesWithTheAreaAndTakesTheInkFromThePalette) {
    ZoneDiagramInput input;
    input.hole = ZoneFeature{25.0, 25.021, 25.0, ToleranceMode::FitClass, "H7", 0};
    const ZoneScene scene = BuildZoneScene(input);
    QPalette dark;
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEE));
    const QImage small = RenderZoneImage(scene, QSize(300, 200), ZoneStyleFor(dark));
    const QImage crisp = RenderZoneImage(scene, QSize(300, 200), ZoneStyleFor(dark), 2.0);
    EXPECT_EQ(crisp.size(), QSize(600, 400));
    const Rows one = FillRows(small, kZoneHoleFill);
    const Rows two = FillRows(crisp, kZoneHoleFill);
    ASSERT_GE(one.top, 0);
    // Drawn, not scaled up: twice the rows, within a pixel at each edge.
    EXPECT_NEAR(two.bottom - two.top, 2 * (one.bottom - one.top), 3);
    EXPECT_EQ(small.pixel(1, 1) | 0xFF000000u, QColor(0x20, 0x20, 0x20).rgb());
    int inkPixels = 0;
    for (int y = 0; y < small.height(); ++y)
        for (int x = 0; x < small.width(); ++x) inkPixels += qGray(small.pixel(x, y)) > 0xC0 ? 1 : 0;
    EXPECT_GT(inkPixels, 50);  // the zero line, the scale and the texts
}

bool IsSvg(const QByteArray& data) {
    QSvgRenderer renderer(data);
    return renderer.isValid() && renderer.defaultSize() == QSize(kZoneSvgWidth, kZoneSvgHeight);
}

TEST_F(ZoneWindowTest, CopiesAPngImageAndTheSvg) {
    PressCtrlD();
    SetFit(3);
    QGuiApplication::clipboard()->clear();
    window->ZoneDiagram().CopyImage();
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    ASSERT_TRUE(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), QSize(2 * kZoneSvgWidth, 2 * kZoneSvgHeight));
    EXPECT_GE(FillRows(image, kZoneShaftFill).top, FillRows(image, kZoneHoleFill).bottom);
    EXPECT_TRUE(IsSvg(data->data(QStringLiteral("image/svg+xml"))));
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).contains("H7"));
}

TEST_F(ZoneWindowTest, SavesAsSvgOrPngUnderTheProposedName) {
    PressCtrlD();
    SetFit(9);
    QTemporaryDir folder;
    ZoneWindow& zones = window->ZoneDiagram();
    QString proposed;
    zones.askSaveFile = [&](QWidget*, const QString& name, const QString&) {
        proposed = name;
        return folder.filePath(QFileInfo(name).fileName());
    };
    ASSERT_TRUE(zones.SaveAs(QStringLiteral("svg")));
    EXPECT_EQ(QFileInfo(proposed).fileName(), QStringLiteral("25_H7-p6.svg"));
    QFile svg(folder.filePath(QStringLiteral("25_H7-p6.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(IsSvg(svg.readAll()));
    ASSERT_TRUE(zones.SaveAs(QStringLiteral("png")));
    EXPECT_EQ(QFileInfo(proposed).fileName(), QStringLiteral("25_H7-p6.png"));
    QImage png;
    ASSERT_TRUE(png.load(folder.filePath(QStringLiteral("25_H7-p6.png")), "PNG"));
    EXPECT_LT(FillRows(png, kZoneShaftFill).bottom, FillRows(png, kZoneHoleFill).top);
    // Cancelled: nothing written.
    zones.askSaveFile = [](QWidget*, const QString&, const QString&) { return QString(); };
    EXPECT_FALSE(zones.SaveAs(QStringLiteral("svg")));
}

TEST(ZoneSave, AFileThatCannotBeWrittenIsReportedAsSuch) {
    QTemporaryDir folder;
    const ZoneScene scene = BuildZoneScene({});
    EXPECT_FALSE(SaveZoneDiagram(scene, folder.filePath(QStringLiteral("missing/zones.svg"))));
    EXPECT_FALSE(SaveZoneDiagram(scene, folder.filePath(QStringLiteral("missing/zones.png"))));
    EXPECT_TRUE(SaveZoneDiagram(scene, folder.filePath(QStringLiteral("zones.SVG"))));
}

}  // namespace
}  // namespace tolvo
