// The calculation sheet from the window: "PDF に保存…" writes a PDF whose
// text layer holds every result the window shows and the pair's callout, in embedded fonts; a
// folder is refused; and printing lives in a library of its own that start-up
// never loads.
#include "ui/qt/sheet_output.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QSlider>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "core/texts_ja.h"
#include "platform/help_folders.h"
#include "tests/qt/window_test_support.h"

namespace tolvo {
namespace {

using namespace main_dialog;

// The text a program prints for a file, blanks and line ends taken out, so
// that a line compares whatever spacing the text layer keeps.
QString Output(const char* program, const QStringList& arguments) {
    QProcess process;
    process.start(QString::fromUtf8(program), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program;
    EXPECT_EQ(process.exitCode(), 0) << program;
    return QString::fromUtf8(process.readAllStandardOutput());
}
// Qt names a Japanese glyph by one of the characters that share it: a
// Kangxi radical for "穴", "〜" for "～". Compared in compatibility form.
QString WithoutBlanks(QString text) {
    text = text.normalized(QString::NormalizationForm_KC);
    text.replace(QChar(0x301C), QLatin1Char('~'));
    return text.remove(QRegularExpression(QStringLiteral("\\s")));
}

class SheetOutputTest : public ::testing::Test {
  protected:
    void SetUp() override { window = ShowMainWindow(noHelp); }
    void Slide(int id, int position) { qobject_cast<QSlider*>(window->Control(id))->setValue(position); }
    // 25 mm H7/g6, as a user sets it.
    void SetFit() {
        Slide(kHoleLetterSlider, 4);
        Slide(kHoleGradeSlider, 2);
        Slide(kShaftLetterSlider, 3);
        Slide(kShaftGradeSlider, 1);
        auto* size = qobject_cast<QLineEdit*>(window->Control(kHoleBasicSize));
        size->setFocus();
        size->clear();
        QTest::keyClicks(size, QStringLiteral("25"));
    }
    QString SavedTo(const QString& path) {
        window->askSavePdfFile = [path](QWidget*, const QString&, const QString&) { return path; };
        return path;
    }

    const FolderHelpSearch noHelp{{}, "tolvo"};
    std::unique_ptr<MainWindow> window;
    QTemporaryDir dir;
};

TEST_F(SheetOutputTest, SavesAPdfWhoseTextHoldsEveryResultInEmbeddedFonts) {
    SetFit();
    ASSERT_EQ(window->Model().Controls().At(kFitKindLabel).text, ja::kClearanceFit);
    const QString path = SavedTo(dir.filePath(QStringLiteral("25_H7-g6.pdf")));
    ASSERT_TRUE(window->SaveSheetAsPdf());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-1."));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));

    const QString text = WithoutBlanks(Output(TOLVO_PDFTOTEXT, {path, QStringLiteral("-")}));
    const ReportLines lines = window->Model().CurrentReportLines();
    QStringList expected = {U(ja::kSheetTitle),   U(ja::kMessageCaption), QStringLiteral("H7"),
                            QStringLiteral("g6"), U(lines.fitKind),       U(lines.meanFit)};
    for (const FeatureReportLines* f : {&lines.hole, &lines.shaft})
        expected << U(f->basicSize) << U(f->deviation) << U(f->tolerance) << U(f->limits) << U(f->mean);
    for (const QString& line : U(lines.fitAmounts).split(QStringLiteral("\r\n"))) expected << line;
    for (const QString& line : expected)
        EXPECT_TRUE(text.contains(WithoutBlanks(line))) << line.toStdString();

    // pdffonts: a table of the fonts, "emb" the fifth column from the right.
    const QStringList fonts =
        Output(TOLVO_PDFFONTS, {path}).split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(2);
    ASSERT_FALSE(fonts.isEmpty());
    for (const QString& row : fonts) {
        const QStringList columns = row.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        ASSERT_GE(columns.size(), 5);
        EXPECT_EQ(columns[columns.size() - 5], QStringLiteral("yes")) << row.toStdString();
    }
}

TEST_F(SheetOutputTest, RefusesAFolderAndWritesNothing) {
    SetFit();
    SavedTo(dir.path());
    ModalAnswerer answer(AcceptMessageBox);
    EXPECT_FALSE(window->SaveSheetAsPdf());
    EXPECT_EQ(answer.count, 1);  // the message said so
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

#if defined(__linux__)
bool PrintSupportIsMapped() {
    std::ifstream maps("/proc/self/maps");
    for (std::string line; std::getline(maps, line);) {
        if (line.find("libQt6PrintSupport") != std::string::npos) return true;
    }
    return false;
}

// Qt's print support (and the libraries it brings) is loaded on the first
// print, not at start-up; the print library then draws the page.
TEST_F(SheetOutputTest, PrintSupportIsLoadedOnlyForTheFirstPrint) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a new process: nothing an earlier test loaded
    EXPECT_EXIT(
        {
            SetFit();
            const bool before = PrintSupportIsMapped();
            const QString path = dir.filePath(QStringLiteral("printed.pdf"));
            const PrintOutcome printed = PrintSheet(window.get(), window->Sheet(), U(ja::kSheetTitle), path);
            const bool drawn = WithoutBlanks(Output(TOLVO_PDFTOTEXT, {path, QStringLiteral("-")}))
                                   .contains(WithoutBlanks(U(ja::kSheetTitle)));
            std::_Exit(!before && printed == PrintOutcome::Printed && PrintSupportIsMapped() && drawn ? 0
                                                                                                      : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
#endif

TEST_F(SheetOutputTest, TheContextMenuOffersPrintWithCtrlPAndPdf) {
    EXPECT_EQ(window->PrintAction()->text(), U(ja::kPrintMenuItemText));
    EXPECT_EQ(window->PrintAction()->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    EXPECT_TRUE(
        window->actions().contains(window->PrintAction()));  // the shortcut works with the menu closed
    EXPECT_EQ(window->SavePdfAction()->text(), U(ja::kSavePdfMenuItemText));
}

}  // namespace
}  // namespace tolvo
