// Win32 windows built from the dialog templates: the dialog itself from an
// in-memory DLGTEMPLATEEX in the chosen face at the template's size (so that
// MapDialogRect gives the template's dialog units in that face), and each
// control of the template at its rectangle with its ID, kind and style, in
// template order (which is the tab order). The layout follows the window's
// DPI: on WM_DPICHANGED the fonts are made anew and every control placed again.
#pragma once

#include <functional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/control_states.h"
#include "ui/dialog_templates.h"
#include "ui/win32/windows_api.h"

namespace tolvo::win32 {

class TextMeasure;

// Statics with an ID for which it holds are made only by BuildDeferred.
using DeferredControl = bool (*)(int id);

class DialogLayout {
  public:
    // Creates the dialog, hidden, with every control but the deferred; proc
    // gets `param` with WM_INITDIALOG. `style` is the dialog's window style
    // (caption, frame). Given `initial`, the controls are made with their
    // texts and enabled states, the template's otherwise.
    DialogLayout(const DialogTemplate& dialogTemplate, HWND owner, DLGPROC proc, LPARAM param, DWORD style,
                 DeferredControl deferred = nullptr, const ControlStates* initial = nullptr);
    ~DialogLayout();
    DialogLayout(const DialogLayout&) = delete;
    DialogLayout& operator=(const DialogLayout&) = delete;

    HWND Dialog() const { return dialog_; }
    // The control with this ID, none when the template has none.
    HWND Control(int id) const;
    // ID by window; kNoId for a window that is no control with an ID.
    int IdOf(HWND control) const;
    const std::unordered_map<int, HWND>& Controls() const { return byId_; }
    // The template's kind of a control with an ID.
    ControlKind KindOf(int id) const;
    // The text a control with an ID was made with.
    std::wstring_view MadeWithText(int id) const;
    HFONT Font() const { return font_; }
    UINT Dpi() const { return dpi_; }
    // Pixels per dialog unit across and down, as placed.
    double UnitX() const { return unitX_ * fit_; }
    double UnitY() const { return unitY_ * fit_; }

    // Makes the fonts for `dpi` and places every control again; the dialog
    // keeps its top left corner unless `suggested` (WM_DPICHANGED's) is given.
    void SetDpi(UINT dpi, const RECT* suggested = nullptr);
    // Runs after every placement (the window's own extra fonts and controls).
    std::function<void()> placed;
    // Makes the deferred controls (once; hidden, where they stay) and
    // returns their IDs.
    std::vector<int> BuildDeferred();

    // The width in pixels of a text in a font.
    static int TextWidth(HFONT font, std::wstring_view text);
    static int LineHeight(HFONT font);

  private:
    struct Entry {
        const ControlTemplate* control;
        HWND window;
        // Words of a frame's caption drawn beside the input edit that covers
        // its run of blanks: -1 left of the edit, +1 right; 0 a template control.
        int besideEdit = 0;
        const ControlTemplate* edit = nullptr;
        std::wstring text;  // as shown
    };

    bool IsDeferred(const ControlTemplate& t) const;
    // The template's controls, the deferred ones only when `deferredOnes`.
    void CreateControls(bool deferredOnes, const ControlStates* initial = nullptr);
    double ScaleToFit() const;
    // Where a control goes at the present unit and font.
    RECT RectOf(const Entry& entry, const TextMeasure& measure) const;
    void Place();
    // After the controls are where they go: the lists' columns, the dialog's size.
    void FinishPlacing();
    RECT ToPixels(const DialogRect& r) const;

    const DialogTemplate& template_;
    DeferredControl deferred_;
    bool deferredBuilt_ = false;
    HWND dialog_ = nullptr;
    HFONT font_ = nullptr;
    UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
    double unitX_ = 1.5;  // pixels per dialog unit from MapDialogRect
    double unitY_ = 1.5;
    double fit_ = 1.0;  // the larger unit at which every one-line text fits
    std::vector<Entry> entries_;
    std::unordered_map<int, HWND> byId_;
    std::unordered_map<int, ControlKind> kinds_;
    std::unordered_map<int, std::size_t> entryOf_;  // by ID
};

// The text a control shows, without mnemonic markers.
std::wstring ShownText(const ControlTemplate& control);

// Whether a control of this kind shows its state's text (edits, statics).
constexpr bool ShowsStateText(ControlKind kind) {
    return kind == ControlKind::InputEdit || kind == ControlKind::OutputEdit ||
           kind == ControlKind::PreviewEdit || kind == ControlKind::Static;
}
// A state's text as a control of this kind shows it.
std::wstring StateText(ControlKind kind, std::string_view text);

}  // namespace tolvo::win32
