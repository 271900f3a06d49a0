// The calculation sheet on a Windows printer: the page's one layout drawn
// through the GDI canvas, scaled to the printable area; the system's print
// dialog chooses the printer (its PDF printer among them).
#pragma once

#include <windows.h>

#include <string>

#include "core/calculation_sheet.h"

namespace tolvo::win32 {

// Draws the page into a device context whose printable area is width × height
// device pixels, as large as fits, centred, in the given face.
void PaintSheet(HDC dc, int width, int height, const CalculationSheet& sheet, const std::wstring& face);

enum class SheetPrinting { Printed, Cancelled, Failed };

// Asks for a printer and prints the sheet as one document of one page.
SheetPrinting PrintSheet(HWND owner, const CalculationSheet& sheet, const std::wstring& documentName);

}  // namespace tolvo::win32
