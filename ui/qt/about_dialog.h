// The About box (template 100): the icon, the program's name and version,
// a freeware notice and OK.
#pragma once

#include <QDialog>

namespace tolvo {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent);
};

}  // namespace tolvo
