#include "ui/control_states.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace tolvo {

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

}  // namespace tolvo
