// Qt's own texts in Japanese, as the rest of the window: the edits' context
// menu (元に戻す, 切り取り, コピー, 貼り付け, ...) and the buttons of message boxes.
#pragma once

#include <filesystem>

class QTranslator;

namespace tolvo {

// Installs Qt's Japanese catalogue (qtbase_ja.qm) into the application,
// whatever the system's language. It is looked for beside the executable (and
// in its translations folder) on Windows, where Qt is deployed with the
// program, then in the Qt installation. Returns the installed translator, owned
// by the application, or null when no catalogue was found.
QTranslator* InstallQtTranslations(const std::filesystem::path& executableFolder);

}  // namespace tolvo
