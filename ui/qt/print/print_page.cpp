#include "ui/qt/print/print_page.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QRectF>
#include <QString>

extern "C" Q_DECL_EXPORT int tolvo_print_page(QWidget* parent, const QString* title, TolvoPaintPage paint,
                                              void* context, const QString* pdfFile) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setFullPage(true);  // the sheet keeps its own margins
    if (title != nullptr) printer.setDocName(*title);
    if (pdfFile != nullptr) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(*pdfFile);
    } else {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        if (title != nullptr) dialog.setWindowTitle(*title);
        if (dialog.exec() != QDialog::Accepted) return 0;
    }
    QPainter painter;
    if (!painter.begin(&printer)) return -1;
    const QRectF paper = printer.pageLayout().fullRectPixels(printer.resolution());
    paint(&painter, &paper, context);
    return painter.end() ? 1 : -1;
}
