// The help command: the program's own help window, and the manual it shows.
#include "ui/qt/help_window.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocument>
#include <array>
#include <vector>

#include "core/messages.h"
#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"
#include "ui/qt/main_window.h"

namespace tolvo {
namespace {

// The manual as the build puts it beside the programs.
const std::filesystem::path kHelpFolder = TOLVO_HELP_FOLDER;

class HelpWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        window = ShowMainWindow(help);
        ASSERT_TRUE(window->isActiveWindow());
        QPixmap picture(16, 16);
        picture.fill(Qt::darkBlue);
        window->setWindowIcon(QIcon(picture));
        window->Help().SetLauncher([this](const QUrl& url) {
            launched.push_back(url);
            return desktopOpens;
        });
    }
    void PressF1() { QTest::keyClick(window->Control(main_dialog::kHoleBasicSize), Qt::Key_F1); }

    const FolderHelpSearch help{{kHelpFolder}, "tolvo"};
    std::unique_ptr<MainWindow> window;
    std::vector<QUrl> launched;
    bool desktopOpens = false;
};

// A desktop handler may report success and show nothing (a browser that will
// not run as root), so F1 always shows the program's own window; its button
// hands the manual to the desktop.
TEST_F(HelpWindowTest, F1ShowsTheManualInAWindowOfTheProgramsOwnAndItsButtonOpensTheBrowser) {
    ModalAnswerer answerer(AcceptMessageBox);
    answerer.watchedWindow = window.get();
    desktopOpens = true;
    PressF1();
    EXPECT_TRUE(launched.empty());
    EXPECT_EQ(answerer.count, 0);  // no "not found" message: it was found
    HelpWindow* help = window->Help().Window();
    ASSERT_NE(help, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(help));
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->isModal());
    EXPECT_EQ(help->windowTitle(), QString::fromUtf8("Tolvo ヘルプ"));
    EXPECT_EQ(help->windowIcon().cacheKey(), window->windowIcon().cacheKey());
    EXPECT_TRUE(help->Browser()->toPlainText().contains(QString::fromUtf8("はめあい")));
    // the calculator stays usable beside it
    QTest::keyClicks(window->Control(main_dialog::kHoleBasicSize), QStringLiteral("25"));
    EXPECT_EQ(window->Model().Controls().At(main_dialog::kHoleDeviation).text, "74 / 65 μm");
    // F1 again: the same window, once
    PressF1();
    EXPECT_EQ(window->Help().Window(), help);
    EXPECT_EQ(answerer.count, 0);

    ASSERT_TRUE(help->BrowserButton()->isVisible());
    help->BrowserButton()->click();
    ASSERT_EQ(launched.size(), 1u);
    EXPECT_EQ(launched[0],
              QUrl::fromLocalFile(QString::fromStdU16String((kHelpFolder / "Tolvo.html").u16string())));
    EXPECT_EQ(answerer.count, 0);
    // a desktop that cannot open it: said so, the window stays
    desktopOpens = false;
    help->BrowserButton()->click();
    EXPECT_EQ(launched.size(), 2u);
    EXPECT_EQ(answerer.count, 1);
    EXPECT_TRUE(help->isVisible());
}

TEST_F(HelpWindowTest, WithoutAnyLauncherTheManualStillOpensWithoutTheBrowserButton) {
    window->Help().SetLauncher({});
    PressF1();
    ASSERT_NE(window->Help().Window(), nullptr);
    EXPECT_TRUE(window->Help().Window()->isVisible());
    EXPECT_FALSE(window->Help().Window()->BrowserButton()->isVisible());
}

TEST_F(HelpWindowTest, ALinkOfTheContentsMovesToItsSectionAndF1BringsTheStartBack) {
    PressF1();
    HelpWindow* help = window->Help().Window();
    ASSERT_NE(help, nullptr);
    help->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    QTextBrowser* browser = help->Browser();
    const QTextCursor link = browser->document()->find(QString::fromUtf8("キー操作"));
    ASSERT_FALSE(link.isNull());
    ASSERT_TRUE(link.charFormat().isAnchor());
    const QPoint at = browser->cursorRect(link).center() - QPoint(4, 0);
    QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, at);
    EXPECT_GT(browser->verticalScrollBar()->value(), 0);
    QTest::keyClick(browser, Qt::Key_F1);
    EXPECT_EQ(browser->verticalScrollBar()->value(), 0);
}

// Each message the manual lists is the one the program shows for the hole,
// word for word, and the controls it names carry those very texts.
TEST(HelpDocumentTest, TheManualQuotesTheProgramsMessagesAndControlTexts) {
    QFile file(QString::fromStdU16String((kHelpFolder / "Tolvo.html").u16string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html =
        QString::fromUtf8(file.readAll()).replace(QStringLiteral("<br>"), QStringLiteral("\n"));
    for (SettingMessage message :
         {SettingMessage::FitSizeOver120, SettingMessage::KGrade, SettingMessage::NGrade,
          SettingMessage::FineClass, SettingMessage::VeryCoarseClass, SettingMessage::GeneralSizeOver4000,
          SettingMessage::GeneralSizeUnder05, SettingMessage::NonPositiveLimit}) {
        const QString shown = U(SettingMessageText(FeatureKind::Hole, message));
        EXPECT_TRUE(html.contains(QStringLiteral("<code>") + shown + QStringLiteral("</code>")))
            << shown.toStdString();
    }
    // Every quoted name that is not a control text is one of these few words.
    QStringList controlTexts;
    for (const DialogTemplate* dialog :
         {&kMainDialog, &kCopyDialog, &kFinderDialog, &kServiceDialog, &kPressFitDialog}) {
        controlTexts << U(dialog->caption);
        for (const ControlTemplate& t : dialog->controls) controlTexts << U(t.text).remove(QLatin1Char('&'));
    }
    for (std::string_view item :
         {ja::kAboutMenuItemText, ja::kFullRangeMenuItemText, ja::kZoneDiagramMenuItemText,
          ja::kFinderMenuItemText, ja::kPasteCalloutMenuItemText, ja::kCopyCalloutMenuItemText,
          ja::kCalloutStyleMenuText, ja::kDiameterSignMenuText, ja::kIncludeCalloutText, ja::kPrintMenuItemText,
          ja::kSavePdfMenuItemText})
        controlTexts << U(item).remove(QLatin1Char('&'));
    const QStringList otherWords = {QString::fromUtf8("穴"),       QString::fromUtf8("軸"),
                                    QString::fromUtf8("φ"),        QStringLiteral("-"),
                                    QStringLiteral("."),           QString::fromUtf8("．"),
                                    QString::fromUtf8("２５．５"), QStringLiteral("25,5")};
    int quoted = 0;
    for (qsizetype from = 0; (from = html.indexOf(QChar(u'「'), from)) >= 0; ++from) {
        const qsizetype end = html.indexOf(QChar(u'」'), from);
        ASSERT_GT(end, from);
        const QString name = html.mid(from + 1, end - from - 1);
        EXPECT_TRUE(controlTexts.contains(name) || otherWords.contains(name)) << name.toStdString();
        ++quoted;
    }
    EXPECT_GE(quoted, 10);
}

// Every command of the context menu is in the manual with its shortcut, and
// the manual knows that full-width digits are read.
TEST(HelpDocumentTest, TheManualNamesEveryMenuCommandWithItsShortcut) {
    QFile file(QString::fromStdU16String((kHelpFolder / "Tolvo.html").u16string()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const std::array<std::pair<std::string_view, std::string_view>, 8> commands = {{
        {ja::kFullRangeMenuItemText, kFullRangeShortcut},
        {ja::kZoneDiagramMenuItemText, kZoneDiagramShortcut},
        {ja::kFinderMenuItemText, kFinderShortcut},
        {ja::kPasteCalloutMenuItemText, kPasteCalloutShortcut},
        {ja::kCopyCalloutMenuItemText, kCopyCalloutShortcut},
        {ja::kServiceTitle, kServiceShortcut},
        {ja::kPressFitTitle, kPressFitShortcut},
        {ja::kPrintMenuItemText, kPrintShortcut},
    }};
    for (const auto& [item, shortcut] : commands) {
        EXPECT_TRUE(html.contains(QString::fromUtf8("「") + U(item) + QString::fromUtf8("」"))) << item;
        // "Ctrl+R" as the manual writes keys
        const QStringList keys = U(shortcut).split(QLatin1Char('+'));
        const QString written =
            QStringLiteral("<kbd>") + keys.join(QStringLiteral("</kbd>+<kbd>")) + QStringLiteral("</kbd>");
        EXPECT_TRUE(html.contains(written)) << shortcut;
    }
    EXPECT_TRUE(html.contains(QString::fromUtf8("全角")));
}

}  // namespace
}  // namespace tolvo
