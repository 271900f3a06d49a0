#include "tools/driver/user_events.h"

namespace tolvo {

std::vector<std::string> CodePoints(std::string_view text) {
    std::vector<std::string> points;
    std::size_t i = 0;
    while (i < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80           ? 1
                             : (lead >> 5) == 0x6  ? 2
                             : (lead >> 4) == 0xE  ? 3
                             : (lead >> 3) == 0x1E ? 4
                                                   : 1;
        if (i + length > text.size()) length = 1;
        for (std::size_t k = 1; k < length; ++k) {
            if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        points.emplace_back(text.substr(i, length));
        i += length;
    }
    return points;
}

}  // namespace tolvo
