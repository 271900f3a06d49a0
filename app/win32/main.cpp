// Tolvo.exe: the calculator window as the program's only window, ending when
// it closes. Command-line arguments are not used.
#include "platform/help_folders.h"
#include "ui/win32/main_window.h"
#include "ui/win32/settings.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int showCommand) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    const std::filesystem::path folder = tolvo::ExecutableFolder(nullptr);
    const tolvo::FolderHelpSearch help = tolvo::DefaultHelpSearch(folder);
    tolvo::win32::MainWindow window(help, tolvo::win32::DefaultSettingsStore(folder));
    window.Show(showCommand);
    window.Run();
    return 0;
}
