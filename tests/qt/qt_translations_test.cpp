// Qt's own texts come from its Japanese catalogue: the context menu of an edit
// and the buttons of a message box.
#include "ui/qt/qt_translations.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>
#include <memory>

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

}  // namespace
}  // namespace tolvo
