// The tooltips of the main window's controls, as data: what each input
// control takes (units, range) and what the fit-kind label shows. The Qt view
// applies them; while an input edit computes with only the leading part of
// its text, it shows PartialNumberTooltip instead.
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tolvo {

struct ControlTooltip {
    int id;
    std::string_view text;  // UTF-8, lines separated by '\n'
};

// Every input control of the main window, the general-class labels and the
// fit-kind label; each ID once.
extern const std::span<const ControlTooltip> kMainDialogTooltips;

// The tooltip of an input edit whose number was read from only the leading
// part of its text: readAs is that part ("25" for "25,5").
std::string PartialNumberTooltip(std::string_view readAs);

}  // namespace tolvo
