#include "ui/qt/sheet_output.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibrary>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <filesystem>

#include "ui/qt/fonts.h"
#include "ui/qt/print/print_page.h"
#include "ui/qt/qpainter_canvas.h"

namespace tolvo {
namespace {

// The PDF's device pixels per inch: the page's lines and boxes land on a fine grid.
constexpr int kPdfResolution = 1200;

void PaintPageCallback(QPainter* painter, const QRectF* paper, void* context) {
    PaintSheetPage(*painter, *paper, *static_cast<const CalculationSheet*>(context));
}

}  // namespace

void PaintSheetPage(QPainter& painter, const QRectF& paper, const CalculationSheet& sheet) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(paper.topLeft());
    const double scale = std::min(paper.width() / kSheetWidth, paper.height() / kSheetHeight);
    painter.scale(scale, scale);
    // Texts are measured in the sheet's units: a face at the sheet's sizes,
    // laid out as the device lays it out, scaled with the page.
    QPainterCanvas canvas(painter, SheetFont());
    PaintCalculationSheet(sheet, canvas);
    painter.restore();
}

QByteArray SheetPdf(const CalculationSheet& sheet, const QString& title) {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    if (!buffer.open(QIODevice::WriteOnly)) return {};
    {
        QPdfWriter writer(&buffer);
        writer.setResolution(kPdfResolution);
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        writer.setTitle(title);
        writer.setCreator(QCoreApplication::applicationName());
        QPainter painter;
        if (!painter.begin(&writer)) return {};
        PaintSheetPage(painter, QRectF(0, 0, writer.width(), writer.height()), sheet);
        if (!painter.end()) return {};
    }
    return pdf;
}

bool SaveSheetPdf(const CalculationSheet& sheet, const QString& title, const QString& path,
                  FileWriteProblem* problem) {
    const FileWriteProblem result =
        WriteFileReplacing(std::filesystem::path(path.toStdU16String()), [&](FileSink& sink) {
            const QByteArray pdf = SheetPdf(sheet, title);
            return !pdf.isEmpty() &&
                   sink.Write(std::string_view(pdf.constData(), static_cast<std::size_t>(pdf.size())));
        });
    if (problem) *problem = result;
    return result == FileWriteProblem::None;
}

QString PrintLibraryPath() {
#if defined(_WIN32)
    const QString name = QStringLiteral("tolvo-print.dll");
#else
    const QString name = QStringLiteral("tolvo-print.so");
#endif
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {programFolder.filePath(name),
          programFolder.filePath(QStringLiteral(TOLVO_PRINT_LIBRARY_FROM_PROGRAM "/") + name)}) {
        if (QFile::exists(path)) return QDir::cleanPath(path);
    }
    return {};
}

PrintOutcome PrintSheet(QWidget* parent, const CalculationSheet& sheet, const QString& title,
                        const QString& pdfFile) {
    const QString path = PrintLibraryPath();
    if (path.isEmpty()) return PrintOutcome::Unavailable;
    // Kept loaded once loaded: the next print opens at once.
    static QLibrary library;
    library.setFileName(path);
    const auto print = reinterpret_cast<TolvoPrintPage>(library.resolve(kTolvoPrintPageSymbol));
    if (print == nullptr) return PrintOutcome::Unavailable;
    const int result = print(parent, &title, PaintPageCallback, const_cast<CalculationSheet*>(&sheet),
                             pdfFile.isEmpty() ? nullptr : &pdfFile);
    return result > 0 ? PrintOutcome::Printed : result == 0 ? PrintOutcome::Cancelled : PrintOutcome::Failed;
}

}  // namespace tolvo
