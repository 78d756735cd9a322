#pragma once
// The system's PNG codec.
#include <optional>

#include "formats/icon_image.h"

namespace morvane {

class PngCodec {
 public:
  virtual ~PngCodec() = default;
  // A PNG file of the pixels, alpha kept; nothing when the codec is missing or fails.
  virtual std::optional<Bytes> Encode(const BgraImage& image) = 0;
  // The pixels of a PNG file, with straight alpha; nothing when it cannot be read.
  virtual std::optional<BgraImage> Decode(const Bytes& png) = 0;
};

}  // namespace morvane
