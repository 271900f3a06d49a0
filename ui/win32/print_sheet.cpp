#include "ui/win32/print_sheet.h"

#include <commdlg.h>

#include <algorithm>

#include "ui/win32/fonts.h"
#include "ui/win32/gdi_canvas.h"

namespace tolvo::win32 {

void PaintSheet(HDC dc, int width, int height, const CalculationSheet& sheet, const std::wstring& face) {
    const double scale = std::min(width / kSheetWidth, height / kSheetHeight);
    const int left = static_cast<int>((width - kSheetWidth * scale) / 2);
    const int top = static_cast<int>((height - kSheetHeight * scale) / 2);
    POINT oldOrigin{};
    SetViewportOrgEx(dc, left, top, &oldOrigin);
    {
        GdiCanvas canvas(dc, face, scale);
        PaintCalculationSheet(sheet, canvas);
    }
    SetViewportOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

SheetPrinting PrintSheet(HWND owner, const CalculationSheet& sheet, const std::wstring& documentName) {
    PRINTDLGW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.Flags = PD_RETURNDC | PD_NOPAGENUMS | PD_NOSELECTION | PD_USEDEVMODECOPIESANDCOLLATE;
    dialog.nCopies = 1;
    if (!PrintDlgW(&dialog))
        return CommDlgExtendedError() == 0 ? SheetPrinting::Cancelled : SheetPrinting::Failed;
    if (dialog.hDevMode != nullptr) GlobalFree(dialog.hDevMode);
    if (dialog.hDevNames != nullptr) GlobalFree(dialog.hDevNames);
    HDC dc = dialog.hDC;
    if (dc == nullptr) return SheetPrinting::Failed;
    DOCINFOW document{};
    document.cbSize = sizeof(document);
    document.lpszDocName = documentName.c_str();
    bool printed = StartDocW(dc, &document) > 0;
    if (printed) {
        printed = StartPage(dc) > 0;
        if (printed) {
            PaintSheet(dc, GetDeviceCaps(dc, HORZRES), GetDeviceCaps(dc, VERTRES), sheet, DialogFace());
            printed = EndPage(dc) > 0;
        }
        if (printed) {
            printed = EndDoc(dc) > 0;
        } else {
            AbortDoc(dc);
        }
    }
    DeleteDC(dc);
    return printed ? SheetPrinting::Printed : SheetPrinting::Failed;
}

}  // namespace tolvo::win32
