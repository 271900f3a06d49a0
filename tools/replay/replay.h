// tolvo-replay: drives the main window and copy dialog models from a script
// of user events, exactly as a user drives the window, and prints the state
// of every control as JSON on request. The contract of automated acceptance
// tests; see README.md for the script language.
#pragma once

#include <filesystem>
#include <iosfwd>

#include "ui/help_search.h"

namespace tolvo {

// Runs a whole script. Returns 0 when every event could be done, 2 after the
// first event a user could not do (the error, with its line number, goes to
// errors).
int RunReplay(std::istream& script, std::ostream& out, std::ostream& errors, const HelpSearch& help);

// Runs the script in a file; a file that cannot be read is an error (status 2).
int RunReplayFile(const std::filesystem::path& script, std::ostream& out, std::ostream& errors,
                  const HelpSearch& help);

// The same over another performer of the events (the real Win32 window's);
// status 3 after an event that performer cannot do.
class Performer;
int RunReplay(std::istream& script, std::ostream& out, std::ostream& errors, Performer& performer);
int RunReplayFile(const std::filesystem::path& script, std::ostream& out, std::ostream& errors,
                  Performer& performer);

}  // namespace tolvo
