#include "ui/win32/fonts.h"

#include <algorithm>

#include "ui/dialog_templates.h"
#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

bool Vertical(const std::wstring& face) {
    return !face.empty() && face.front() == L'@';
}

bool Has(const std::vector<InstalledFace>& installed, std::wstring_view face) {
    return std::ranges::any_of(installed, [&](const InstalledFace& f) { return f.name == face; });
}

// Sans-serif proportional faces read best in the dialogs; a mono or serif face
// only when nothing else has the glyphs.
int Preference(const std::wstring& face) {
    return (face.find(L"Mono") != std::wstring::npos ? 1 : 0) +
           (face.find(L"Serif") != std::wstring::npos || face.find(L"Mincho") != std::wstring::npos ? 2 : 0);
}

int CALLBACK CollectFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM data) {
    auto& faces = *reinterpret_cast<std::vector<InstalledFace>*>(data);
    const std::wstring name = font->lfFaceName;
    const bool japanese = font->lfCharSet == SHIFTJIS_CHARSET;
    const auto known = std::ranges::find(faces, name, &InstalledFace::name);
    if (known == faces.end()) {
        faces.push_back({name, japanese});
    } else {
        known->japanese = known->japanese || japanese;
    }
    return 1;
}

}  // namespace

std::wstring ChooseDialogFace(std::wstring_view templateFace, const std::vector<InstalledFace>& installed) {
    if (Has(installed, templateFace)) return std::wstring(templateFace);
    for (std::wstring_view face : kJapaneseUiFaces) {
        if (Has(installed, face)) return std::wstring(face);
    }
    const InstalledFace* best = nullptr;
    for (const InstalledFace& face : installed) {
        if (!face.japanese || Vertical(face.name)) continue;
        if (best == nullptr || Preference(face.name) < Preference(best->name)) best = &face;
    }
    return best != nullptr ? best->name : std::wstring(templateFace);
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
    static const std::wstring face = ChooseDialogFace(Wide(kDialogFontFace), InstalledFaces());
    return face;
}

std::wstring FitKindFace() {
    const std::vector<InstalledFace> installed = InstalledFaces();
    for (std::wstring_view face : {L"MS Gothic", L"Noto Sans Mono CJK JP"}) {
        if (Has(installed, face)) return std::wstring(face);
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
