#include "ui/qt/option_settings.h"

#include <QFileInfo>
#include <QSettings>
#include <optional>

namespace tolvo {
namespace {

// The application's file without opening it: QSettings reads a file when it
// is constructed, so its place is taken from the organization-wide file (which
// Tolvo never writes) in the same folder, wherever the settings are kept.
QString ApplicationFile(const QString& organization, const QString& application) {
    const QSettings organizationWide(QSettings::defaultFormat(), QSettings::UserScope, organization);
    const QFileInfo shared(organizationWide.fileName());
    if (!shared.isAbsolute()) return {};  // the Windows registry: no file
    return shared.path() + QLatin1Char('/') + organization + QLatin1Char('/') + application +
           QLatin1Char('.') + shared.suffix();
}

std::optional<bool> StrictFlag(const QVariant& value) {
    if (value.typeId() == QMetaType::Bool) return value.toBool();
    const QString text = value.toString();
    if (text == QLatin1String("true")) return true;
    if (text == QLatin1String("false")) return false;
    return std::nullopt;
}

}  // namespace

OptionSettings::OptionSettings(const QString& organization, const QString& application)
    : organization_(organization), application_(application) {
    const QString file = ApplicationFile(organization, application);
    if (!file.isEmpty() && QFileInfo(file).size() > kLargestFile) {
        usable_ = false;
        return;
    }
    const QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, organization, application);
    for (const QString& key : settings.childKeys()) {
        if (const auto flag = StrictFlag(settings.value(key))) flags_.insert(key, *flag);
    }
}

bool OptionSettings::Flag(const QString& key, bool fallback) const {
    return flags_.value(key, fallback);
}

void OptionSettings::SetFlag(const QString& key, bool on) {
    if (!usable_) return;
    if (const auto known = flags_.constFind(key); known != flags_.cend() && *known == on) return;
    flags_.insert(key, on);
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, organization_, application_);
    settings.setValue(key, on);
}

}  // namespace tolvo
