// The canvas on a GDI device context: the zone window's view, and the copied
// and saved pictures. Texts are set in one face at the canvas's pixel sizes
// and measured with the same font on the same DC, so a layout fits what is
// drawn; they are anti-aliased. GDI draws opaque: a colour that is not is
// mixed with the paper given, the picture's background.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/canvas.h"

namespace tolvo::win32 {

// ClearType for a window on the screen; grayscale for a picture, which is
// looked at on other screens and scaled.
enum class TextSmoothing { ClearType, Grayscale };

class GdiCanvas : public Canvas {
  public:
    // scale: device pixels per canvas pixel (the DPI over 96, or a picture's
    // ratio); every coordinate, width and font size is multiplied by it.
    GdiCanvas(HDC dc, std::wstring face, double scale = 1.0, Colour paper = {255, 255, 255},
              TextSmoothing smoothing = TextSmoothing::Grayscale);
    ~GdiCanvas() override;
    GdiCanvas(const GdiCanvas&) = delete;
    GdiCanvas& operator=(const GdiCanvas&) = delete;

    void Line(CanvasPoint from, CanvasPoint to, const Pen& pen) override;
    void Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) override;
    void Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font, CanvasAlign align,
              const Colour& colour) override;
    double TextWidth(std::string_view text, const CanvasFont& font) override;

  private:
    int Device(double canvasPixels) const;
    COLORREF Opaque(const Colour& colour) const;
    HPEN MakePen(const Pen& pen) const;
    HFONT Font(const CanvasFont& font);

    HDC dc_;
    std::wstring face_;
    double scale_;
    Colour paper_;
    BYTE quality_;
    std::vector<std::pair<CanvasFont, HFONT>> fonts_;
    HGDIOBJ originalFont_ = nullptr;
};

// A top-down 32-bit picture in memory with a DC that draws into it. Empty
// (Dc() null) when the system has no memory for it.
class DibPicture {
  public:
    DibPicture(int width, int height);
    ~DibPicture();
    DibPicture(const DibPicture&) = delete;
    DibPicture& operator=(const DibPicture&) = delete;

    bool Valid() const { return pixels_ != nullptr; }
    HDC Dc() const { return dc_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Blue, green, red, unused: one 32-bit word a pixel, rows top first.
    std::uint32_t Pixel(int x, int y) const {
        return pixels_[static_cast<std::size_t>(y) * width_ + x] & 0xFFFFFF;
    }
    const std::uint32_t* Pixels() const { return pixels_; }

  private:
    int width_;
    int height_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ original_ = nullptr;
    std::uint32_t* pixels_ = nullptr;
};

// 0x00RRGGBB, as DibPicture::Pixel answers.
constexpr std::uint32_t PixelOf(const Colour& c) {
    return static_cast<std::uint32_t>(c.red) << 16 | static_cast<std::uint32_t>(c.green) << 8 |
           static_cast<std::uint32_t>(c.blue);
}

}  // namespace tolvo::win32
