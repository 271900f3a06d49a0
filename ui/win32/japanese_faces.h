// Which installed face sets the Japanese texts: the preferred faces in order
// (the template's, then the Japanese UI faces of Windows), else any face with
// the Japanese character set, so that no text shows boxes for missing glyphs
// on a Windows without those faces, nor under Wine with only Noto installed.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace tolvo::win32 {

// An installed face as the font enumeration reports it.
struct InstalledFace {
    std::wstring name;
    bool japanese = false;    // listed with SHIFTJIS_CHARSET
    bool fixedPitch = false;  // a monospaced face, for code rather than labels
    bool sansSerif = false;   // FF_SWISS
};

// The Japanese UI faces of Windows, best first.
std::vector<std::wstring> JapaneseUiFaceCandidates();

// The first of `preferred` that is installed (names compared without regard
// to case); else the Japanese face best suited to labels (proportional before
// fixed pitch, sans-serif before others, a face named for Japanese ("... JP")
// before its Chinese and Korean siblings, then by name); else empty. Vertical
// faces ("@MS Gothic") are never chosen.
std::wstring ChooseFace(const std::vector<InstalledFace>& installed,
                        const std::vector<std::wstring>& preferred);

// Every face installed for the device, each once.
std::vector<InstalledFace> InstalledFaces(HDC dc);

// ChooseFace over the screen's faces with JapaneseUiFaceCandidates(); looked
// up once and kept for the life of the program.
const std::wstring& JapaneseUiFace();

}  // namespace tolvo::win32
