// The face of every Japanese text of the view, the dialogs' and the zone
// diagram's alike: the template's when it is installed, else the first
// installed Japanese UI face, else the installed face best suited to Japanese
// labels, so that no text shows boxes for missing glyphs on a Windows without
// the template's face nor under Wine with only Noto CJK.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "ui/win32/windows_api.h"

namespace tolvo::win32 {

// An installed face as the font enumeration reports it.
struct InstalledFace {
    std::wstring name;
    bool japanese = false;    // listed with SHIFTJIS_CHARSET
    bool fixedPitch = false;  // a monospaced face, for code rather than labels
    bool sansSerif = false;   // FF_SWISS
};

// The Japanese UI faces of Windows tried after the template's, best first.
inline constexpr std::wstring_view kJapaneseUiFaces[] = {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic",
                                                         L"MS Gothic"};

// The first of `preferred` that is installed (names compared without regard
// to case), else the Japanese face best suited to labels: proportional before
// monospaced ("Mono"), sans-serif before serif ("Serif", "Mincho"), a face
// named for Japanese ("... JP") before its Chinese and Korean siblings (which
// list the Japanese character set too, with other glyph forms), FF_SWISS
// before others, then in enumeration order; else empty. Vertical faces
// ("@MS Gothic") never count.
std::wstring ChooseFace(const std::vector<InstalledFace>& installed,
                        std::span<const std::wstring_view> preferred);

// Every installed face, each once.
std::vector<InstalledFace> InstalledFaces();

// ChooseFace over the installed faces with the template's face, then
// kJapaneseUiFaces; the template's face (the font mapper's choice) when no
// face has Japanese glyphs. Chosen once.
const std::wstring& DialogFace();
// The fit-kind label's face: a monospaced Japanese face, at this size.
inline constexpr int kFitKindFontPoints = 20;
std::wstring FitKindFace();

// A font of the face at `points` for a window at `dpi`.
HFONT CreatePointFont(const std::wstring& face, int points, UINT dpi, bool bold = false);

}  // namespace tolvo::win32
