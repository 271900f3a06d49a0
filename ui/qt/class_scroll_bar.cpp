#include "ui/qt/class_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace tolvo {

ClassScrollBar::ClassScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    // A range no user exhausts, so that both arrows always act.
    setRange(-1'000'000'000, 1'000'000'000);
    setValue(0);
    setSingleStep(1);
    setPageStep(1);
    connect(this, &QAbstractSlider::actionTriggered, this, &ClassScrollBar::OnAction);
}

void ClassScrollBar::OnAction(int action) {
    switch (action) {
        case SliderSingleStepSub:
            pressed_ = true;
            emit notified(ScrollCode::LineUp);
            break;
        case SliderSingleStepAdd:
            pressed_ = true;
            emit notified(ScrollCode::LineDown);
            break;
        case SliderPageStepSub:
            pressed_ = true;
            emit notified(ScrollCode::PageUp);
            break;
        case SliderPageStepAdd:
            pressed_ = true;
            emit notified(ScrollCode::PageDown);
            break;
        default:
            break;
    }
}

void ClassScrollBar::mouseReleaseEvent(QMouseEvent* event) {
    QScrollBar::mouseReleaseEvent(event);
    if (pressed_) {
        pressed_ = false;
        emit notified(ScrollCode::EndScroll);
    }
}

void ClassScrollBar::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Up:
            emit notified(ScrollCode::LineUp);
            break;
        case Qt::Key_Down:
            emit notified(ScrollCode::LineDown);
            break;
        case Qt::Key_PageUp:
            emit notified(ScrollCode::PageUp);
            break;
        case Qt::Key_PageDown:
            emit notified(ScrollCode::PageDown);
            break;
        default:
            QScrollBar::keyPressEvent(event);
            return;
    }
    event->accept();
}

void ClassScrollBar::keyReleaseEvent(QKeyEvent* event) {
    const int key = event->key();
    if (!event->isAutoRepeat() &&
        (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown)) {
        emit notified(ScrollCode::EndScroll);
        event->accept();
        return;
    }
    QScrollBar::keyReleaseEvent(event);
}

}  // namespace tolvo
