// Texts inside Tolvo are UTF-8; the Win32 calls take and give UTF-16. This is
// the one place where the two meet.
#pragma once

#include <string>
#include <string_view>

namespace tolvo::win32 {

std::wstring Wide(std::string_view utf8);
std::string Utf8(std::wstring_view wide);
// Lines ended by "\r\n", as multi-line edits and the clipboard take them.
std::wstring WithCrLf(std::string_view utf8);

}  // namespace tolvo::win32
