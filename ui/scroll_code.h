// The notification codes of a class scroll bar, as the models take them.
#pragma once

#include <cstddef>

namespace tolvo {

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, EndScroll };

// Where a scroll bar that steps through `count` entries (a list of materials)
// moves from `index`: up the previous, down the next, a page to either end;
// it stays at the ends and on the end code.
constexpr std::size_t SteppedIndex(std::size_t index, std::size_t count, ScrollCode code) {
    const std::size_t last = count > 0 ? count - 1 : 0;
    switch (code) {
        case ScrollCode::LineUp:
            return index > 0 ? index - 1 : 0;
        case ScrollCode::LineDown:
            return index < last ? index + 1 : last;
        case ScrollCode::PageUp:
            return 0;
        case ScrollCode::PageDown:
            return last;
        case ScrollCode::EndScroll:
            break;
    }
    return index;
}

}  // namespace tolvo
