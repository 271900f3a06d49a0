// Keystrokes as the platform delivers them to a window model: each goes to
// the edit that has the focus at that moment (a handler may move it), and one
// with nowhere to go is lost. Shared by tolvo-replay, the tests and the fuzzer.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/control_states.h"

namespace tolvo {

// Splits UTF-8 into code points; a byte that starts no valid sequence is a unit of its own.
std::vector<std::string> CodePoints(std::string_view text);

// Whether keystrokes reach the control that has the focus now.
template <typename Model>
bool FocusTakesKeys(const Model& model) {
    const ControlState* c = model.Controls().Find(model.Focus());
    return c != nullptr && c->enabled && IsWritableEdit(c->kind);
}

// One keystroke per code point of the text, appended at the end.
template <typename Model>
void TypeKeys(Model& model, std::string_view text) {
    for (const std::string& point : CodePoints(text)) {
        if (!FocusTakesKeys(model)) continue;
        const int target = model.Focus();
        model.OnEditChanged(target, model.Controls().At(target).text + point);
    }
}

// Backspaces; one on an empty edit changes nothing.
template <typename Model>
void Backspaces(Model& model, long long count) {
    for (long long n = 0; n < count; ++n) {
        if (!FocusTakesKeys(model)) continue;
        const int target = model.Focus();
        const std::string& text = model.Controls().At(target).text;
        if (text.empty()) continue;
        const std::vector<std::string> points = CodePoints(text);
        model.OnEditChanged(target, text.substr(0, text.size() - points.back().size()));
    }
}

}  // namespace tolvo
