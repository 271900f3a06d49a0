// The dialogs' face: the template's when it is installed, else the first
// installed Japanese UI face, so that no caption shows boxes for missing
// glyphs on a Windows without the template's face nor under Wine with only
// Noto CJK.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/windows_api.h"

namespace tolvo::win32 {

struct InstalledFace {
    std::wstring name;
    bool japanese = false;  // offers SHIFTJIS_CHARSET
};

// The Japanese UI faces tried after the template's, in this order.
inline constexpr std::wstring_view kJapaneseUiFaces[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic",
                                                         L"MS Gothic"};

// The template's face when installed, else the first of kJapaneseUiFaces
// installed, else a face with the Japanese character set (a proportional
// sans-serif one before "Mono" and "Serif" faces, then in enumeration order),
// else the template's face (the font mapper's choice). Vertical faces ("@...")
// never count.
std::wstring ChooseDialogFace(std::wstring_view templateFace, const std::vector<InstalledFace>& installed);

// Every installed face, as EnumFontFamiliesExW lists them.
std::vector<InstalledFace> InstalledFaces();

// The face of every dialog, chosen once.
const std::wstring& DialogFace();
// The fit-kind label's face: a monospaced Japanese face, at this size.
inline constexpr int kFitKindFontPoints = 20;
std::wstring FitKindFace();

// A font of the face at `points` for a window at `dpi`.
HFONT CreatePointFont(const std::wstring& face, int points, UINT dpi, bool bold = false);

}  // namespace tolvo::win32
