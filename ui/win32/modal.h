// Running a dialog modally over its owner: the owner disabled, the thread's
// messages run until the dialog has ended, the owner enabled again before the
// dialog goes, so that it gets the activation back.
#pragma once

#include <functional>

#include "ui/win32/windows_api.h"

namespace tolvo::win32 {

void RunModal(HWND dialog, HWND owner, const std::function<bool()>& ended);
// Moves a dialog to the middle of its owner (when it has one).
void CentreOver(HWND dialog, HWND owner);

// The program's icon at a size, from its resources; the system's application
// icon where the program carries none (the tests).
HICON ProgramIcon(int size);

}  // namespace tolvo::win32
