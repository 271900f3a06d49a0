#include "ui/win32/png_writer.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

namespace tolvo::win32 {
namespace {

// Owns one reference of a COM object.
template <typename T>
class Com {
  public:
    Com() = default;
    ~Com() {
        if (p_ != nullptr) p_->Release();
    }
    Com(const Com&) = delete;
    Com& operator=(const Com&) = delete;
    T** Out() { return &p_; }
    T* operator->() const { return p_; }
    T* Get() const { return p_; }

  private:
    T* p_ = nullptr;
};

}  // namespace

ComScope::ComScope() {
    const HRESULT result = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    // S_FALSE: already started on this thread, still to be balanced.
    started_ = result == S_OK || result == S_FALSE;
}

ComScope::~ComScope() {
    if (started_) CoUninitialize();
}

std::optional<std::string> EncodePng(const DibPicture& picture) {
    if (!picture.Valid()) return std::nullopt;
    const UINT width = static_cast<UINT>(picture.Width()), height = static_cast<UINT>(picture.Height());
    const UINT stride = (width * 3 + 3) / 4 * 4;
    std::vector<BYTE> rows(static_cast<std::size_t>(stride) * height);
    for (UINT y = 0; y < height; ++y) {
        for (UINT x = 0; x < width; ++x) {
            const std::uint32_t pixel = picture.Pixel(static_cast<int>(x), static_cast<int>(y));
            BYTE* out = &rows[static_cast<std::size_t>(y) * stride + x * 3];
            out[0] = static_cast<BYTE>(pixel);
            out[1] = static_cast<BYTE>(pixel >> 8);
            out[2] = static_cast<BYTE>(pixel >> 16);
        }
    }

    ComScope com;
    Com<IWICImagingFactory> factory;
    Com<IStream> stream;
    Com<IWICBitmapEncoder> encoder;
    Com<IWICBitmapFrameEncode> frame;
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    bool ok = SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_IWICImagingFactory, reinterpret_cast<void**>(factory.Out()))) &&
              SUCCEEDED(CreateStreamOnHGlobal(nullptr, TRUE, stream.Out())) &&
              SUCCEEDED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.Out())) &&
              SUCCEEDED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) &&
              SUCCEEDED(encoder->CreateNewFrame(frame.Out(), nullptr)) &&
              SUCCEEDED(frame->Initialize(nullptr)) && SUCCEEDED(frame->SetSize(width, height)) &&
              SUCCEEDED(frame->SetPixelFormat(&format)) && IsEqualGUID(format, GUID_WICPixelFormat24bppBGR) &&
              SUCCEEDED(frame->WritePixels(height, stride, static_cast<UINT>(rows.size()), rows.data())) &&
              SUCCEEDED(frame->Commit()) && SUCCEEDED(encoder->Commit());
    if (!ok) return std::nullopt;

    STATSTG stat{};
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return std::nullopt;
    std::string bytes(static_cast<std::size_t>(stat.cbSize.QuadPart), '\0');
    const LARGE_INTEGER start{};
    ULONG read = 0;
    if (FAILED(stream->Seek(start, STREAM_SEEK_SET, nullptr)) ||
        FAILED(stream->Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) || read != bytes.size())
        return std::nullopt;
    return bytes;
}

}  // namespace tolvo::win32
