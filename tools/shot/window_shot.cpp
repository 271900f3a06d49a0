// Takes a picture of the calculator's window after a few user actions, for
// the screenshots in docs/ (tools/screenshots.sh): the real widgets, driven
// as a user drives them, grabbed to a PNG.
//   tolvo-window-shot OUT.png ACTION...
// ACTION: "range" (Ctrl+R unless the whole range is on already), "zones" (Ctrl+D unless the diagram is shown
// already), "dark" (the Fusion style with a dark palette; first), "type:ID:TEXT" (keystrokes),
// "slide:ID:POS"; "finder" (Ctrl+F), then "ftype:ID:TEXT" and "fclick:ID" in the finder. With the finder
// open, it is the finder that is grabbed; "press" (Ctrl+J), then "ptype:ID:TEXT" in the joint's dialog,
// which is then grabbed; "service" (Ctrl+T), then "stype:ID:TEXT" (the edit's text replaced by keystrokes),
// "sclick:ID" and "sdown:ID:N" (a material's scroll bar stepped N times) in the operating-conditions dialog,
// which is then grabbed (beside the diagram's window when the diagram is shown); with the diagram
// shown, the picture holds the window and the diagram's window beside it.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QSlider>
#include <QStyleFactory>
#include <QTest>
#include <cstdio>

#include "platform/help_folders.h"
#include "ui/qt/class_scroll_bar.h"
#include "ui/qt/main_window.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fputs("usage: tolvo-window-shot OUT.png ACTION...\n", stderr);
        return 2;
    }
    if (argc > 2 && QString::fromUtf8(argv[2]) == QLatin1String("dark")) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QPalette dark;
        const QColor window(0x2B, 0x2B, 0x2B), base(0x1E, 0x1E, 0x1E), text(0xE8, 0xE8, 0xE8);
        for (auto role : {QPalette::Window, QPalette::Button}) dark.setColor(role, window);
        for (auto role : {QPalette::Base, QPalette::AlternateBase}) dark.setColor(role, base);
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, text);
        dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x80, 0x80, 0x80));
        dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x80, 0x80, 0x80));
        dark.setColor(QPalette::Highlight, QColor(0x3D, 0x7A, 0xC6));
        QApplication::setPalette(dark);
    }
    const tolvo::FolderHelpSearch noHelp({}, "tolvo");
    tolvo::MainWindow window(noHelp);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) return 1;
    // Keystrokes into a line edit, after its text or over it; false when the control is none.
    const auto typeInto = [](QWidget* control, const QString& text, bool replace) {
        auto* edit = qobject_cast<QLineEdit*>(control);
        if (edit == nullptr) return false;
        edit->setFocus();
        if (replace) edit->selectAll();
        QTest::keyClicks(edit, text);
        return true;
    };
    for (int i = 2; i < argc; ++i) {
        const QStringList parts = QString::fromUtf8(argv[i]).split(QLatin1Char(':'));
        if (parts[0] == QLatin1String("dark")) {
            continue;
        } else if (parts[0] == QLatin1String("zones")) {
            if (!window.ZoneDiagramAction()->isChecked()) window.ZoneDiagramAction()->trigger();
        } else if (parts[0] == QLatin1String("range")) {
            if (!window.FullRangeAction()->isChecked()) window.FullRangeAction()->trigger();
        } else if (parts[0] == QLatin1String("finder")) {
            window.FinderAction()->trigger();
            if (!QTest::qWaitForWindowExposed(window.Finder())) return 1;
        } else if (parts[0] == QLatin1String("press")) {
            window.PressFitAction()->trigger();
            if (!QTest::qWaitForWindowExposed(window.PressFit())) return 1;
        } else if (parts.size() == 3 && parts[0] == QLatin1String("ptype") && window.PressFit()) {
            if (!typeInto(window.PressFit()->Control(parts[1].toInt()), parts[2], false)) return 2;
        } else if (parts[0] == QLatin1String("service")) {
            window.ServiceAction()->trigger();
            if (!QTest::qWaitForWindowExposed(window.Service())) return 1;
        } else if (parts.size() == 3 && parts[0] == QLatin1String("stype") && window.Service()) {
            if (!typeInto(window.Service()->Control(parts[1].toInt()), parts[2], true)) return 2;
        } else if (parts.size() == 2 && parts[0] == QLatin1String("sclick") && window.Service()) {
            auto* button = qobject_cast<QAbstractButton*>(window.Service()->Control(parts[1].toInt()));
            if (button == nullptr) return 2;
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (parts.size() == 3 && parts[0] == QLatin1String("sdown") && window.Service()) {
            auto* bar = qobject_cast<tolvo::ClassScrollBar*>(window.Service()->Control(parts[1].toInt()));
            if (bar == nullptr) return 2;
            bar->setFocus();
            for (int k = 0; k < parts[2].toInt(); ++k) {
                QTest::keyPress(bar, Qt::Key_Down);
                QTest::keyRelease(bar, Qt::Key_Down);
            }
        } else if (parts.size() == 2 && parts[0] == QLatin1String("fclick") && window.Finder()) {
            auto* button = qobject_cast<QAbstractButton*>(window.Finder()->Control(parts[1].toInt()));
            if (button == nullptr) return 2;
            QTest::mouseClick(button, Qt::LeftButton);
        } else if (parts.size() == 3 &&
                   (parts[0] == QLatin1String("type") || parts[0] == QLatin1String("ftype"))) {
            QWidget* control = parts[0] == QLatin1String("type") ? window.Control(parts[1].toInt())
                               : window.Finder()                 ? window.Finder()->Control(parts[1].toInt())
                                                                 : nullptr;
            if (!typeInto(control, parts[2], false)) return 2;
        } else if (parts.size() == 3 && parts[0] == QLatin1String("slide")) {
            auto* slider = qobject_cast<QSlider*>(window.Control(parts[1].toInt()));
            if (slider == nullptr) return 2;
            slider->setFocus();
            slider->setValue(parts[2].toInt());
        } else {
            std::fprintf(stderr, "unknown action %s\n", argv[i]);
            return 2;
        }
    }
    QTest::qWait(100);
    if (window.PressFit()) return window.PressFit()->grab().save(QString::fromUtf8(argv[1])) ? 0 : 1;
    if (window.Finder()) return window.Finder()->grab().save(QString::fromUtf8(argv[1])) ? 0 : 1;
    const QPixmap main = window.Service() ? window.Service()->grab() : window.grab();
    if (!window.ZoneDiagram().isVisible()) return main.save(QString::fromUtf8(argv[1])) ? 0 : 1;
    constexpr int kGap = 8;
    const QPixmap zones = window.ZoneDiagram().grab();
    QPixmap both(main.width() + kGap + zones.width(), std::max(main.height(), zones.height()));
    both.fill(QApplication::palette().color(QPalette::Window).darker(140));
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(main.width() + kGap, 0, zones);
    painter.end();
    return both.save(QString::fromUtf8(argv[1])) ? 0 : 1;
}
