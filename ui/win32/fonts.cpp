#include "ui/win32/fonts.h"

#include <algorithm>
#include <cwctype>
#include <tuple>

#include "ui/dialog_templates.h"
#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

bool SameName(std::wstring_view a, std::wstring_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) {
               return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
           });
}

bool Contains(const std::wstring& name, std::wstring_view part) {
    return name.find(part) != std::wstring::npos;
}

// A pan-CJK family names its Japanese member so ("Noto Sans CJK JP").
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

// Lower is better for labels.
auto LabelRank(const InstalledFace& f) {
    const bool monospaced = f.fixedPitch || Contains(f.name, L"Mono");
    const bool serif = Contains(f.name, L"Serif") || Contains(f.name, L"Mincho");
    return std::tuple(monospaced, serif, !NamedJapanese(f.name), !f.sansSerif);
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto& faces = *reinterpret_cast<std::vector<InstalledFace>*>(data);
    const std::wstring name = font->lfFaceName;
    auto known = std::ranges::find(faces, name, &InstalledFace::name);
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

std::wstring ChooseFace(const std::vector<InstalledFace>& installed,
                        std::span<const std::wstring_view> preferred) {
    for (std::wstring_view wanted : preferred) {
        for (const InstalledFace& face : installed) {
            if (!wanted.empty() && SameName(face.name, wanted)) return face.name;
        }
    }
    const InstalledFace* best = nullptr;
    for (const InstalledFace& face : installed) {
        if (!face.japanese || face.name.empty() || face.name.front() == L'@') continue;
        if (best == nullptr || LabelRank(face) < LabelRank(*best)) best = &face;
    }
    return best != nullptr ? best->name : std::wstring();
}

std::vector<InstalledFace> InstalledFaces() {
    std::vector<InstalledFace> faces;
    HDC dc = GetDC(nullptr);
    LOGFONTW all{};
    all.lfCharSet = DEFAULT_CHARSET;  // every face, once per character set
    EnumFontFamiliesExW(dc, &all, CollectFace, reinterpret_cast<LPARAM>(&faces), 0);
    ReleaseDC(nullptr, dc);
    return faces;
}

const std::wstring& DialogFace() {
    static const std::wstring face = [] {
        const std::wstring templateFace = Wide(kDialogFontFace);
        std::vector<std::wstring_view> preferred{templateFace};
        preferred.insert(preferred.end(), std::begin(kJapaneseUiFaces), std::end(kJapaneseUiFaces));
        const std::wstring chosen = ChooseFace(InstalledFaces(), preferred);
        return chosen.empty() ? templateFace : chosen;
    }();
    return face;
}

std::wstring FitKindFace() {
    const std::vector<InstalledFace> installed = InstalledFaces();
    for (std::wstring_view face : {L"MS Gothic", L"Noto Sans Mono CJK JP"}) {
        if (std::ranges::any_of(installed, [&](const InstalledFace& f) { return f.name == face; }))
            return std::wstring(face);
    }
    return DialogFace();
}

HFONT CreatePointFont(const std::wstring& face, int points, UINT dpi, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -MulDiv(points, static_cast<int>(dpi), 72);
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    font.lfQuality = CLEARTYPE_QUALITY;
    face.copy(font.lfFaceName, LF_FACESIZE - 1);
    return CreateFontIndirectW(&font);
}

}  // namespace tolvo::win32
