// The three dialog templates of Tolvo as data: every control with its ID,
// kind, text, rectangle in dialog units and style. The models take from them
// which controls exist and how they start; the Qt views where each widget goes.
#pragma once

#include <span>
#include <string_view>

namespace tolvo {

inline constexpr int kNoId = -1;  // captions and frames that nothing addresses

enum class ControlKind {
    GroupBox,
    InputEdit,    // edit with border and tab stop
    OutputEdit,   // read-only edit without border or tab stop; results go here
    PreviewEdit,  // multi-line read-only edit with border (copy dialog)
    Radio,        // automatic radio button
    CheckBox,     // automatic check box
    Static,
    Slider,
    ScrollBar,  // vertical, two arrows
    PushButton,
    DefaultPushButton,
    Icon,
};

enum ControlStyle : unsigned {
    kCentred = 1u << 0,
    kSunken = 1u << 1,
    kRightAligned = 1u << 2,
    kNoPrefix = 1u << 3,  // '&' is shown, not a mnemonic
    kThumbUp = 1u << 4,   // slider thumb pointing up
    kStartsGroup = 1u << 5,
    kTwoLines = 1u << 6,
    kAutoScroll = 1u << 7,  // edit scrolls horizontally as the user types
};

// x, y, width, height in dialog units.
struct DialogRect {
    int x;
    int y;
    int width;
    int height;
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    std::string_view text;
    DialogRect rect;
    unsigned style;
};

struct DialogTemplate {
    int id;
    std::string_view caption;
    int width;  // dialog units
    int height;
    std::span<const ControlTemplate> controls;  // template order, which is the tab order
};

extern const DialogTemplate kMainDialog;   // 102, the calculator
extern const DialogTemplate kCopyDialog;   // 130, "クリップボードへコピーする"
extern const DialogTemplate kAboutDialog;  // 100

// All three dialogs use this face at 9 points.
extern const std::string_view kDialogFontFace;
inline constexpr int kDialogFontPoints = 9;
// The About item of the main window's system menu.
extern const std::string_view kAboutMenuItemText;

// Null when the dialog has no control of that ID.
const ControlTemplate* FindControl(const DialogTemplate& dialog, int id);

// Whether the Tab key stops at controls of this kind.
constexpr bool IsTabStop(ControlKind kind) {
    switch (kind) {
        case ControlKind::InputEdit:
        case ControlKind::Radio:
        case ControlKind::CheckBox:
        case ControlKind::Slider:
        case ControlKind::ScrollBar:
        case ControlKind::PushButton:
        case ControlKind::DefaultPushButton:
            return true;
        default:
            return false;
    }
}

}  // namespace tolvo
