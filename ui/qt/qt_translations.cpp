#include "ui/qt/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>

namespace tolvo {

QTranslator* InstallQtTranslations([[maybe_unused]] const std::filesystem::path& executableFolder) {
    QStringList folders;
#if defined(_WIN32)
    if (!executableFolder.empty()) {
        const QString beside = QString::fromStdU16String(executableFolder.u16string());
        folders << beside + QStringLiteral("/translations") << beside;
    }
#endif
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    auto* translator = new QTranslator(QCoreApplication::instance());
    for (const QString& folder : folders) {
        if (translator->load(QStringLiteral("qtbase_ja"), folder) &&
            QCoreApplication::installTranslator(translator))
            return translator;
    }
    delete translator;
    return nullptr;
}

}  // namespace tolvo
