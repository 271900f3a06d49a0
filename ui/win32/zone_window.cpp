#include "ui/win32/zone_window.h"

#include <commdlg.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "core/texts_ja.h"
#include "core/zone_svg.h"
#include "ui/win32/japanese_faces.h"
#include "ui/win32/png_writer.h"
#include "ui/win32/wide_text.h"

namespace tolvo::win32 {
namespace {

constexpr wchar_t kClassName[] = L"TolvoZoneWindow";
// The client area in layout pixels: as first shown, and the least it shrinks to.
constexpr int kUsualWidth = 480, kUsualHeight = 320;
constexpr int kLeastWidth = 240, kLeastHeight = 180;
// Copied and saved pictures: the SVG's size, at twice as many pixels each way.
constexpr double kPictureRatio = 2.0;

enum Command : UINT { kCopyImage = 1, kSaveSvg, kSavePng };

Colour FromColorRef(COLORREF c) {
    return {GetRValue(c), GetGValue(c), GetBValue(c), 1.0};
}

// The window's DPI; the system's where Windows is older than 10 (1607).
UINT DpiOf(HWND window) {
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    static const auto getDpi = reinterpret_cast<GetDpiForWindowFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow")));
    UINT dpi = getDpi != nullptr && window != nullptr ? getDpi(window) : 0;
    if (dpi == 0) {
        HDC screen = GetDC(nullptr);
        dpi = static_cast<UINT>(GetDeviceCaps(screen, LOGPIXELSX));
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : USER_DEFAULT_SCREEN_DPI;
}

ScreenRect FromRect(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (GetMonitorInfoW(monitor, &info))
        reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(FromRect(info.rcWork));
    return TRUE;
}

// The frame's size beyond the client area.
SIZE FrameExtra(HWND window) {
    RECT frame{}, client{};
    GetWindowRect(window, &frame);
    GetClientRect(window, &client);
    return {(frame.right - frame.left) - client.right, (frame.bottom - frame.top) - client.bottom};
}

bool EndsWithSvg(const std::filesystem::path& file) {
    std::wstring extension = file.extension().wstring();
    std::transform(extension.begin(), extension.end(), extension.begin(), [](wchar_t c) {
        return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
    });
    return extension == L".svg";
}

// The common save dialog, with the command's format first and the other one
// after it; the name's extension decides what is written.
std::filesystem::path AskSaveFileName(HWND owner, const std::filesystem::path& proposed,
                                      std::string_view extension) {
    const bool svg = extension == "svg";
    static constexpr wchar_t kSvgFirst[] = L"SVG (*.svg)\0*.svg\0PNG (*.png)\0*.png\0";
    static constexpr wchar_t kPngFirst[] = L"PNG (*.png)\0*.png\0SVG (*.svg)\0*.svg\0";
    std::vector<wchar_t> name(32768, L'\0');
    const std::wstring start = proposed.wstring();
    std::copy_n(start.begin(), std::min(start.size(), name.size() - 1), name.begin());
    const std::wstring defaultExtension = Wide(extension);
    const std::wstring folder = proposed.parent_path().wstring();
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = svg ? kSvgFirst : kPngFirst;
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    dialog.lpstrDefExt = defaultExtension.c_str();
    dialog.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (!GetSaveFileNameW(&dialog)) return {};
    return std::filesystem::path(name.data());
}

// The user's own folder, where the save dialog starts as the Qt view's does.
std::filesystem::path HomeFolder() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = GetEnvironmentVariableW(L"USERPROFILE", buffer, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return {};
    return std::filesystem::path(buffer);
}

// Hands a copy of the bytes to the clipboard under the format.
bool PutOnClipboard(UINT format, std::string_view bytes) {
    if (format == 0 || bytes.empty()) return false;
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    if (memory == nullptr) return false;
    void* target = GlobalLock(memory);
    if (target == nullptr) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(target, bytes.data(), bytes.size());
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory) == nullptr) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

}  // namespace

ZoneStyle SystemZoneStyle() {
    ZoneStyle style;
    style.background = FromColorRef(GetSysColor(COLOR_WINDOW));
    style.ink = FromColorRef(GetSysColor(COLOR_WINDOWTEXT));
    style.guide = style.ink;
    style.guide.alpha = 0.55;
    return style;
}

void DrawZoneScene(HDC dc, int width, int height, double scale, const ZoneScene& scene,
                   const ZoneStyle& style, TextSmoothing smoothing) {
    GdiCanvas canvas(dc, JapaneseUiFace(), scale, style.background, smoothing);
    PaintZoneScene(scene, canvas, {0.0, 0.0, width / scale, height / scale}, style);
}

std::unique_ptr<DibPicture> RenderZonePicture(const ZoneScene& scene, int width, int height,
                                              const ZoneStyle& style, double ratio) {
    const int pixelsWide = static_cast<int>(std::lround(width * ratio));
    const int pixelsHigh = static_cast<int>(std::lround(height * ratio));
    auto picture = std::make_unique<DibPicture>(pixelsWide, pixelsHigh);
    if (!picture->Valid()) return nullptr;
    DrawZoneScene(picture->Dc(), picture->Width(), picture->Height(), ratio, scene, style,
                  TextSmoothing::Grayscale);
    GdiFlush();
    return picture;
}

std::string PackedDib(const DibPicture& picture) {
    BITMAPINFOHEADER header{};
    header.biSize = sizeof(header);
    header.biWidth = picture.Width();
    header.biHeight = picture.Height();  // bottom-up
    header.biPlanes = 1;
    header.biBitCount = 24;
    header.biCompression = BI_RGB;
    const std::size_t stride = (static_cast<std::size_t>(picture.Width()) * 3 + 3) / 4 * 4;
    header.biSizeImage = static_cast<DWORD>(stride * picture.Height());
    std::string bytes(sizeof(header) + header.biSizeImage, '\0');
    std::memcpy(bytes.data(), &header, sizeof(header));
    for (int y = 0; y < picture.Height(); ++y) {
        char* row =
            bytes.data() + sizeof(header) + stride * static_cast<std::size_t>(picture.Height() - 1 - y);
        for (int x = 0; x < picture.Width(); ++x) {
            const std::uint32_t pixel = picture.Pixel(x, y);
            row[x * 3] = static_cast<char>(pixel & 0xFF);
            row[x * 3 + 1] = static_cast<char>(pixel >> 8 & 0xFF);
            row[x * 3 + 2] = static_cast<char>(pixel >> 16 & 0xFF);
        }
    }
    return bytes;
}

bool CopyZoneDiagram(HWND owner, const ZoneScene& scene) {
    const std::unique_ptr<DibPicture> picture =
        RenderZonePicture(scene, kZoneSvgWidth, kZoneSvgHeight, ZoneStyle(), kPictureRatio);
    if (picture == nullptr) return false;
    const std::optional<std::string> png = EncodePng(*picture);
    const std::string svg = WriteZoneSvg(scene);
    if (!OpenClipboard(owner)) return false;
    EmptyClipboard();
    bool copied = PutOnClipboard(CF_DIB, PackedDib(*picture));
    if (png) copied = PutOnClipboard(RegisterClipboardFormatW(L"PNG"), *png) && copied;
    copied = PutOnClipboard(RegisterClipboardFormatW(L"image/svg+xml"), svg) && copied;
    CloseClipboard();
    return copied;
}

bool SaveZoneDiagram(const ZoneScene& scene, const std::filesystem::path& file, FileWriteProblem* problem) {
    const bool svg = EndsWithSvg(file);
    const FileWriteProblem result = WriteFileReplacing(file, [&scene, svg](FileSink& sink) {
        if (svg) return sink.Write(WriteZoneSvg(scene));
        const std::unique_ptr<DibPicture> picture =
            RenderZonePicture(scene, kZoneSvgWidth, kZoneSvgHeight, ZoneStyle(), kPictureRatio);
        if (picture == nullptr) return false;
        const std::optional<std::string> png = EncodePng(*picture);
        return png.has_value() && sink.Write(*png);
    });
    if (problem != nullptr) *problem = result;
    return result == FileWriteProblem::None;
}

std::string_view WhyNotSaved(FileWriteProblem problem) {
    switch (problem) {
        case FileWriteProblem::None:
            return {};
        case FileWriteProblem::Folder:
            return ja::kZoneSaveFolderText;
        case FileWriteProblem::NotRegularFile:
            return ja::kZoneSaveNotRegularFileText;
        case FileWriteProblem::ReadOnly:
            return ja::kZoneSaveReadOnlyText;
        case FileWriteProblem::CannotCreate:
            return ja::kZoneSaveCannotCreateText;
        case FileWriteProblem::WriteFailed:
            return ja::kZoneSaveWriteFailedText;
        case FileWriteProblem::CannotReplace:
            return ja::kZoneSaveCannotReplaceText;
    }
    return {};
}

void PlaceBesideCalculator(HWND window, HWND calculator, std::optional<ScreenPoint> remembered) {
    RECT frame{};
    GetWindowRect(window, &frame);
    const int width = frame.right - frame.left, height = frame.bottom - frame.top;
    std::vector<ScreenRect> screens;
    EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&screens));
    std::optional<ScreenPoint> corner = RememberedOnScreen(remembered, width, height, screens);
    if (!corner) {
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        RECT calculatorFrame{};
        if (!GetWindowRect(calculator, &calculatorFrame) ||
            !GetMonitorInfoW(MonitorFromWindow(calculator, MONITOR_DEFAULTTONEAREST), &info))
            return;
        corner = PlaceBeside(FromRect(calculatorFrame), width, height, FromRect(info.rcWork));
    }
    SetWindowPos(window, nullptr, corner->x, corner->y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- the window ----

ZoneWindow::ZoneWindow(HWND owner) {
    static const ATOM registered = [] {
        WNDCLASSEXW type{};
        type.cbSize = sizeof(type);
        type.lpfnWndProc = Procedure;
        type.hInstance = GetModuleHandleW(nullptr);
        type.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        type.lpszClassName = kClassName;
        return RegisterClassExW(&type);
    }();
    (void)registered;
    const std::wstring title = Wide(ja::kZoneDiagramMenuItemText);
    window_ =
        CreateWindowExW(WS_EX_TOOLWINDOW, kClassName, title.c_str(),
                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME, CW_USEDEFAULT, CW_USEDEFAULT,
                        kUsualWidth, kUsualHeight, owner, nullptr, GetModuleHandleW(nullptr), this);
    askSaveFile = AskSaveFileName;
    showWarning = [](HWND parent, const std::wstring& caption, const std::wstring& text) {
        MessageBoxW(parent, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
    };
    SetInput({});
}

ZoneWindow::~ZoneWindow() {
    if (window_ != nullptr) {
        SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
}

void ZoneWindow::SetInput(const ZoneDiagramInput& input) {
    input_ = input;
    scene_ = BuildZoneScene(input_);
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void ZoneWindow::Show() {
    ShowWindow(window_, SW_SHOWNOACTIVATE);
}

void ZoneWindow::Hide() {
    ShowWindow(window_, SW_HIDE);
}

bool ZoneWindow::IsShown() const {
    return window_ != nullptr && IsWindowVisible(window_);
}

double ZoneWindow::Scale() const {
    return DpiOf(window_) / static_cast<double>(USER_DEFAULT_SCREEN_DPI);
}

void ZoneWindow::PlaceBeside(HWND calculator, std::optional<ScreenPoint> remembered) {
    const SIZE extra = FrameExtra(window_);
    const double scale = Scale();
    SetWindowPos(window_, nullptr, 0, 0, static_cast<int>(std::lround(kUsualWidth * scale)) + extra.cx,
                 static_cast<int>(std::lround(kUsualHeight * scale)) + extra.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    PlaceBesideCalculator(window_, calculator, remembered);
}

ScreenPoint ZoneWindow::Position() const {
    RECT frame{};
    GetWindowRect(window_, &frame);
    return {frame.left, frame.top};
}

bool ZoneWindow::CopyImage() {
    return CopyZoneDiagram(window_, scene_);
}

bool ZoneWindow::SaveAs(std::string_view extension) {
    const std::string proposed = ProposedZoneFileName(input_, extension);
    const std::filesystem::path file = askSaveFile(window_, HomeFolder() / Wide(proposed), extension);
    if (file.empty()) return false;
    FileWriteProblem problem = FileWriteProblem::None;
    if (SaveZoneDiagram(scene_, file, &problem)) return true;
    const std::wstring text =
        Wide(ja::kZoneSaveFailedText) + L"\n" + file.wstring() + L"\n" + Wide(WhyNotSaved(problem));
    showWarning(window_, Wide(ja::kZoneDiagramMenuItemText), text);
    return false;
}

void ZoneWindow::Paint(HDC dc) {
    RECT client{};
    GetClientRect(window_, &client);
    // Drawn whole into a picture first, then put on the screen in one go: no flicker.
    DibPicture buffer(client.right, client.bottom);
    if (!buffer.Valid()) return;
    DrawZoneScene(buffer.Dc(), buffer.Width(), buffer.Height(), Scale(), scene_, SystemZoneStyle(),
                  TextSmoothing::ClearType);
    BitBlt(dc, 0, 0, buffer.Width(), buffer.Height(), buffer.Dc(), 0, 0, SRCCOPY);
}

void ZoneWindow::ContextMenu(LPARAM at) {
    POINT point{static_cast<short>(LOWORD(at)), static_cast<short>(HIWORD(at))};
    // From the keyboard (Shift+F10, the menu key): at the window's top left corner.
    if (point.x == -1 && point.y == -1) {
        point = {0, 0};
        ClientToScreen(window_, &point);
    }
    HMENU menu = CreatePopupMenu();
    AppendMenuW(menu, MF_STRING, kCopyImage, Wide(ja::kZoneCopyImageText).c_str());
    AppendMenuW(menu, MF_STRING, kSaveSvg, Wide(ja::kZoneSaveSvgText).c_str());
    AppendMenuW(menu, MF_STRING, kSavePng, Wide(ja::kZoneSavePngText).c_str());
    const UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON, point.x, point.y, 0, window_, nullptr));
    DestroyMenu(menu);
    if (chosen == kCopyImage) CopyImage();
    if (chosen == kSaveSvg) SaveAs("svg");
    if (chosen == kSavePng) SaveAs("png");
}

LRESULT CALLBACK ZoneWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<ZoneWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->window_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<ZoneWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return self->OnMessage(message, wParam, lParam);
}

LRESULT ZoneWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // the paint covers every pixel
        case WM_PAINT: {
            PAINTSTRUCT paint;
            HDC dc = BeginPaint(window_, &paint);
            Paint(dc);
            EndPaint(window_, &paint);
            return 0;
        }
        case WM_PRINTCLIENT:
            Paint(reinterpret_cast<HDC>(wParam));
            return 0;
        case WM_SIZE:
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        case WM_GETMINMAXINFO: {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            const SIZE extra = FrameExtra(window_);
            const double scale = Scale();
            limits->ptMinTrackSize = {static_cast<LONG>(std::lround(kLeastWidth * scale)) + extra.cx,
                                      static_cast<LONG>(std::lround(kLeastHeight * scale)) + extra.cy};
            return 0;
        }
        case WM_DPICHANGED: {
            const RECT* suggested = reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                         suggested->right - suggested->left, suggested->bottom - suggested->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            InvalidateRect(window_, nullptr, FALSE);
            return 0;
        }
        case WM_SYSCOLORCHANGE:
        case WM_THEMECHANGED:
            InvalidateRect(window_, nullptr, FALSE);
            break;
        case WM_CONTEXTMENU:
            ContextMenu(lParam);
            return 0;
        case WM_CLOSE:
            Hide();
            if (closed) closed();
            return 0;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

}  // namespace tolvo::win32
