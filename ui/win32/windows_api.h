// The one header through which the Win32 view sees the Windows API. The dialog
// templates name their controls with constants inside namespaces
// (main_dialog::kHoleBasicSize, not IDC_SIZE), so none of them can meet a macro
// of <windows.h>; what would still clash is settled here, once.
#pragma once

#ifndef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00  // per-monitor DPI awareness v2, GetDpiForWindow
#endif
#ifndef NOMINMAX
#define NOMINMAX  // std::min and std::max stay functions
#endif
#include <windows.h>
// After <windows.h>:
#include <commctrl.h>
#include <shellapi.h>

// The dialog button IDs the models use are the template's own (1 "終了" in
// the main window, 1 and 2 in the copy dialog); these are Windows' names for
// the same numbers, checked so that the two never drift apart.
static_assert(IDOK == 1 && IDCANCEL == 2);
