#include "ui/qt/fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

#include "ui/dialog_templates.h"

namespace tolvo {
namespace {

constexpr int kFitKindFontPoints = 20;

// The families of the list that are installed (or that fontconfig stands in
// for), in their order; all of them when none is. Qt takes the first one
// either way, but a family it cannot find slows down every text it lays out:
// with "ＭＳ Ｐゴシック" missing, measuring the main window's texts took
// nearly twice as long.
QStringList InstalledFamilies(const QStringList& families) {
    QStringList installed;
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family)) installed << family;
    }
    return installed.isEmpty() ? families : installed;
}

QFont FontOfInstalledFamilies(const QStringList& families, int points, QFont::StyleHint hint) {
    QFont font;
    font.setFamilies(InstalledFamilies(families));
    font.setStyleHint(hint);
    font.setPointSize(points);
    return font;
}

}  // namespace

QFont DialogFont() {
    return FontOfInstalledFamilies(
        {QString::fromUtf8(kDialogFontFace.data(), static_cast<qsizetype>(kDialogFontFace.size())),
         QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic"), QStringLiteral("VL PGothic"),
         QStringLiteral("TakaoPGothic")},
        kDialogFontPoints, QFont::SansSerif);
}

QFont FitKindFont() {
    return FontOfInstalledFamilies(
        {QStringLiteral("ＭＳ ゴシック"), QStringLiteral("Noto Sans Mono CJK JP"),
         QStringLiteral("IPAGothic"), QStringLiteral("VL Gothic"), QStringLiteral("TakaoGothic")},
        kFitKindFontPoints, QFont::Monospace);
}

QFont SheetFont() {
    QStringList families;
    for (const QString& latin :
         {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial")}) {
        if (QFontDatabase::hasFamily(latin)) {
            families << latin;
            break;
        }
    }
    QFont font = DialogFont();
    font.setFamilies(families + font.families());
    font.setHintingPreference(QFont::PreferNoHinting);  // drawn at the page's scale, not the screen's pixels
    return font;
}

double DialogUnitScale(const QFont& dialogFont) {
    // 9 pt at 96 dpi is 12 px: 1.5 px per unit, as the original measured.
    return QFontInfo(dialogFont).pixelSize() / 8.0;
}

}  // namespace tolvo
