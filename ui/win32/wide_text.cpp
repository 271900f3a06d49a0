#include "ui/win32/wide_text.h"

#include "core/utf8.h"

namespace tolvo::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32's wchar_t holds one UTF-16 unit");

std::wstring Wide(std::string_view utf8) {
    const std::u16string units = utf8::ToUtf16(utf8);
    return {units.begin(), units.end()};
}

std::string Utf8(std::wstring_view wide) {
    const std::u16string units(wide.begin(), wide.end());
    return utf8::FromUtf16(units);
}

}  // namespace tolvo::win32
