#pragma once
// PNG through Windows Imaging Component, part of Windows since Vista and Windows 7. The factory
// is WIC 1's: the newer one is missing on an unpatched Windows 7. COM must be initialised on
// the thread, as the shown window does.
#include "platform/png_codec.h"

namespace morvane::win32 {

class WicPngCodec final : public PngCodec {
 public:
  std::optional<Bytes> Encode(const BgraImage& image) override;
  std::optional<BgraImage> Decode(const Bytes& png) override;
};

}  // namespace morvane::win32
