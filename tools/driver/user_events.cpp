#include "tools/driver/user_events.h"

namespace tolvo {
namespace {

bool IsContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The length a lead byte announces; 1 for a byte that leads nothing.
std::size_t AnnouncedLength(unsigned char lead) {
    return lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
}

}  // namespace

std::size_t KeystrokeAt(std::string_view text, std::size_t i) {
    const std::size_t length = AnnouncedLength(static_cast<unsigned char>(text[i]));
    if (i + length > text.size()) return 1;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[i + k]))) return 1;
    }
    return length;
}

std::size_t LastKeystroke(std::string_view text) {
    // A byte that is no continuation always starts a keystroke.
    for (std::size_t back = 1; back <= 4 && back <= text.size(); ++back) {
        const std::size_t start = text.size() - back;
        if (IsContinuation(static_cast<unsigned char>(text[start]))) continue;
        return KeystrokeAt(text, start) == back ? back : 1;
    }
    return 1;
}

}  // namespace tolvo
