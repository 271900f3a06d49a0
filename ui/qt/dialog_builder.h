// Builds the widgets of a dialog template: each control at its rectangle,
// in template order (which makes the tab order), with the template's text.
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <string_view>

#include "ui/dialog_templates.h"

class QDialog;
class QLabel;
class QWidget;

namespace tolvo {

QString ToQString(std::string_view utf8);

struct BuiltDialog {
    QHash<int, QWidget*> widgets;  // by control ID; controls without an ID are not listed
    QList<QLabel*> icons;          // the template's icon controls
    double scale = 1.5;            // pixels per dialog unit
};

// Creates the widgets as children of the dialog and fixes the dialog's size.
BuiltDialog BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate);

}  // namespace tolvo
