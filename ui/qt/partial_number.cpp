#include "ui/qt/partial_number.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

#include "ui/control_tooltips.h"
#include "ui/qt/dialog_builder.h"

namespace tolvo {

void ShowPartialNumber(QLineEdit& edit, const std::optional<std::string>& readAs,
                       const QString& normalTooltip) {
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base,
                     readAs ? kPartialNumberTint : QApplication::palette(&edit).color(QPalette::Base));
    edit.setPalette(palette);
    edit.setToolTip(readAs ? ToQString(PartialNumberTooltip(*readAs)) : normalTooltip);
}

}  // namespace tolvo
