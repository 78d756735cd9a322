#pragma once
#include "formats/bytes.h"

namespace morvane {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Replaces what the clipboard holds with one image in three formats: CF_DIBV5, CF_DIB and
  // the registered format "PNG". False when the clipboard cannot be had.
  virtual bool PutImage(const Bytes& dibV5, const Bytes& dib, const Bytes& png) = 0;
};

}  // namespace morvane
