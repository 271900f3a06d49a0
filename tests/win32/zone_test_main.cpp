// The tests' windows go to a desktop of their own. Under Wine a desktop's
// windows are drawn through the display of the program that made it, and the
// test run's other programs share one Wine server whose first desktop was
// made without a display; this one is made on the virtual X display the test
// runs on. On Windows it is an unseen desktop, out of the user's way.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    HDESK desktop = CreateDesktopW(L"TolvoZoneTests", nullptr, nullptr, 0, GENERIC_ALL, nullptr);
    if (desktop == nullptr || !SetThreadDesktop(desktop)) {
        std::fprintf(stderr, "no desktop for the tests' windows (error %lu)\n", GetLastError());
        return 1;
    }
    return RUN_ALL_TESTS();
}
