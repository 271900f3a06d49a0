// Qt's own texts come from its Japanese catalogue: the context menu of an edit
// and the buttons of a message box; the catalogue is read when Qt first asks
// for one of them.
#include "ui/qt/qt_translations.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

namespace tolvo {
namespace {

QStringList ContextMenuTexts() {
    QLineEdit edit(QStringLiteral("25"));
    const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
    QStringList texts;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator()) texts << action->text().section(QLatin1Char('\t'), 0, 0);
    return texts;
}

QString CancelButtonText() {
    QMessageBox box(QMessageBox::Warning, QString(), QString(), QMessageBox::Ok | QMessageBox::Cancel);
    return box.button(QMessageBox::Cancel)->text();
}

TEST(QtTranslations, TheEditsContextMenuAndTheMessageBoxButtonsAreJapanese) {
    const QStringList english = ContextMenuTexts();
    QTranslator* translator = InstallQtTranslations({});
    ASSERT_NE(translator, nullptr);
    const QStringList japanese = ContextMenuTexts();
    const QString cancel = CancelButtonText();
    QCoreApplication::removeTranslator(translator);
    delete translator;

    ASSERT_EQ(japanese.size(), english.size());
    for (const char* word :
         {"元に戻す", "やり直す", "切り取り", "コピー", "貼り付け", "削除", "すべてを選択"}) {
        EXPECT_TRUE(japanese.filter(QString::fromUtf8(word)).size() == 1)
            << word << ": " << japanese.join(u'|').toStdString();
    }
    EXPECT_EQ(cancel, QString::fromUtf8("キャンセル"));
    EXPECT_EQ(ContextMenuTexts(), english);  // the catalogue made the difference
}

#if defined(__linux__)
bool CatalogueIsMapped() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.find("qtbase_ja.qm") != std::string::npos) return true;
    }
    return false;
}

// Installed, the catalogue is not yet read (start-up shows none of its texts),
// and the writing direction is the one the catalogue gives.
TEST(QtTranslationsDeathTest, TheCatalogueIsReadWhenQtFirstAsksForAText) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a new process: no catalogue read yet
    EXPECT_EXIT(
        {
            const bool installed = InstallQtTranslations({}) != nullptr;
            const bool unread = !CatalogueIsMapped();
            const Qt::LayoutDirection direction = QGuiApplication::layoutDirection();
            const bool japanese = CancelButtonText() == QString::fromUtf8("キャンセル");
            const bool read = CatalogueIsMapped();
            QTranslator whole;  // the catalogue read at once, as Qt reads it
            const bool loaded =
                whole.load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
                QCoreApplication::installTranslator(&whole);
            const bool sameDirection = QGuiApplication::layoutDirection() == direction;
            std::_Exit(installed && unread && japanese && read && loaded && sameDirection ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
#endif

}  // namespace
}  // namespace tolvo
