#include "ui/win32/japanese_faces.h"

#include <algorithm>
#include <cwctype>
#include <tuple>

namespace tolvo::win32 {
namespace {

bool SameName(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
           });
}

// A pan-CJK family names its Japanese member so ("Noto Sans CJK JP"); its
// Chinese and Korean members list the Japanese character set too, with other
// forms of the same characters.
bool NamedJapanese(const std::wstring& name) {
    std::wstring word;
    for (std::size_t i = 0; i <= name.size(); ++i) {
        if (i < name.size() && name[i] != L' ') {
            word += name[i];
            continue;
        }
        if (SameName(word, L"JP") || SameName(word, L"Japanese")) return true;
        word.clear();
    }
    return false;
}

int CALLBACK AddFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM list) {
    auto& faces = *reinterpret_cast<std::vector<InstalledFace>*>(list);
    const std::wstring name = font->lfFaceName;
    auto known =
        std::find_if(faces.begin(), faces.end(), [&](const InstalledFace& f) { return f.name == name; });
    if (known == faces.end()) {
        faces.push_back({name, false, (font->lfPitchAndFamily & 0x03) == FIXED_PITCH,
                         (font->lfPitchAndFamily & 0xF0) == FF_SWISS});
        known = faces.end() - 1;
    }
    // A face is listed once for each character set it covers.
    if (font->lfCharSet == SHIFTJIS_CHARSET) known->japanese = true;
    return 1;
}

}  // namespace

std::vector<std::wstring> JapaneseUiFaceCandidates() {
    return {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic", L"MS Gothic"};
}

std::wstring ChooseFace(const std::vector<InstalledFace>& installed,
                        const std::vector<std::wstring>& preferred) {
    for (const std::wstring& wanted : preferred) {
        for (const InstalledFace& face : installed) {
            if (!wanted.empty() && SameName(face.name, wanted)) return face.name;
        }
    }
    const InstalledFace* best = nullptr;
    auto rank = [](const InstalledFace& f) {
        return std::tuple(f.fixedPitch, !f.sansSerif, !NamedJapanese(f.name), f.name);
    };
    for (const InstalledFace& face : installed) {
        if (!face.japanese || face.name.empty() || face.name[0] == L'@') continue;
        if (best == nullptr || rank(face) < rank(*best)) best = &face;
    }
    return best != nullptr ? best->name : std::wstring();
}

std::vector<InstalledFace> InstalledFaces(HDC dc) {
    std::vector<InstalledFace> faces;
    LOGFONTW query{};
    query.lfCharSet = DEFAULT_CHARSET;
    EnumFontFamiliesExW(dc, &query, AddFace, reinterpret_cast<LPARAM>(&faces), 0);
    return faces;
}

const std::wstring& JapaneseUiFace() {
    static const std::wstring face = [] {
        HDC screen = GetDC(nullptr);
        std::wstring chosen = ChooseFace(InstalledFaces(screen), JapaneseUiFaceCandidates());
        ReleaseDC(nullptr, screen);
        return chosen;
    }();
    return face;
}

}  // namespace tolvo::win32
