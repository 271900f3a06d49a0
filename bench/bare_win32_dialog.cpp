// The Win32 floor for start-up, the twin of bare_dialog.cpp: one modal dialog
// of the calculator's size in dialog units with one Japanese label, in the
// first installed Japanese face (as a window with a Japanese interface must
// look one up), with the same kind of manifest as Tolvo.exe.
// Usage: bare_win32_dialog [WIDTH HEIGHT] (dialog units, default 339 269).
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

namespace {

int CALLBACK RememberFace(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM found) {
    if (font->lfFaceName[0] != L'@') {  // not a vertical-writing face
        *reinterpret_cast<std::wstring*>(found) = font->lfFaceName;
        return 0;
    }
    return 1;
}

std::wstring JapaneseFace() {
    HDC screen = GetDC(nullptr);
    std::wstring found;
    LOGFONTW wanted{};
    wanted.lfCharSet = SHIFTJIS_CHARSET;
    for (const wchar_t* face : {L"Yu Gothic UI", L"Meiryo UI", L"MS UI Gothic", L"MS Gothic", L""}) {
        std::wcsncpy(wanted.lfFaceName, face, LF_FACESIZE - 1);
        EnumFontFamiliesExW(screen, &wanted, RememberFace, reinterpret_cast<LPARAM>(&found), 0);
        if (!found.empty()) break;
    }
    ReleaseDC(nullptr, screen);
    return found.empty() ? L"MS Shell Dlg" : found;
}

// An in-memory DLGTEMPLATE: header, menu, class, caption, font, then one
// static control; every item starts on a DWORD boundary.
class TemplateWriter {
  public:
    void Word(WORD value) { words_.push_back(value); }
    void Text(const std::wstring& text) {
        for (wchar_t c : text) words_.push_back(static_cast<WORD>(c));
        words_.push_back(0);
    }
    void Align() {
        if (words_.size() % 2 != 0) words_.push_back(0);
    }
    void Dword(DWORD value) {
        Word(LOWORD(value));
        Word(HIWORD(value));
    }
    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

  private:
    std::vector<WORD> words_;
};

INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    if (message == WM_INITDIALOG) return TRUE;
    if (message == WM_COMMAND && (LOWORD(wParam) == IDCANCEL || LOWORD(wParam) == IDOK)) {
        EndDialog(dialog, 0);
        return TRUE;
    }
    return FALSE;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    int width = 339, height = 269;
    if (__argc > 2) {
        width = _wtoi(__wargv[1]);
        height = _wtoi(__wargv[2]);
    }
    TemplateWriter dialog;
    dialog.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
    dialog.Dword(0);  // extended style
    dialog.Word(1);   // one control
    dialog.Word(0);
    dialog.Word(0);
    dialog.Word(static_cast<WORD>(width));
    dialog.Word(static_cast<WORD>(height));
    dialog.Word(0);  // no menu
    dialog.Word(0);  // the dialog class
    dialog.Text(L"bare");
    dialog.Word(9);  // points
    dialog.Text(JapaneseFace());
    dialog.Align();
    dialog.Dword(WS_CHILD | WS_VISIBLE | SS_LEFT);
    dialog.Dword(0);
    dialog.Word(7);
    dialog.Word(7);
    dialog.Word(100);
    dialog.Word(10);
    dialog.Word(static_cast<WORD>(-1));  // no ID
    dialog.Word(0xFFFF);                 // the static class by its atom
    dialog.Word(0x0082);
    dialog.Text(L"\u7A74\u3068\u540C\u3058\u57FA\u6E96\u5BF8\u6CD5");  // "穴と同じ基準寸法"
    dialog.Word(0);                                                    // no creation data
    DialogBoxIndirectParamW(instance, dialog.Get(), nullptr, DialogProc, 0);
    return 0;
}
