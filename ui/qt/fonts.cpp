#include "ui/qt/fonts.h"

#include <QFontInfo>
#include <QStringList>

#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

constexpr int kFitKindFontPoints = 20;

// The first of the families that is installed; fontconfig resolves the list
// without enumerating every face of the system.
QFont FirstInstalled(const QStringList& families, int points, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(hint);
    font.setPointSize(points);
    return font;
}

}  // namespace

QFont DialogFont() {
    return FirstInstalled(
        {QString::fromUtf8(kDialogFontFace.data(), static_cast<qsizetype>(kDialogFontFace.size())),
         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
         QStringLiteral("TakaoPGothic")},
        kDialogFontPoints, QFont::SansSerif);
}

QFont FitKindFont() {
    return FirstInstalled(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("Noto Sans Mono CJK JP"),
         QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")},
        kFitKindFontPoints, QFont::Monospace);
}

double DialogUnitScale(const QFont& dialogFont) {
    // 9 pt at 96 dpi is 12 px: 1.5 px per unit, as the original measured.
    return QFontInfo(dialogFont).pixelSize() / 8.0;
}

}  // namespace tolvo
