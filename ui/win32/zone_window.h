// The tolerance-zone diagram beside the calculator: a non-modal tool window
// owned by the main window that draws the model's scene in the diagram's one
// layout through the GDI canvas, in the desktop's window colours, and copies
// or saves it. Copied and saved pictures keep the exported look, ZoneStyle's
// defaults, as the SVG has it.
#pragma once

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/zone_diagram.h"
#include "core/zone_paint.h"
#include "platform/file_writer.h"
#include "ui/win32/gdi_canvas.h"
#include "ui/window_placement.h"

namespace tolvo::win32 {

// The window's look: ink on the window colour of the desktop's theme, the
// dashed guides in a dimmer ink, the zones in their fixed fills.
ZoneStyle SystemZoneStyle();

// The scene drawn into a device rectangle of width x height pixels from the
// DC's origin, at scale device pixels per layout pixel.
void DrawZoneScene(HDC dc, int width, int height, double scale, const ZoneScene& scene,
                   const ZoneStyle& style, TextSmoothing smoothing);

// The scene as a picture of width x height layout pixels, ratio times as
// many device pixels each way; none when there is no memory for it.
std::unique_ptr<DibPicture> RenderZonePicture(const ZoneScene& scene, int width, int height,
                                              const ZoneStyle& style, double ratio = 1.0);

// The picture as the clipboard's CF_DIB holds it: a BITMAPINFOHEADER, then
// 24-bit rows from the bottom up.
std::string PackedDib(const DibPicture& picture);

// What "画像としてコピー" puts on the clipboard: the picture as CF_DIB and
// as the registered "PNG" format, and the SVG document as "image/svg+xml".
// False when the clipboard could not be had.
bool CopyZoneDiagram(HWND owner, const ZoneScene& scene);

// Writes the scene to a file through the safe file writer, as SVG when its
// name ends in ".svg" (any case), else as PNG. False when the file cannot be
// written; `problem`, when given, then says why.
bool SaveZoneDiagram(const ZoneScene& scene, const std::filesystem::path& file,
                     FileWriteProblem* problem = nullptr);

// The line of the save message that says why; empty for None.
std::string_view WhyNotSaved(FileWriteProblem problem);

// Moves the window to its remembered corner when that is on a screen, else
// beside the calculator's frame on the side with room.
void PlaceBesideCalculator(HWND window, HWND calculator, std::optional<ScreenPoint> remembered);

class ZoneWindow {
  public:
    // Made hidden, owned by `owner`: it stays above it and goes with it.
    explicit ZoneWindow(HWND owner);
    ~ZoneWindow();
    ZoneWindow(const ZoneWindow&) = delete;
    ZoneWindow& operator=(const ZoneWindow&) = delete;

    HWND Handle() const { return window_; }

    // What the diagram shows; repaints at once.
    void SetInput(const ZoneDiagramInput& input);
    const ZoneDiagramInput& Input() const { return input_; }
    const ZoneScene& Scene() const { return scene_; }

    // Shown without taking the focus from the calculator.
    void Show();
    void Hide();
    bool IsShown() const;
    // Sized to its usual client area (480 x 320 at 96 DPI) and placed at the
    // remembered corner when that is on a screen, else beside the calculator.
    void PlaceBeside(HWND calculator, std::optional<ScreenPoint> remembered = std::nullopt);
    // The top left corner of its frame, to remember.
    ScreenPoint Position() const;

    // The context menu's commands. The file dialog is asked through
    // askSaveFile (proposed name and the command's extension in, chosen file
    // out, empty: cancelled) and a failure shown through showWarning, so that
    // tests run without real dialogs.
    bool CopyImage();
    bool SaveAs(std::string_view extension);
    std::function<std::filesystem::path(HWND owner, const std::filesystem::path& proposed,
                                        std::string_view extension)>
        askSaveFile;
    std::function<void(HWND owner, const std::wstring& caption, const std::wstring& text)> showWarning;

    // The user closed the window with its title bar button (it is hidden, not destroyed).
    std::function<void()> closed;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);
    void ContextMenu(LPARAM at);
    double Scale() const;

    HWND window_ = nullptr;
    ZoneDiagramInput input_;
    ZoneScene scene_;
};

}  // namespace tolvo::win32
