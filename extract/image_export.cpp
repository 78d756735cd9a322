#include "extract/image_export.h"

#include "platform/program_texts.h"
#include "extract/write_failure.h"
#include "formats/dib_v5.h"

namespace morvane {

Outcome<BgraImage> PixelsOf(const GroupImage& image, PngCodec& codec) {
  if (image.shape.png || IsPng(image.bytes)) {
    auto pixels = codec.Decode(image.bytes);
    if (!pixels) return texts::kCannotReadImage;
    return std::move(*pixels);
  }
  DecodedDib dib = DecodeDib(image.bytes);
  if (!dib.image) return texts::kCannotReadImage;
  return std::move(*dib.image);
}

Outcome<Bytes> PngOf(const GroupImage& image, PngCodec& codec) {
  if (IsPng(image.bytes)) return image.bytes;
  auto pixels = PixelsOf(image, codec);
  if (!pixels) return pixels.failure();
  auto png = codec.Encode(*pixels);
  if (!png) return texts::kCannotWritePng;
  return std::move(*png);
}

std::optional<Message> CopyImage(const GroupImage& image, PngCodec& codec, Clipboard& clipboard) {
  auto pixels = PixelsOf(image, codec);
  if (!pixels) return pixels.failure();
  auto png = PngOf(image, codec);
  if (!png) return png.failure();
  if (!clipboard.PutImage(DibV5(*pixels), *png)) return texts::kCannotCopy;
  return std::nullopt;
}

std::optional<Message> SavePng(const GroupImage& image, const std::wstring& path, PngCodec& codec,
                               OutputFiles& files, PathNames& paths) {
  auto png = PngOf(image, codec);
  if (!png) return png.failure();
  const auto error = files.Write(path, {{png->data(), png->size()}});
  if (!error) return std::nullopt;
  const bool isFolder = error->code == system_error::kAccessDenied && paths.FolderExists(path);
  return CannotWriteFile(path, *error, isFolder);
}

}  // namespace morvane
