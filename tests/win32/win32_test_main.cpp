// The Win32 view's tests: GoogleTest's main after the common controls are registered.
#include <gtest/gtest.h>

#include "ui/win32/windows_api.h"

int main(int argc, char** argv) {
    INITCOMMONCONTROLSEX controls{sizeof(controls),
                                  ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
