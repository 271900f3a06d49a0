// The small up/down scroll bar that steps the general tolerance class. It
// keeps no position: it reports the line code when an arrow is pressed (and
// again on auto-repeat) and the end code when it is released, from the mouse
// and from the keyboard alike. It is a tab stop (Up and Down act as the
// arrows) and frames itself while it has the focus: the style draws no focus
// mark on a scroll bar.
#pragma once

#include <QScrollBar>

#include "ui/scroll_code.h"

namespace tolvo {

class ClassScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    explicit ClassScrollBar(QWidget* parent);

  signals:
    void notified(tolvo::ScrollCode code);

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    void OnAction(int action);
    bool pressed_ = false;
};

}  // namespace tolvo
