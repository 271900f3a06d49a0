#include "ui/qt/class_scroll_bar.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <optional>

namespace tolvo {

ClassScrollBar::ClassScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {
    // A range no user exhausts, so that both arrows always act.
    setRange(-1'000'000'000, 1'000'000'000);
    setValue(0);
    setSingleStep(1);
    setPageStep(1);
    setFocusPolicy(Qt::StrongFocus);  // a scroll bar control of the template is a tab stop
    connect(this, &QAbstractSlider::actionTriggered, this, &ClassScrollBar::OnAction);
}

namespace {

// The code each arrow and page action of the scroll bar, and each key, stands for.
std::optional<ScrollCode> CodeForAction(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollCode::LineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollCode::LineDown;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollCode::PageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollCode::PageDown;
        default:
            return std::nullopt;
    }
}

std::optional<ScrollCode> CodeForKey(int key) {
    switch (key) {
        case Qt::Key_Up:
            return ScrollCode::LineUp;
        case Qt::Key_Down:
            return ScrollCode::LineDown;
        case Qt::Key_PageUp:
            return ScrollCode::PageUp;
        case Qt::Key_PageDown:
            return ScrollCode::PageDown;
        default:
            return std::nullopt;
    }
}

}  // namespace

void ClassScrollBar::OnAction(int action) {
    if (const auto code = CodeForAction(action)) {
        pressed_ = true;
        emit notified(*code);
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
    const auto code = CodeForKey(event->key());
    if (!code) return QScrollBar::keyPressEvent(event);
    emit notified(*code);
    event->accept();
}

void ClassScrollBar::keyReleaseEvent(QKeyEvent* event) {
    if (event->isAutoRepeat() || !CodeForKey(event->key())) return QScrollBar::keyReleaseEvent(event);
    emit notified(ScrollCode::EndScroll);
    event->accept();
}

void ClassScrollBar::paintEvent(QPaintEvent* event) {
    QScrollBar::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

}  // namespace tolvo
