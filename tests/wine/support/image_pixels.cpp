#include "support/image_pixels.h"

#include <windows.h>
#include <wincodec.h>

namespace {
template <typename T>
struct Releaser {
    T* p = nullptr;
    ~Releaser() {
        if (p) p->Release();
    }
};
}  // namespace

DecodedImage DecodeImageFile(const std::wstring& path) {
    DecodedImage image;
    const bool comStarted = SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED));
    {
        Releaser<IWICImagingFactory> factory;
        Releaser<IWICBitmapDecoder> decoder;
        Releaser<IWICBitmapFrameDecode> frame;
        Releaser<IWICFormatConverter> converter;
        if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                       IID_PPV_ARGS(&factory.p))) &&
            SUCCEEDED(factory.p->CreateDecoderFromFilename(path.c_str(), nullptr, GENERIC_READ,
                                                           WICDecodeMetadataCacheOnDemand, &decoder.p)) &&
            SUCCEEDED(decoder.p->GetFrame(0, &frame.p)) && SUCCEEDED(factory.p->CreateFormatConverter(&converter.p)) &&
            SUCCEEDED(converter.p->Initialize(frame.p, GUID_WICPixelFormat32bppBGRA, WICBitmapDitherTypeNone, nullptr,
                                              0.0, WICBitmapPaletteTypeCustom))) {
            UINT width = 0, height = 0;
            converter.p->GetSize(&width, &height);
            std::vector<uint8_t> pixels(static_cast<size_t>(width) * height * 4);
            if (SUCCEEDED(converter.p->CopyPixels(nullptr, width * 4, static_cast<UINT>(pixels.size()), pixels.data()))) {
                image.width = width;
                image.height = height;
                image.bgra = std::move(pixels);
            }
        }
    }
    if (comStarted) CoUninitialize();
    return image;
}
