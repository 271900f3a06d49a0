#include "ui/win32/gdi_canvas.h"

#include <algorithm>
#include <cmath>

#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

double Finite(double value, double otherwise) {
    return std::isfinite(value) ? value : otherwise;
}

// Device coordinates stay far inside GDI's range whatever a caller passes.
constexpr double kMaxDevice = 1 << 26;

}  // namespace

GdiCanvas::GdiCanvas(HDC dc, std::wstring face, double scale, Colour paper, TextSmoothing smoothing)
    : dc_(dc),
      face_(std::move(face)),
      scale_(std::isfinite(scale) && scale > 0.0 ? scale : 1.0),
      paper_(paper),
      quality_(smoothing == TextSmoothing::ClearType ? CLEARTYPE_QUALITY : ANTIALIASED_QUALITY) {
    SetBkMode(dc_, TRANSPARENT);
    originalFont_ = GetCurrentObject(dc_, OBJ_FONT);
}

GdiCanvas::~GdiCanvas() {
    SelectObject(dc_, originalFont_);
    for (auto& [font, handle] : fonts_) DeleteObject(handle);
}

int GdiCanvas::Device(double canvasPixels) const {
    return static_cast<int>(
        std::lround(std::clamp(Finite(canvasPixels, 0.0) * scale_, -kMaxDevice, kMaxDevice)));
}

COLORREF GdiCanvas::Opaque(const Colour& c) const {
    const double alpha = std::clamp(Finite(c.alpha, 1.0), 0.0, 1.0);
    auto mix = [alpha](int ink, int paper) {
        return static_cast<BYTE>(
            std::lround(std::clamp(ink, 0, 255) * alpha + std::clamp(paper, 0, 255) * (1.0 - alpha)));
    };
    return RGB(mix(c.red, paper_.red), mix(c.green, paper_.green), mix(c.blue, paper_.blue));
}

HPEN GdiCanvas::MakePen(const Pen& pen) const {
    const LOGBRUSH brush{BS_SOLID, Opaque(pen.colour), 0};
    const DWORD width = static_cast<DWORD>(std::max(1, Device(pen.width)));
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, width, &brush, 0, nullptr);
}

void GdiCanvas::Line(CanvasPoint from, CanvasPoint to, const Pen& pen) {
    HPEN gdiPen = MakePen(pen);
    HGDIOBJ old = SelectObject(dc_, gdiPen);
    const double dx = to.x - from.x, dy = to.y - from.y;
    const double length = std::hypot(dx, dy);
    auto stroke = [&](double start, double end) {
        const double a = length > 0.0 ? start / length : 0.0, b = length > 0.0 ? end / length : 1.0;
        MoveToEx(dc_, Device(from.x + dx * a), Device(from.y + dy * a), nullptr);
        LineTo(dc_, Device(from.x + dx * b), Device(from.y + dy * b));
    };
    // The dashes are laid out here, in canvas pixels from the line's start as
    // the other back ends lay them, rather than by the pen's own pattern.
    const double period = pen.dash + pen.gap;
    if (pen.dash > 0.0 && pen.gap > 0.0 && std::isfinite(period) && std::isfinite(length) &&
        length / period < 100000.0) {
        for (double start = 0.0; start < length; start += period)
            stroke(start, std::min(start + pen.dash, length));
    } else {
        stroke(0.0, length);
    }
    SelectObject(dc_, old);
    DeleteObject(gdiPen);
}

void GdiCanvas::Rect(const CanvasBox& box, const Colour& fill, const Pen& pen) {
    const RECT area{Device(box.left), Device(box.top), Device(box.Right()), Device(box.Bottom())};
    HBRUSH brush = CreateSolidBrush(Opaque(fill));
    FillRect(dc_, &area, brush);
    DeleteObject(brush);
    if (!(pen.width > 0.0)) return;
    // The outline on the box's edges, half inside and half outside, as a path
    // so that its corners are mitred.
    HPEN gdiPen = MakePen(pen);
    HGDIOBJ oldPen = SelectObject(dc_, gdiPen);
    HGDIOBJ oldBrush = SelectObject(dc_, GetStockObject(NULL_BRUSH));
    const POINT corners[] = {
        {area.left, area.top}, {area.right, area.top}, {area.right, area.bottom}, {area.left, area.bottom}};
    Polygon(dc_, corners, 4);
    SelectObject(dc_, oldBrush);
    SelectObject(dc_, oldPen);
    DeleteObject(gdiPen);
}

HFONT GdiCanvas::Font(const CanvasFont& font) {
    for (const auto& [known, handle] : fonts_) {
        if (known == font) return handle;
    }
    LOGFONTW description{};
    // A negative height asks for the em, as the other back ends size a font.
    description.lfHeight = -std::max(1, Device(font.size));
    description.lfWeight = font.bold ? FW_BOLD : FW_NORMAL;
    // Without a Japanese face found, the character set lets the font mapper find one.
    description.lfCharSet = face_.empty() ? SHIFTJIS_CHARSET : DEFAULT_CHARSET;
    description.lfOutPrecision = OUT_TT_PRECIS;
    description.lfQuality = quality_;
    description.lfPitchAndFamily = VARIABLE_PITCH | FF_SWISS;
    face_.copy(description.lfFaceName, LF_FACESIZE - 1);
    HFONT handle = CreateFontIndirectW(&description);
    fonts_.emplace_back(font, handle);
    return handle;
}

void GdiCanvas::Text(std::string_view text, CanvasPoint baseline, const CanvasFont& font, CanvasAlign align,
                     const Colour& colour) {
    const std::wstring shown = Wide(text);
    if (shown.empty()) return;
    SelectObject(dc_, Font(font));
    SetTextColor(dc_, Opaque(colour));
    const UINT horizontal = align == CanvasAlign::Middle ? TA_CENTER
                            : align == CanvasAlign::End  ? TA_RIGHT
                                                         : TA_LEFT;
    SetTextAlign(dc_, TA_BASELINE | TA_NOUPDATECP | horizontal);
    TextOutW(dc_, Device(baseline.x), Device(baseline.y), shown.data(), static_cast<int>(shown.size()));
}

double GdiCanvas::TextWidth(std::string_view text, const CanvasFont& font) {
    const std::wstring shown = Wide(text);
    if (shown.empty()) return 0.0;
    SelectObject(dc_, Font(font));
    SIZE size{};
    if (!GetTextExtentPoint32W(dc_, shown.data(), static_cast<int>(shown.size()), &size)) return 0.0;
    return size.cx / scale_;
}

DibPicture::DibPicture(int width, int height) : width_(std::max(1, width)), height_(std::max(1, height)) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) return;
    dc_ = CreateCompatibleDC(nullptr);
    if (dc_ == nullptr) return;
    original_ = SelectObject(dc_, bitmap_);
    pixels_ = static_cast<std::uint32_t*>(bits);
}

DibPicture::~DibPicture() {
    if (dc_ != nullptr) {
        SelectObject(dc_, original_);
        DeleteDC(dc_);
    }
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
}

}  // namespace tolvo::win32
