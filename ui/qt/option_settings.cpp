#include "ui/qt/option_settings.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QSettings>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/window_placement.h"

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

ScreenRect ToScreenRect(const QRect& r) {
    return {r.x(), r.y(), r.width(), r.height()};
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
        const QVariant value = settings.value(key);
        if (value.typeId() == QMetaType::QPoint) positions_.insert(key, value.toPoint());
        if (const auto flag = StrictFlag(value)) flags_.insert(key, *flag);
        if (value.typeId() == QMetaType::QString) words_.insert(key, value.toString());
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

void PlaceBesideCalculator(QWidget& window, const QWidget& calculator, std::optional<QPoint> remembered) {
    const QSize size = window.frameGeometry().size();
    std::vector<ScreenRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(ToScreenRect(screen->availableGeometry()));
    std::optional<ScreenPoint> corner;
    if (remembered) corner = ScreenPoint{remembered->x(), remembered->y()};
    corner = RememberedOnScreen(corner, size.width(), size.height(), screens);
    if (!corner) {
        const QScreen* screen = calculator.screen();
        if (screen == nullptr) return;
        corner = PlaceBeside(ToScreenRect(calculator.frameGeometry()), size.width(), size.height(),
                             ToScreenRect(screen->availableGeometry()));
    }
    window.move(corner->x, corner->y);
}

std::optional<QString> OptionSettings::Word(const QString& key) const {
    if (const auto known = words_.constFind(key); known != words_.cend()) return *known;
    return std::nullopt;
}

void OptionSettings::SetWord(const QString& key, const QString& word) {
    if (!usable_) return;
    if (const auto known = words_.constFind(key); known != words_.cend() && *known == word) return;
    words_.insert(key, word);
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, organization_, application_);
    settings.setValue(key, word);
}

std::optional<QPoint> OptionSettings::Position(const QString& key) const {
    if (const auto known = positions_.constFind(key); known != positions_.cend()) return *known;
    return std::nullopt;
}

void OptionSettings::SetPosition(const QString& key, QPoint position) {
    if (!usable_) return;
    if (const auto known = positions_.constFind(key); known != positions_.cend() && *known == position)
        return;
    positions_.insert(key, position);
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, organization_, application_);
    settings.setValue(key, position);
}

}  // namespace tolvo
