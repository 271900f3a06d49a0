// The fonts of Tolvo's dialogs, with Japanese fallbacks where the Windows
// faces of the original are not installed.
#pragma once

#include <QFont>

namespace tolvo {

// "ＭＳ Ｐゴシック" 9 pt, else a Japanese sans-serif of the system.
QFont DialogFont();
// "ＭＳ ゴシック" 20 pt, else a Japanese monospace, for the fit-kind label.
QFont FitKindFont();

// The calculation sheet's face: a Latin sans-serif for letters and digits
// where one is installed, then the dialog's Japanese faces. A PDF's text
// layer then reads back the digits, which Qt cannot map back from the
// Japanese OpenType faces' glyphs.
QFont SheetFont();

// Pixels per dialog unit. The original font's base units are half as wide as
// they are high, so one factor from the font's pixel size keeps the template's
// proportions whatever the metrics of the face that stands in for it.
double DialogUnitScale(const QFont& dialogFont);

}  // namespace tolvo
