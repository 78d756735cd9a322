#include "formats/icon_image.h"

#include "formats/group_directory.h"

namespace morvane {

namespace {

constexpr std::uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr std::size_t kInfoHeaderSize = 40;
constexpr int kLargestSide = 1024;

std::uint32_t BigEndian32(const std::uint8_t* at) {
  return std::uint32_t{at[0]} << 24 | std::uint32_t{at[1]} << 16 | std::uint32_t{at[2]} << 8 |
         at[3];
}

int ChannelsOf(std::uint8_t colourType) {
  switch (colourType) {
    case 0:
      return 1;  // grey
    case 2:
      return 3;  // RGB
    case 3:
      return 1;  // palette
    case 4:
      return 2;  // grey and alpha
    case 6:
      return 4;  // RGBA
  }
  return 0;
}

// The header fields of a DIB that the decoder uses.
struct DibHeader {
  std::uint32_t size;  // of the header; the palette follows it
  std::int32_t width, height;
  std::uint16_t bits;
  std::uint32_t compression, coloursUsed;
};

std::optional<DibHeader> ReadDibHeader(const Bytes& image) {
  if (image.size() < kInfoHeaderSize) return std::nullopt;
  const std::uint8_t* at = image.data();
  DibHeader header{ReadU32(at),
                   static_cast<std::int32_t>(ReadU32(at + 4)),
                   static_cast<std::int32_t>(ReadU32(at + 8)),
                   ReadU16(at + 14),
                   ReadU32(at + 16),
                   ReadU32(at + 32)};
  if (header.size < kInfoHeaderSize || header.size > image.size()) return std::nullopt;
  return header;
}

std::uint64_t RowBytes(std::uint64_t width, std::uint64_t bits) {
  return (width * bits + 31) / 32 * 4;
}

}  // namespace

bool IsPng(const Bytes& image) {
  if (image.size() < sizeof kPngSignature) return false;
  for (std::size_t i = 0; i < sizeof kPngSignature; ++i) {
    if (image[i] != kPngSignature[i]) return false;
  }
  return true;
}

std::optional<ImageShape> ShapeFromHeader(const Bytes& image) {
  if (IsPng(image)) {
    // The signature, then the IHDR chunk: its length, its type, width, height, depth, colour.
    if (image.size() < 8 + 8 + 10 || BigEndian32(&image[12]) != 0x49484452) return std::nullopt;
    const int channels = ChannelsOf(image[25]), depth = image[24];
    const std::uint32_t width = BigEndian32(&image[16]), height = BigEndian32(&image[20]);
    const bool knownDepth = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16;
    if (channels == 0 || !knownDepth || width == 0 || height == 0 || width > 0x7FFFFFFF ||
        height > 0x7FFFFFFF) {
      return std::nullopt;
    }
    return ImageShape{static_cast<int>(width), static_cast<int>(height), depth * channels, true};
  }
  const auto header = ReadDibHeader(image);
  if (!header || header->width <= 0 || header->height <= 1 || header->bits == 0)
    return std::nullopt;
  return ImageShape{header->width, header->height / 2, header->bits, false};
}

ImageShape ShapeFromEntry(const Bytes& directory, std::size_t entry) {
  const std::uint8_t* at = &directory[group_directory::EntryOffset(entry)];
  return {at[0] == 0 ? 256 : at[0], at[1] == 0 ? 256 : at[1], ReadU16(at + 6), false};
}

DecodedDib DecodeDib(const Bytes& image) {
  const auto header = ReadDibHeader(image);
  if (!header) return {std::nullopt, DibFailure::NoHeader};
  const int bits = header->bits;
  const bool paletted = bits == 1 || bits == 4 || bits == 8;
  if ((!paletted && bits != 24 && bits != 32) || header->compression != 0 || header->width <= 0 ||
      header->height <= 1 || header->width > kLargestSide || header->height / 2 > kLargestSide) {
    return {std::nullopt, DibFailure::Unsupported};
  }
  const std::uint64_t width = static_cast<std::uint64_t>(header->width);
  const std::uint64_t height = static_cast<std::uint64_t>(header->height / 2);
  const std::uint64_t colours =
      paletted ? (header->coloursUsed ? header->coloursUsed : 1u << bits) : 0;
  if (paletted && colours > (1u << bits)) return {std::nullopt, DibFailure::Unsupported};
  const std::uint64_t palette = header->size;
  const std::uint64_t colour = palette + 4 * colours;
  const std::uint64_t colourRow = RowBytes(width, bits), maskRow = RowBytes(width, 1);
  const std::uint64_t mask = colour + colourRow * height;
  if (mask + maskRow * height > image.size()) return {std::nullopt, DibFailure::Truncated};

  BgraImage out{header->width, header->height / 2, Bytes(width * height * 4)};
  bool anyAlpha = false;
  for (std::uint64_t y = 0; y < height; ++y) {
    const std::uint8_t* row = &image[colour + colourRow * (height - 1 - y)];  // bottom-up
    std::uint8_t* to = &out.pixels[width * 4 * y];
    for (std::uint64_t x = 0; x < width; ++x, to += 4) {
      if (bits == 32) {
        for (int c = 0; c < 4; ++c) to[c] = row[x * 4 + c];
        anyAlpha = anyAlpha || to[3] != 0;
        continue;
      }
      if (bits == 24) {
        for (int c = 0; c < 3; ++c) to[c] = row[x * 3 + c];
        continue;
      }
      const std::uint64_t bit = x * bits;
      const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
      if (index >= colours) continue;  // past a palette that says it is shorter: black
      for (int c = 0; c < 3; ++c) to[c] = image[palette + 4 * index + c];
    }
  }
  if (anyAlpha) return {std::move(out), DibFailure::NoHeader};
  // Transparency from the AND mask: a set bit is a transparent pixel.
  for (std::uint64_t y = 0; y < height; ++y) {
    const std::uint8_t* row = &image[mask + maskRow * (height - 1 - y)];
    std::uint8_t* to = &out.pixels[width * 4 * y];
    for (std::uint64_t x = 0; x < width; ++x, to += 4) {
      const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
      if (transparent) {
        to[0] = to[1] = to[2] = to[3] = 0;
      } else {
        to[3] = 0xFF;
      }
    }
  }
  return {std::move(out), DibFailure::NoHeader};
}

}  // namespace morvane
