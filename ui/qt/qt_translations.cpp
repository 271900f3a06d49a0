#include "ui/qt/qt_translations.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <mutex>

namespace tolvo {
namespace {

constexpr QLatin1StringView kCatalogue("qtbase_ja");

// Qt's catalogue, read when Qt first asks for one of its texts (a context menu,
// a message box's buttons) rather than at start-up, which shows none of them:
// its pages then stay out of the memory of a window that has just appeared.
// Installing it Qt asks only for the writing direction, which for Japanese is
// left to right, as the catalogue says.
class CatalogueReadOnDemand : public QTranslator {
  public:
    CatalogueReadOnDemand(const QString& folder, QObject* parent) : QTranslator(parent), folder_(folder) {}

    bool isEmpty() const override { return false; }  // the file is there: InstallQtTranslations looked

    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int n) const override {
        if (qstrcmp(context, "QGuiApplication") == 0 && qstrcmp(sourceText, "QT_LAYOUT_DIRECTION") == 0)
            return QStringLiteral("LTR");
        std::call_once(read_, [this] { (void)catalogue_.load(kCatalogue, folder_); });
        return catalogue_.translate(context, sourceText, disambiguation, n);
    }

  private:
    const QString folder_;
    mutable std::once_flag read_;
    mutable QTranslator catalogue_;
};

}  // namespace

QTranslator* InstallQtTranslations([[maybe_unused]] const std::filesystem::path& executableFolder) {
    QStringList folders;
#if defined(_WIN32)
    if (!executableFolder.empty()) {
        const QString beside = QString::fromStdU16String(executableFolder.u16string());
        folders << beside + QStringLiteral("/translations") << beside;
    }
#endif
    folders << QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& folder : folders) {
        if (!QFileInfo::exists(folder + QLatin1Char('/') + kCatalogue + QLatin1StringView(".qm"))) continue;
        auto* translator = new CatalogueReadOnDemand(folder, QCoreApplication::instance());
        if (QCoreApplication::installTranslator(translator)) return translator;
        delete translator;
    }
    return nullptr;
}

}  // namespace tolvo
