// The diagram saved and copied from the Win32 view: the PNG decodes back
// (through WIC's own decoder) to the picture drawn, the SVG is the core's
// document, a failed save writes nothing and says why, and the clipboard
// gets the bitmap, the PNG and the SVG.
#include <gtest/gtest.h>
#include <wincodec.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <vector>

#include "core/texts_ja.h"
#include "core/zone_svg.h"
#include "tests/win32/zone_test_support.h"
#include "ui/win32/png_writer.h"
#include "ui/win32/wide_text.h"
#include "ui/win32/zone_window.h"

namespace tolvo::win32 {
namespace {

namespace fs = std::filesystem;

struct Decoded {
    UINT width = 0;
    UINT height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, rows top first
    std::uint32_t Pixel(UINT x, UINT y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

std::optional<Decoded> DecodeWithWic(const fs::path& file) {
    ComScope com;
    IWICImagingFactory* factory = nullptr;
    IWICBitmapDecoder* decoder = nullptr;
    IWICBitmapFrameDecode* frame = nullptr;
    IWICFormatConverter* converter = nullptr;
    Decoded out;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IWICImagingFactory, reinterpret_cast<void**>(&factory))) &&
              SUCCEEDED(factory->CreateDecoderFromFilename(file.wstring().c_str(), nullptr, GENERIC_READ,
                                                           WICDecodeMetadataCacheOnDemand, &decoder)) &&
              SUCCEEDED(decoder->GetFrame(0, &frame)) &&
              SUCCEEDED(factory->CreateFormatConverter(&converter)) &&
              SUCCEEDED(converter->Initialize(frame, GUID_WICPixelFormat32bppBGR, WICBitmapDitherTypeNone,
                                              nullptr, 0.0, WICBitmapPaletteTypeCustom)) &&
              SUCCEEDED(converter->GetSize(&out.width, &out.height));
    if (ok) {
        out.pixels.resize(static_cast<std::size_t>(out.width) * out.height);
        ok = SUCCEEDED(converter->CopyPixels(nullptr, out.width * 4, static_cast<UINT>(out.pixels.size() * 4),
                                             reinterpret_cast<BYTE*>(out.pixels.data())));
        for (std::uint32_t& p : out.pixels) p &= 0xFFFFFF;
    }
    for (IUnknown* object : std::initializer_list<IUnknown*>{converter, frame, decoder, factory}) {
        if (object != nullptr) object->Release();
    }
    if (!ok) return std::nullopt;
    return out;
}

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

class ZoneSave : public ::testing::Test {
  protected:
    void SetUp() override {
        folder =
            fs::temp_directory_path() / ("tolvo-zone-" + std::to_string(GetCurrentProcessId()) + "-" +
                                         ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
    }
    void TearDown() override { fs::remove_all(folder); }
    std::vector<fs::path> Files() const { return {fs::directory_iterator(folder), fs::directory_iterator()}; }
    fs::path folder;
    const ZoneScene scene = BuildZoneScene(ClearanceInput());
};

TEST_F(ZoneSave, PngDecodesBackToThePictureDrawnAtTwiceTheSvgsSize) {
    ASSERT_TRUE(SaveZoneDiagram(scene, folder / L"25_H7-g6.png"));
    const std::optional<Decoded> png = DecodeWithWic(folder / L"25_H7-g6.png");
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->width, 2u * kZoneSvgWidth);
    EXPECT_EQ(png->height, 2u * kZoneSvgHeight);
    const ZoneStyle exported;
    const std::unique_ptr<DibPicture> drawn =
        RenderZonePicture(scene, kZoneSvgWidth, kZoneSvgHeight, exported, 2.0);
    ASSERT_NE(drawn, nullptr);
    const Rows hole = RowsOf(*drawn, PixelOf(exported.holeFill));
    ASSERT_GE(hole.top, 0);
    // The corners, the middle, and across the hole's zone, where its fill runs.
    const UINT middle = static_cast<UINT>(hole.top + hole.bottom) / 2;
    for (UINT y : {0u, middle, png->height - 1}) {
        for (UINT x : {0u, png->width / 2, png->width - 1})
            EXPECT_EQ(png->Pixel(x, y), drawn->Pixel(static_cast<int>(x), static_cast<int>(y)))
                << x << "," << y;
    }
    int filled = 0;
    for (UINT x = 0; x < png->width; ++x) filled += png->Pixel(x, middle) == PixelOf(exported.holeFill);
    EXPECT_GT(filled, 100);
}

TEST_F(ZoneSave, SvgIsTheCoresDocumentWhateverTheExtensionsCase) {
    for (const wchar_t* name : {L"a.svg", L"b.SVG"}) {
        ASSERT_TRUE(SaveZoneDiagram(scene, folder / name));
        EXPECT_EQ(Read(folder / name), WriteZoneSvg(scene));
    }
}

TEST_F(ZoneSave, IntoAFolderFailsWithTheWritersProblemAndWritesNothing) {
    fs::create_directory(folder / L"taken.png");
    for (const char* extension : {"png", "svg"}) {
        SCOPED_TRACE(extension);
        const fs::path target = folder / (std::string("taken.") + extension);
        fs::create_directories(target);
        FileWriteProblem problem = FileWriteProblem::None;
        EXPECT_FALSE(SaveZoneDiagram(scene, target, &problem));
        EXPECT_EQ(problem, FileWriteProblem::Folder);
        EXPECT_TRUE(fs::is_empty(target));
    }
    EXPECT_EQ(Files().size(), 2u);
}

// The window itself: what the save command proposes and tells, what the
// paint and the copy give.
TEST_F(ZoneSave, WindowProposesTheFitsNameAndTellsWhyASaveFailed) {
    ZoneWindow window(nullptr);
    ASSERT_NE(window.Handle(), nullptr);
    window.SetInput(ClearanceInput());
    fs::path proposed;
    std::string asked;
    window.askSaveFile = [&](HWND, const fs::path& name, std::string_view extension) {
        proposed = name;
        asked = extension;
        return folder;  // a folder, as a careless choice in the dialog gives
    };
    std::wstring caption, text;
    window.showWarning = [&](HWND, const std::wstring& c, const std::wstring& t) {
        caption = c;
        text = t;
    };
    EXPECT_FALSE(window.SaveAs("png"));
    EXPECT_EQ(proposed.filename(), fs::path(L"25_H7-g6.png"));
    EXPECT_EQ(asked, "png");
    EXPECT_EQ(caption, Wide(ja::kZoneDiagramMenuItemText));
    EXPECT_EQ(text, Wide(ja::kZoneSaveFailedText) + L"\n" + folder.wstring() + L"\n" +
                        Wide(ja::kZoneSaveFolderText));
    EXPECT_TRUE(Files().empty());

    window.askSaveFile = [&](HWND, const fs::path&, std::string_view) { return fs::path(); };
    text.clear();
    EXPECT_FALSE(window.SaveAs("svg"));  // cancelled: nothing said, nothing written
    EXPECT_TRUE(text.empty());
    EXPECT_TRUE(Files().empty());
}

TEST_F(ZoneSave, WindowPaintsCopiesBitmapPngAndSvgAndHidesWhenClosed) {
    ZoneWindow window(nullptr);
    window.SetInput(InterferenceInput());
    window.PlaceBeside(nullptr);
    RECT client{};
    GetClientRect(window.Handle(), &client);
    ASSERT_GT(client.right, 0);
    DibPicture painted(client.right, client.bottom);
    SendMessageW(window.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(painted.Dc()), PRF_CLIENT);
    GdiFlush();
    EXPECT_GE(RowsOf(painted, PixelOf(ZoneStyle().shaftFill)).top, 0);
    EXPECT_EQ(painted.Pixel(1, 1), PixelOf(SystemZoneStyle().background));

    ASSERT_TRUE(window.CopyImage());
    ASSERT_TRUE(OpenClipboard(window.Handle()));
    auto bytes = [](UINT format) {
        HGLOBAL data = GetClipboardData(format);
        if (data == nullptr) return std::string();
        const auto* p = static_cast<const char*>(GlobalLock(data));
        std::string copy(p, GlobalSize(data));
        GlobalUnlock(data);
        return copy;
    };
    const std::string dib = bytes(CF_DIB);
    const std::string png = bytes(RegisterClipboardFormatW(L"PNG"));
    const std::string svg = bytes(RegisterClipboardFormatW(L"image/svg+xml"));
    CloseClipboard();
    ASSERT_GE(dib.size(), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, dib.data(), sizeof(header));
    EXPECT_EQ(header.biWidth, 2 * kZoneSvgWidth);
    EXPECT_EQ(header.biHeight, 2 * kZoneSvgHeight);
    EXPECT_EQ(header.biBitCount, 24);
    EXPECT_EQ(png.substr(0, 8), std::string("\x89PNG\r\n\x1a\n", 8));
    EXPECT_EQ(svg.substr(0, WriteZoneSvg(window.Scene()).size()), WriteZoneSvg(window.Scene()));

    // The title bar's close button hides it and tells the calculator, which then unchecks its option.
    int closings = 0;
    window.closed = [&] { ++closings; };
    window.Show();
    ASSERT_TRUE(window.IsShown());
    SendMessageW(window.Handle(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(window.IsShown());
    EXPECT_TRUE(IsWindow(window.Handle()));
    EXPECT_EQ(closings, 1);
}

}  // namespace
}  // namespace tolvo::win32
