#include "ui/control_states.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "core/utf8.h"

namespace tolvo {

std::string_view CutToEditLimit(std::string_view text) {
    // A character takes at least as many bytes in UTF-8 as code units in UTF-16.
    if (text.size() <= kEditTextLimit) return text;
    std::size_t units = 0;
    std::size_t end = 0;
    while (end < text.size() && units < kEditTextLimit) {
        if (static_cast<unsigned char>(text[end]) < 0x80) [[likely]] {
            ++units;
            ++end;
            continue;
        }
        const utf8::Sequence s = utf8::Decode(text, end);
        // A byte that is not UTF-8 is shown as one replacement character.
        const std::size_t needed = s.wellFormed && s.code > 0xFFFF ? 2 : 1;
        if (units + needed > kEditTextLimit) break;
        units += needed;
        end += s.length;
    }
    return text.substr(0, end);
}

std::optional<std::string_view> TakenEditText(std::string_view held, std::string_view typed) {
    const std::string_view taken = CutToEditLimit(typed);
    if (taken.size() < typed.size() && taken == held) return std::nullopt;
    return taken;
}

ControlStates::ControlStates(const DialogTemplate& dialog) {
    for (const ControlTemplate& t : dialog.controls) {
        if (t.id == kNoId) continue;
        ControlState state;
        state.id = t.id;
        state.kind = t.kind;
        state.text = std::string(t.text);
        controls_.push_back(std::move(state));
    }
    std::sort(controls_.begin(), controls_.end(),
              [](const ControlState& a, const ControlState& b) { return a.id < b.id; });
}

const ControlState* ControlStates::Find(int id) const {
    const auto it = std::lower_bound(controls_.begin(), controls_.end(), id,
                                     [](const ControlState& c, int value) { return c.id < value; });
    return it != controls_.end() && it->id == id ? &*it : nullptr;
}

const ControlState& ControlStates::At(int id) const {
    const ControlState* state = Find(id);
    if (state == nullptr) throw std::out_of_range("no control " + std::to_string(id));
    return *state;
}

ControlState& ControlStates::At(int id) {
    return const_cast<ControlState&>(std::as_const(*this).At(id));
}

bool TakeTypedText(ControlStates& controls, int id, std::string_view typed) {
    const ControlState* control = controls.Find(id);
    if (control == nullptr || !control->enabled || !IsWritableEdit(control->kind)) return false;
    const auto taken = TakenEditText(control->text, typed);
    if (!taken) return false;
    controls.At(id).text = std::string(*taken);
    return true;
}

}  // namespace tolvo
