// The window's remembered choices (QSettings: organization and application
// "Tolvo"), read once and strictly: only "true" and "false" count, anything
// else is the default; a position counts only as a point. A settings file larger than Tolvo ever writes is
// not Tolvo's own: it is neither read nor rewritten (reading a huge one would freeze every option switch). A
// choice is written only when it changes.
#pragma once

#include <QHash>
#include <QPoint>
#include <QString>
#include <optional>

class QWidget;

namespace tolvo {

class OptionSettings {
  public:
    // Tolvo's own file holds a few short lines.
    static constexpr qint64 kLargestFile = 1024 * 1024;

    OptionSettings(const QString& organization, const QString& application);

    bool Flag(const QString& key, bool fallback = false) const;
    void SetFlag(const QString& key, bool on);
    // A remembered word (a callout style, "limits"): only a text counts; the
    // caller takes it only where it is one of its own words.
    std::optional<QString> Word(const QString& key) const;
    void SetWord(const QString& key, const QString& word);
    // A window's remembered top left corner: only a point as SetPosition writes it counts.
    std::optional<QPoint> Position(const QString& key) const;
    void SetPosition(const QString& key, QPoint position);
    // False when the file was not Tolvo's own size: nothing was read, nothing is written.
    bool Usable() const { return usable_; }

  private:
    QString organization_;
    QString application_;
    bool usable_ = true;
    QHash<QString, bool> flags_;  // as read or last written
    QHash<QString, QPoint> positions_;
    QHash<QString, QString> words_;
};

// Moves a window of its own to its remembered corner when that lies on a
// screen, else beside the calculator (window_placement.h); sized first.
void PlaceBesideCalculator(QWidget& window, const QWidget& calculator, std::optional<QPoint> remembered);

}  // namespace tolvo
