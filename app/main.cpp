// Tolvo: starts the calculator window as the program's only window and ends
// when it closes. Command-line arguments are not used.
#include <QApplication>

#include "app/startup_warmup.h"
#include "core/version.h"
#include "platform/help_folders.h"
#include "ui/qt/main_window.h"
#include "ui/qt/qt_translations.h"

int main(int argc, char** argv) {
    tolvo::StartupWarmUp warmUp;
    QApplication app(argc, argv);
    warmUp.ApplicationReady();
    QApplication::setApplicationName(QStringLiteral("Tolvo"));
    QApplication::setApplicationVersion(QStringLiteral(TOLVO_VERSION));
    QApplication::setDesktopFileName(QStringLiteral("tolvo"));

    const std::filesystem::path programFolder = tolvo::ExecutableFolder(argc > 0 ? argv[0] : nullptr);
    tolvo::InstallQtTranslations(programFolder);
    const tolvo::FolderHelpSearch help = tolvo::DefaultHelpSearch(programFolder);
    tolvo::MainWindow window(help);
    QApplication::setWindowIcon(tolvo::ProgramIcon());
    window.exec();
    return 0;
}
