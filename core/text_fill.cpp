#include "core/text_fill.h"

namespace tolvo {

std::string FillIn(std::string_view pattern, std::initializer_list<std::string_view> values) {
    std::string text;
    text.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size(); ++at) {
        const bool place = pattern[at] == '{' && at + 2 < pattern.size() && pattern[at + 1] >= '0' &&
                           pattern[at + 1] <= '9' && pattern[at + 2] == '}';
        const std::size_t index = place ? static_cast<std::size_t>(pattern[at + 1] - '0') : values.size();
        if (index < values.size()) {
            text += values.begin()[index];
            at += 2;
        } else {
            text += pattern[at];
        }
    }
    return text;
}

}  // namespace tolvo
