// Keystrokes as the platform delivers them to a window model: each goes to
// the edit that has the focus at that moment (a handler may move it), and one
// with nowhere to go is lost. Shared by tolvo-replay, the tests and the fuzzer.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/control_states.h"

namespace tolvo {

// A keystroke is one UTF-8 sequence as its lead byte announces it, or a single
// byte that starts no such sequence (a stray byte is typed and erased alone).
// The length of the keystroke that starts at text[i].
std::size_t KeystrokeAt(std::string_view text, std::size_t i);
// The length of the last keystroke of a non-empty text, found from its end.
std::size_t LastKeystroke(std::string_view text);

// Whether keystrokes reach the control that has the focus now.
template <typename Model>
bool FocusTakesKeys(const Model& model) {
    const ControlState* c = model.Controls().Find(model.Focus());
    return c != nullptr && c->enabled && IsWritableEdit(c->kind);
}

// A keystroke that changes nothing (the focus on no writable edit, a
// backspace on an empty edit, a character beyond the edit's limit) leaves the
// window as it was, so every keystroke after it is lost too: both loops end
// there, and N keystrokes cost O(N).

// One keystroke per character of the text, appended at the end.
template <typename Model>
void TypeKeys(Model& model, std::string_view text) {
    std::string edited;  // reused, so that a long run of keys does not allocate per key
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = KeystrokeAt(text, i);
        if (!FocusTakesKeys(model)) break;
        const int target = model.Focus();
        edited.assign(model.Controls().At(target).text);
        edited.append(text.substr(i, length));
        if (CutToEditLimit(edited).size() < edited.size()) break;
        model.OnEditChanged(target, edited);
        i += length;
    }
}

// Backspaces; one on an empty edit changes nothing.
template <typename Model>
void Backspaces(Model& model, long long count) {
    std::string edited;
    for (long long n = 0; n < count; ++n) {
        if (!FocusTakesKeys(model)) break;
        const int target = model.Focus();
        const std::string& text = model.Controls().At(target).text;
        if (text.empty()) break;
        edited.assign(text, 0, text.size() - LastKeystroke(text));
        model.OnEditChanged(target, edited);
    }
}

}  // namespace tolvo
