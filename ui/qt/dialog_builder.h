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

// Which controls of a template are built later, by ID (none when null).
using DeferredControl = bool (*)(int id);

// Creates the widgets as children of the dialog and fixes the dialog's size;
// the deferred controls (statics only: they hold no place in the tab order)
// are left out.
BuiltDialog BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate,
                        DeferredControl deferred = nullptr);
// Creates the deferred controls left out by BuildDialog, at the same scale,
// hidden; returns their IDs.
QList<int> BuildDeferred(QDialog& dialog, const DialogTemplate& dialogTemplate, DeferredControl deferred,
                         BuiltDialog& built);

}  // namespace tolvo
