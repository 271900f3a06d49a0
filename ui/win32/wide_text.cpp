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

std::wstring WithCrLf(std::string_view utf8) {
    const std::wstring wide = Wide(utf8);
    std::wstring out;
    out.reserve(wide.size());
    for (std::size_t i = 0; i < wide.size(); ++i) {
        if (wide[i] == L'\n' && (i == 0 || wide[i - 1] != L'\r')) out += L'\r';
        out += wide[i];
    }
    return out;
}

}  // namespace tolvo::win32
