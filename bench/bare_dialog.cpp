// The toolkit's floor for start-up: one empty QDialog of a given size.
// With "japanese" as third argument it also loads a Japanese face and shows
// one Japanese word, the floor of any window with a Japanese interface.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("bare"));
    if (argc > 3 && std::strcmp(argv[3], "japanese") == 0) {
        QFont font;
        font.setFamilies({QStringLiteral("Noto Sans CJK JP"), QStringLiteral("IPAPGothic")});
        font.setPointSize(9);
        dialog.setFont(font);
        new QLabel(QStringLiteral("穴と同じ基準寸法"), &dialog);
    }
    dialog.setFixedSize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 480);
    dialog.exec();
    return 0;
}
