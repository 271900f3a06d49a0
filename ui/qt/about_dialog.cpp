#include "ui/qt/about_dialog.h"

#include <QIcon>
#include <QLabel>
#include <QPushButton>

#include "ui/qt/dialog_builder.h"

namespace tolvo {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);
    const BuiltDialog built = BuildDialog(*this, kAboutDialog);
    for (QLabel* icon : built.icons) icon->setPixmap(windowIcon().pixmap(icon->size()));
    if (auto* ok = qobject_cast<QPushButton*>(built.widgets.value(about_dialog::kOkButton))) {
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        ok->setFocus();
    }
}

}  // namespace tolvo
