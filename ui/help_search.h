// Where Tolvo looks for its help document.
#pragma once

#include <filesystem>

#include "ui/main_model.h"

namespace tolvo {

// The folder of the running executable; argv0 is the fallback where the
// platform cannot tell.
std::filesystem::path ExecutableFolder(const char* argv0);

// The executable's folder, then the installed data folder (share/tolvo beside
// the executable's bin folder), then the working directory; and the program
// file's name as the user sees it.
HelpSearch DefaultHelpSearch(const std::filesystem::path& executableFolder);

}  // namespace tolvo
