#include "extract/image_export.h"

#include "extract/write_failure.h"
#include "formats/dib_v5.h"
#include "platform/program_texts.h"

namespace morvane {

Outcome<BgraImage> PixelsOf(const GroupImage& image, PngCodec& codec) {
  if (IsPng(image.bytes)) {
    auto pixels = codec.Decode(image.bytes);
    if (!pixels) return texts::kCannotReadImage;
    return std::move(*pixels);
  }
  DecodedDib dib = DecodeDib(image.bytes);
  if (!dib.image) return texts::kCannotReadImage;
  return std::move(*dib.image);
}

namespace {

// The image as PNG: as stored where it is one, else encoded from its pixels.
Outcome<Bytes> PngFrom(const GroupImage& image, const BgraImage& pixels, PngCodec& codec) {
  if (IsPng(image.bytes)) return image.bytes;
  auto png = codec.Encode(pixels);
  if (!png) return texts::kCannotWritePng;
  return std::move(*png);
}

// The bytes of its PNG file: an image stored as PNG unchanged, any other decoded and encoded.
Outcome<Bytes> PngOf(const GroupImage& image, PngCodec& codec) {
  if (IsPng(image.bytes)) return image.bytes;
  auto pixels = PixelsOf(image, codec);
  if (!pixels) return pixels.failure();
  return PngFrom(image, *pixels, codec);
}

}  // namespace

std::optional<Message> CopyImage(const GroupImage& image, PngCodec& codec, Clipboard& clipboard) {
  auto pixels = PixelsOf(image, codec);
  if (!pixels) return pixels.failure();
  auto png = PngFrom(image, *pixels, codec);  // the pixels decoded once serve both formats
  if (!png) return png.failure();
  if (!clipboard.PutImage(DibV5(*pixels), Dib(*pixels), *png)) return texts::kCannotCopy;
  return std::nullopt;
}

std::optional<Message> SavePng(const GroupImage& image, const std::wstring& path, PngCodec& codec,
                               OutputFiles& files, PathNames& paths) {
  auto png = PngOf(image, codec);
  if (!png) return png.failure();
  const auto error = files.Write(path, {{png->data(), png->size()}});
  if (!error) return std::nullopt;
  return CannotWriteFile(path, *error, paths);
}

}  // namespace morvane
