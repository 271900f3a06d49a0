#include "tools/driver/user_events.h"

#include "core/utf8.h"

namespace tolvo {

std::size_t KeystrokeAt(std::string_view text, std::size_t i) {
    const std::size_t length = utf8::AnnouncedLength(static_cast<unsigned char>(text[i]));
    if (i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if (!utf8::IsContinuation(static_cast<unsigned char>(text[i + k]))) return 1;
    }
    return length;
}

std::size_t LastKeystroke(std::string_view text) {
    // A byte that is no continuation always starts a keystroke.
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const std::size_t start = text.size() - back;
        if (utf8::IsContinuation(static_cast<unsigned char>(text[start]))) continue;
        return KeystrokeAt(text, start) == back ? back : 1;
    }
    return 1;
}

}  // namespace tolvo
