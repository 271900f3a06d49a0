// The one entry of Tolvo's print library: the system's print dialog, then one
// page drawn by the caller onto the printer chosen. Loaded with QLibrary on
// the first print, so that the program starts without Qt's print support.
#pragma once

#include <QtGlobal>

class QPainter;
class QRectF;
class QString;
class QWidget;

// Draws the page into the paper's rectangle, in the painter's device pixels.
using TolvoPaintPage = void (*)(QPainter* painter, const QRectF* paper, void* context);

// 1 printed, 0 cancelled, -1 failed. With pdfFile, no dialog: the printer's
// PDF output to that file.
using TolvoPrintPage = int (*)(QWidget* parent, const QString* title, TolvoPaintPage paint, void* context,
                               const QString* pdfFile);
inline constexpr const char* kTolvoPrintPageSymbol = "tolvo_print_page";
