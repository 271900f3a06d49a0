// The calculation sheet on paper and as PDF: the page's one layout drawn with
// QPainter. Printing goes through the system's print dialog in a small
// library of its own, loaded on the first print, so that Qt's print support
// is not loaded while Tolvo starts.
#pragma once

#include <QByteArray>
#include <QRectF>
#include <QString>

#include "core/calculation_sheet.h"
#include "platform/file_writer.h"

class QPainter;
class QWidget;

namespace tolvo {

// Draws the page scaled into the rectangle (the whole sheet of paper).
void PaintSheetPage(QPainter& painter, const QRectF& paper, const CalculationSheet& sheet);

// The page as a PDF document (A4, its fonts embedded); empty when it could not be made.
QByteArray SheetPdf(const CalculationSheet& sheet, const QString& title);

// Writes the PDF through the safe file writer; false when it cannot be
// written, `problem` then says why.
bool SaveSheetPdf(const CalculationSheet& sheet, const QString& title, const QString& path,
                  FileWriteProblem* problem = nullptr);

// How a print ended.
enum class PrintOutcome { Printed, Cancelled, Unavailable, Failed };

// The system's print dialog, then the page on the printer chosen. With
// pdfFile given, no dialog: the page goes through the printer's PDF output to
// that file (what the tests check the print library by).
PrintOutcome PrintSheet(QWidget* parent, const CalculationSheet& sheet, const QString& title,
                        const QString& pdfFile = {});

// The file name of the print library, where PrintSheet looks for it: beside
// the program, then in Tolvo's library folder of the installation.
QString PrintLibraryPath();

}  // namespace tolvo
