// The notification codes of a class scroll bar, as the models take them.
#pragma once

namespace tolvo {

enum class ScrollCode { LineUp, LineDown, PageUp, PageDown, EndScroll };

}  // namespace tolvo
