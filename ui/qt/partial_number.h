// How an input edit shows that its number was read from only the leading part
// of its text ("25,5" computes 25): a tinted background and a tooltip naming
// the number used. Results do not change; the text stays as typed.
#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <string>

class QLineEdit;

namespace tolvo {

// The background of such an edit: a light amber, readable in any face.
inline const QColor kPartialNumberTint(255, 236, 179);

// readAs: the part the number was read from, or none when the whole text is
// the number; normalTooltip is shown then.
void ShowPartialNumber(QLineEdit& edit, const std::optional<std::string>& readAs,
                       const QString& normalTooltip);

}  // namespace tolvo
