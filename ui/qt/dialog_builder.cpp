#include "ui/qt/dialog_builder.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPalette>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <algorithm>
#include <cmath>

#include "ui/qt/class_scroll_bar.h"
#include "ui/qt/fonts.h"

namespace tolvo {
namespace {

QRect ToPixels(const DialogRect& r, double scale) {
    const auto px = [scale](int units) { return static_cast<int>(std::lround(units * scale)); };
    return QRect(px(r.x), px(r.y), px(r.width), px(r.height));
}

QWidget* CreateWidget(const ControlTemplate& t, QDialog& dialog) {
    const QString text = ToQString(t.text);
    switch (t.kind) {
        case ControlKind::GroupBox:
            return new QGroupBox(text, &dialog);
        case ControlKind::InputEdit: {
            auto* edit = new QLineEdit(&dialog);
            edit->setFocusPolicy(Qt::StrongFocus);
            return edit;
        }
        case ControlKind::OutputEdit: {
            auto* edit = new QLineEdit(&dialog);
            edit->setReadOnly(true);
            edit->setFrame(false);
            edit->setFocusPolicy(Qt::ClickFocus);  // no tab stop; a click places the caret to scroll it
            // Read-only text on the dialog's own background, as results are shown.
            QPalette palette = edit->palette();
            palette.setBrush(QPalette::Base, palette.brush(QPalette::Window));
            edit->setPalette(palette);
            return edit;
        }
        case ControlKind::PreviewEdit: {
            auto* edit = new QPlainTextEdit(&dialog);
            edit->setReadOnly(true);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
            edit->setLineWrapMode(QPlainTextEdit::NoWrap);
            edit->setFocusPolicy(Qt::ClickFocus);
            return edit;
        }
        case ControlKind::Radio: {
            auto* radio = new QRadioButton(text, &dialog);
            radio->setAutoExclusive(false);  // the model keeps one button of a group checked
            return radio;
        }
        case ControlKind::CheckBox:
            return new QCheckBox(text, &dialog);
        case ControlKind::Static:
        case ControlKind::Icon: {
            auto* label = new QLabel(&dialog);
            label->setTextFormat(Qt::PlainText);
            label->setText(text);
            // Centred vertically, level with the text of the edits beside them.
            Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
            if (t.style & kCentred) alignment = Qt::AlignCenter;
            if (t.style & kRightAligned) alignment = Qt::AlignRight | Qt::AlignVCenter;
            label->setAlignment(alignment);
            if (t.style & kSunken) label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            if (t.style & kTwoLines) label->setWordWrap(true);
            return label;
        }
        case ControlKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, &dialog);
            slider->setSingleStep(1);
            slider->setPageStep(1);
            slider->setTickPosition(QSlider::NoTicks);
            slider->setFocusPolicy(Qt::StrongFocus);
            return slider;
        }
        case ControlKind::ScrollBar:
            return new ClassScrollBar(&dialog);
        case ControlKind::ListBox: {
            auto* list = new QListWidget(&dialog);
            list->setSelectionMode(QAbstractItemView::SingleSelection);
            return list;
        }
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton: {
            auto* button = new QPushButton(text, &dialog);
            button->setDefault(t.kind == ControlKind::DefaultPushButton);
            button->setAutoDefault(true);
            return button;
        }
    }
    return nullptr;
}

constexpr int kMarkWidth = 10;  // dialog units

// The text a control shows, without mnemonic markers.
QString ShownText(const ControlTemplate& t) {
    QString text = ToQString(t.text);
    if (!(t.style & kNoPrefix) && t.kind != ControlKind::Static) text.remove(QLatin1Char('&'));
    return text;
}

// Pixels per dialog unit so that every one-line text fits its rectangle. The
// template was laid out for a proportional Windows face; a face with wider
// kana needs a larger unit, the same in both directions to keep the layout.
double ScaleToFit(const DialogTemplate& dialogTemplate, const QFont& font) {
    const QFontMetrics metrics(font);
    const QStyle* style = QApplication::style();
    const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth) +
                          style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) + 4;
    const int buttonPadding = 2 * style->pixelMetric(QStyle::PM_ButtonMargin) + 4;
    double scale = DialogUnitScale(font);
    for (const ControlTemplate& t : dialogTemplate.controls) {
        if (t.text.empty() || (t.style & kTwoLines) || t.rect.width <= 0) continue;
        int extra = 0;
        switch (t.kind) {
            case ControlKind::Radio:
            case ControlKind::CheckBox:
                extra = indicator;
                break;
            case ControlKind::PushButton:
            case ControlKind::DefaultPushButton:
                extra = buttonPadding;
                break;
            case ControlKind::Static:
                // Slider marks and units ("mm") are narrower than their text in
                // any face and simply run past their rectangles.
                if (t.rect.width <= kMarkWidth) continue;
                extra = (t.style & kSunken) ? 6 : 1;
                break;
            default:
                continue;  // frames are drawn apart, edits start empty
        }
        scale = std::max(
            scale, (metrics.horizontalAdvance(ShownText(t)) + extra) / static_cast<double>(t.rect.width));
    }
    return scale;
}

}  // namespace

QString ToQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

namespace {

// A frame whose caption holds a run of blanks on which an input edit sits
// (" 穴  φ                    mm"): the words left and right of the run are
// drawn beside the edit, so that the edit covers the run in any face.
bool CaptionAroundEdit(const ControlTemplate& frame, const ControlTemplate& next) {
    return frame.kind == ControlKind::GroupBox && frame.text.find("   ") != std::string_view::npos &&
           next.kind == ControlKind::InputEdit && next.rect.y <= frame.rect.y;
}

void PlaceCaptionAroundEdit(QDialog& dialog, const ControlTemplate& frame, const QRect& edit) {
    const QString caption = ToQString(frame.text);
    const qsizetype run = caption.indexOf(QStringLiteral("   "));
    const QString before = caption.left(run).trimmed();
    const QString after = caption.mid(run).trimmed();
    const QFontMetrics metrics(dialog.font());
    const int gap = metrics.horizontalAdvance(QLatin1Char(' '));
    const int height = std::max(edit.height(), metrics.height());
    const int top = edit.center().y() - height / 2;
    for (const auto& [text, x] : {std::pair{before, edit.left() - gap - metrics.horizontalAdvance(before)},
                                  std::pair{after, edit.right() + gap}}) {
        auto* label = new QLabel(text, &dialog);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setAutoFillBackground(true);  // cuts the frame's top line, as a caption does
        label->setGeometry(x - 2, top, metrics.horizontalAdvance(text) + 4, height);
    }
}

}  // namespace

namespace {

// One control of the template at its rectangle.
QWidget* PlaceControl(QDialog& dialog, std::span<const ControlTemplate> controls, std::size_t i,
                      const BuiltDialog& built, const QFontMetrics& metrics) {
    const ControlTemplate& t = controls[i];
    QWidget* widget = CreateWidget(t, dialog);
    if (i + 1 < controls.size() && CaptionAroundEdit(t, controls[i + 1])) {
        static_cast<QGroupBox*>(widget)->setTitle(QString());
        PlaceCaptionAroundEdit(dialog, t, ToPixels(controls[i + 1].rect, built.scale));
    }
    QRect rect = ToPixels(t.rect, built.scale);
    // A static keeps its top; it grows to the font's line so that descenders show.
    if (t.kind == ControlKind::Static && !(t.style & kTwoLines)) {
        rect.setHeight(std::max(rect.height(), metrics.height()));
        if (t.rect.width <= kMarkWidth) {
            rect.setWidth(std::max(rect.width(), metrics.horizontalAdvance(ShownText(t)) + 1));
        }
    }
    widget->setGeometry(rect);
    if (!IsTabStop(t.kind) && widget->focusPolicy() == Qt::StrongFocus)
        widget->setFocusPolicy(Qt::ClickFocus);
    // Frames are drawn first so that the controls on them stay clickable.
    if (t.kind == ControlKind::GroupBox) widget->lower();
    return widget;
}

void Register(BuiltDialog& built, const ControlTemplate& t, QWidget* widget) {
    if (t.id != kNoId) built.widgets.insert(t.id, widget);
    if (t.kind == ControlKind::Icon) built.icons.append(static_cast<QLabel*>(widget));
}

bool IsDeferred(const ControlTemplate& t, DeferredControl deferred) {
    return deferred != nullptr && t.id != kNoId && t.kind == ControlKind::Static && deferred(t.id);
}

}  // namespace

namespace {

// A line edit lays out its empty text with the application's font as it is
// made, before it takes the dialog's. With the dialog's font as the
// application's while the controls are made, making a dialog opens no face
// it does not draw (DejaVu Sans: some 300 KiB at start-up).
class ApplicationFontWhileMaking {
  public:
    explicit ApplicationFontWhileMaking(const QFont& font) : kept_(QApplication::font()) {
        if (kept_ != font) QApplication::setFont(font);
    }
    ~ApplicationFontWhileMaking() {
        if (QApplication::font() != kept_) QApplication::setFont(kept_);
    }
    ApplicationFontWhileMaking(const ApplicationFontWhileMaking&) = delete;
    ApplicationFontWhileMaking& operator=(const ApplicationFontWhileMaking&) = delete;

  private:
    const QFont kept_;
};

}  // namespace

BuiltDialog BuildDialog(QDialog& dialog, const DialogTemplate& dialogTemplate, DeferredControl deferred) {
    BuiltDialog built;
    dialog.setFont(DialogFont());
    const ApplicationFontWhileMaking applicationFont(dialog.font());
    built.scale = ScaleToFit(dialogTemplate, dialog.font());
    const QFontMetrics metrics(dialog.font());
    dialog.setWindowTitle(ToQString(dialogTemplate.caption));
    QWidget* previous = nullptr;
    const std::span<const ControlTemplate> controls = dialogTemplate.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& t = controls[i];
        if (IsDeferred(t, deferred)) continue;
        QWidget* widget = PlaceControl(dialog, controls, i, built, metrics);
        if (IsTabStop(t.kind)) {
            if (previous != nullptr) QWidget::setTabOrder(previous, widget);
            previous = widget;
        }
        Register(built, t, widget);
    }
    dialog.setFixedSize(ToPixels({0, 0, dialogTemplate.width, dialogTemplate.height}, built.scale).size());
    return built;
}

QList<int> BuildDeferred(QDialog& dialog, const DialogTemplate& dialogTemplate, DeferredControl deferred,
                         BuiltDialog& built) {
    QList<int> ids;
    const QFontMetrics metrics(dialog.font());
    const std::span<const ControlTemplate> controls = dialogTemplate.controls;
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& t = controls[i];
        if (!IsDeferred(t, deferred) || built.widgets.contains(t.id)) continue;
        QWidget* widget = PlaceControl(dialog, controls, i, built, metrics);
        widget->hide();
        Register(built, t, widget);
        ids.append(t.id);
    }
    return ids;
}

}  // namespace tolvo
