// The program's icon: the window icon of every window it shows.
#pragma once

#include <QIcon>

namespace tolvo {

// The icon in the sizes it is drawn in (16, 32 and 48 pixels).
QIcon ProgramIcon();

// Gives the application its icon as soon as its event loop runs, that is after
// the first window has been shown: reading the first image makes Qt scan its
// image-format plugins, milliseconds the window need not wait for, and the
// desktop takes a window's icon at any time.
void SetProgramIconOnceRunning();

}  // namespace tolvo
