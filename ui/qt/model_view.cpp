#include "ui/qt/model_view.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QSlider>

#include "ui/qt/class_scroll_bar.h"
#include "ui/qt/partial_number.h"

namespace tolvo {

DialogView::DialogView(QDialog& dialog, const DialogTemplate& dialogTemplate, DeferredControl deferred)
    : dialog_(dialog),
      built_(BuildDialog(dialog, dialogTemplate, deferred)),
      template_(dialogTemplate),
      deferred_(deferred) {
    for (auto it = built_.widgets.cbegin(); it != built_.widgets.cend(); ++it)
        ids_.insert(it.value(), it.key());
}

void DialogView::BuildDeferred() {
    for (int id : tolvo::BuildDeferred(dialog_, template_, deferred_, built_)) {
        QWidget* widget = Control(id);
        ids_.insert(widget, id);
        WireWidget(id, widget);
    }
}

void DialogView::Wire(Gestures gestures) {
    gestures_ = std::move(gestures);
    for (auto it = built_.widgets.cbegin(); it != built_.widgets.cend(); ++it)
        WireWidget(it.key(), it.value());
    QObject::connect(qApp, &QApplication::focusChanged, &connections_,
                     [this, focused = gestures_.focused](QWidget*, QWidget* now) {
                         if (busy_ > 0 || mirroring_ || now == nullptr) return;
                         const int id = ids_.value(now, kNoId);
                         if (id != kNoId) focused(id);
                     });
}

void DialogView::WireWidget(int id, QWidget* widget) {
    const Gestures& gestures = gestures_;
    if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && !edit->isReadOnly()) {
        if (!gestures.edited) return;
        QObject::connect(edit, &QLineEdit::textEdited, &connections_,
                         [edited = gestures.edited, id](const QString& text) { edited(id, text); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        if (!gestures.clicked) return;
        QObject::connect(button, &QAbstractButton::clicked, &connections_,
                         [clicked = gestures.clicked, id] { clicked(id); });
    } else if (auto* slider = qobject_cast<QSlider*>(widget); slider != nullptr && gestures.slid) {
        QObject::connect(slider, &QSlider::valueChanged, &connections_,
                         [slid = gestures.slid, id](int position) { slid(id, position); });
        // The end of a drag reports the position once more, as the platform does.
        QObject::connect(slider, &QSlider::sliderReleased, &connections_,
                         [slid = gestures.slid, id, slider] { slid(id, slider->value()); });
    } else if (auto* scroll = qobject_cast<ClassScrollBar*>(widget); scroll != nullptr && gestures.scrolled) {
        QObject::connect(scroll, &ClassScrollBar::notified, &connections_,
                         [scrolled = gestures.scrolled, id](ScrollCode code) { scrolled(id, code); });
    }
}

void DialogView::MirrorStates(const ControlStates& controls, int focus, std::optional<int> selectAll) {
    mirroring_ = true;
    // Enabled states first: a disabled widget cannot take the focus.
    for (const ControlState& c : controls.All()) {
        QWidget* widget = Control(c.id);
        if (widget == nullptr) continue;
        if (widget->isEnabled() != c.enabled) widget->setEnabled(c.enabled);
        if (const auto [shown, first] = shownTooltips_.try_emplace(c.id, c.tooltip);
            (first && !c.tooltip.empty()) || shown->second != c.tooltip) {
            shown->second = c.tooltip;
            if (!c.partial) widget->setToolTip(ToQString(c.tooltip));
        }
        if (c.kind == ControlKind::InputEdit) {
            std::optional<std::string> readAs;
            if (c.partial) readAs = c.readAs;
            const auto [shown, first] = shownReadAs_.try_emplace(c.id);
            if (shown->second != readAs) {
                shown->second = readAs;
                if (auto* edit = qobject_cast<QLineEdit*>(widget))
                    ShowPartialNumber(*edit, readAs, ToQString(c.tooltip));
            }
        }
        switch (c.kind) {
            case ControlKind::InputEdit:
            case ControlKind::OutputEdit:
            case ControlKind::PreviewEdit:
            case ControlKind::Static: {
                // Converting every text on every action would be wasted: only changed ones go to Qt.
                const auto [shown, first] = shownTexts_.try_emplace(c.id, c.text);
                if (!first && shown->second == c.text) break;
                shown->second = c.text;
                const QString text = ToQString(c.text);
                if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
                    if (edit->text() != text) {
                        const QSignalBlocker blocker(edit);
                        edit->setText(text);
                        if (c.kind == ControlKind::OutputEdit) edit->setCursorPosition(0);
                    }
                } else if (auto* label = qobject_cast<QLabel*>(widget)) {
                    label->setText(text);
                } else if (auto* preview = qobject_cast<QPlainTextEdit*>(widget)) {
                    // Shown with the platform's line ends; the clipboard gets "\r\n".
                    QString lines = text;
                    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                    if (preview->toPlainText() != lines) preview->setPlainText(lines);
                }
                break;
            }
            case ControlKind::Radio:
            case ControlKind::CheckBox: {
                auto* button = static_cast<QAbstractButton*>(widget);
                if (button->isChecked() != c.checked) {
                    const QSignalBlocker blocker(button);
                    button->setChecked(c.checked);
                }
                break;
            }
            case ControlKind::Slider: {
                auto* slider = static_cast<QSlider*>(widget);
                const QSignalBlocker blocker(slider);
                if (slider->minimum() != c.minimum || slider->maximum() != c.maximum) {
                    slider->setRange(c.minimum, c.maximum);
                }
                if (slider->value() != c.position) slider->setValue(c.position);
                break;
            }
            default:
                break;
        }
    }
    // A message box over the dialog keeps the focus until it closes.
    const QWidget* modal = QApplication::activeModalWidget();
    if (QWidget* widget = Control(focus); widget != nullptr && widget != QApplication::focusWidget() &&
                                          (modal == nullptr || modal == &dialog_ || !dialog_.isVisible())) {
        widget->setFocus(Qt::OtherFocusReason);
    }
    if (selectAll) {
        if (auto* edit = qobject_cast<QLineEdit*>(Control(*selectAll))) edit->selectAll();
    }
    mirroring_ = false;
}

}  // namespace tolvo
