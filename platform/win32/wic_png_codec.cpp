#include "platform/win32/wic_png_codec.h"

#include <windows.h>
#include <wincodec.h>
#include <wrl/client.h>

#include "platform/win32/late_bound.h"

namespace morvane::win32 {

namespace {

using Microsoft::WRL::ComPtr;

constexpr UINT kLargestPngSide = 4096;  // more than any icon's image

ComPtr<IWICImagingFactory> Factory() {
  ComPtr<IWICImagingFactory> factory;
  late::CoCreateInstance(CLSID_WICImagingFactory1, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(&factory));
  return factory;
}

// What the stream holds, from its start.
std::optional<Bytes> ContentsOf(IStream& stream) {
  STATSTG stat{};
  if (FAILED(stream.Stat(&stat, STATFLAG_NONAME)) || stat.cbSize.QuadPart > 0x7FFFFFFF) {
    return std::nullopt;
  }
  Bytes bytes(static_cast<std::size_t>(stat.cbSize.QuadPart));
  ULONG read = 0;
  if (FAILED(stream.Seek({}, STREAM_SEEK_SET, nullptr)) ||
      FAILED(stream.Read(bytes.data(), static_cast<ULONG>(bytes.size()), &read)) ||
      read != bytes.size()) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::optional<Bytes> WicPngCodec::Encode(const BgraImage& image) {
  const auto factory = Factory();
  ComPtr<IStream> stream;
  ComPtr<IWICBitmapEncoder> encoder;
  ComPtr<IWICBitmapFrameEncode> frame;
  if (!factory || FAILED(late::CreateStreamOnHGlobal(nullptr, TRUE, &stream)) ||
      FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
      FAILED(encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache)) ||
      FAILED(encoder->CreateNewFrame(&frame, nullptr)) || FAILED(frame->Initialize(nullptr)) ||
      FAILED(frame->SetSize(static_cast<UINT>(image.width), static_cast<UINT>(image.height)))) {
    return std::nullopt;
  }
  WICPixelFormatGUID format = GUID_WICPixelFormat32bppBGRA;
  if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat32bppBGRA) {
    return std::nullopt;
  }
  auto* pixels = const_cast<BYTE*>(image.pixels.data());
  if (FAILED(frame->WritePixels(static_cast<UINT>(image.height), static_cast<UINT>(image.width) * 4,
                                static_cast<UINT>(image.pixels.size()), pixels)) ||
      FAILED(frame->Commit()) || FAILED(encoder->Commit())) {
    return std::nullopt;
  }
  return ContentsOf(*stream.Get());
}

std::optional<BgraImage> WicPngCodec::Decode(const Bytes& png) {
  const auto factory = Factory();
  ComPtr<IWICStream> stream;
  ComPtr<IWICBitmapDecoder> decoder;
  ComPtr<IWICBitmapFrameDecode> frame;
  ComPtr<IWICFormatConverter> converter;
  if (!factory || png.empty() || png.size() > 0x7FFFFFFF ||
      FAILED(factory->CreateStream(&stream)) ||
      FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(png.data()),
                                          static_cast<DWORD>(png.size()))) ||
      FAILED(factory->CreateDecoderFromStream(stream.Get(), nullptr, WICDecodeMetadataCacheOnDemand,
                                              &decoder)) ||
      FAILED(decoder->GetFrame(0, &frame)) || FAILED(factory->CreateFormatConverter(&converter)) ||
      FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                   WICBitmapDitherTypeNone, nullptr, 0,
                                   WICBitmapPaletteTypeCustom))) {
    return std::nullopt;
  }
  UINT width = 0, height = 0;
  if (FAILED(converter->GetSize(&width, &height)) || width == 0 || height == 0 ||
      width > kLargestPngSide || height > kLargestPngSide) {
    return std::nullopt;
  }
  BgraImage image{static_cast<int>(width), static_cast<int>(height),
                  Bytes(std::size_t{width} * height * 4)};
  if (FAILED(converter->CopyPixels(nullptr, width * 4, static_cast<UINT>(image.pixels.size()),
                                   image.pixels.data()))) {
    return std::nullopt;
  }
  return image;
}

}  // namespace morvane::win32
