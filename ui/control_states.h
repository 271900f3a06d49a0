// The state of every control of a dialog that has an ID: what a window model
// holds and what a view mirrors.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/dialog_templates.h"

namespace tolvo {

struct ControlState {
    int id = kNoId;
    ControlKind kind = ControlKind::Static;
    std::string text;      // edits and statics
    bool checked = false;  // radio buttons and check boxes
    int position = 0;      // sliders
    int minimum = 0;
    int maximum = 0;
    bool enabled = true;
    // Input edits read as a number: the text is not wholly the number read
    // from it ("25,5" computes 25), so the view marks the edit. readAs is what
    // is computed: the number as typed ("25", "２５" for "２５ｘ"), or "0" when
    // the text holds no number ("abc"); empty while not partial.
    bool partial = false;
    std::string readAs;
    std::string tooltip;  // UTF-8, lines separated by '\n'; empty: none
};

// Edits the user can type into (when enabled).
constexpr bool IsWritableEdit(ControlKind kind) {
    return kind == ControlKind::InputEdit;
}
constexpr bool IsEdit(ControlKind kind) {
    return kind == ControlKind::InputEdit || kind == ControlKind::OutputEdit ||
           kind == ControlKind::PreviewEdit;
}
// An edit holds at most this many characters (UTF-16 code units), as a Windows
// edit control and Qt's QLineEdit do by default: a keystroke beyond it is
// lost, a longer text put into it is cut.
inline constexpr std::size_t kEditTextLimit = 32767;
// The longest start of the text that an edit holds, cut between characters.
std::string_view CutToEditLimit(std::string_view text);
// The text an edit holding `held` takes when the user changes it to `typed`:
// typed cut to the limit; none when the cut leaves the edit as it was (the
// keystroke is lost and no handler runs).
std::optional<std::string_view> TakenEditText(std::string_view held, std::string_view typed);

class ControlStates;
// A change the user typed into edit `id`: taken (cut to the limit) when the
// control is an enabled writable edit and the text changes; false otherwise.
bool TakeTypedText(ControlStates& controls, int id, std::string_view typed);

// Controls a click or the Tab key can give the focus to.
constexpr bool CanTakeFocus(ControlKind kind) {
    return kind != ControlKind::Static && kind != ControlKind::GroupBox && kind != ControlKind::Icon;
}

class ControlStates {
  public:
    // Every control of the template that has an ID, with the template's text.
    explicit ControlStates(const DialogTemplate& dialog);

    bool Contains(int id) const { return Find(id) != nullptr; }
    // The control must exist.
    ControlState& At(int id);
    const ControlState& At(int id) const;
    const ControlState* Find(int id) const;

    // Ascending by ID.
    const std::vector<ControlState>& All() const { return controls_; }

  private:
    std::vector<ControlState> controls_;
};

}  // namespace tolvo
