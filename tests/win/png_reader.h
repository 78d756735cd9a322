#pragma once
// A reading of PNG files of 8-bit RGBA or RGB, with zlib and the PNG filters: the tests' own,
// independent of the codec that Morvane writes them with.
#include <cstdint>
#include <optional>
#include <vector>

namespace morvane::testing {

struct RgbaPixels {
  int width = 0, height = 0;
  std::vector<std::uint32_t> argb;  // top-down, 0xAARRGGBB
};

std::optional<RgbaPixels> ReadPng(const std::vector<unsigned char>& png);

}  // namespace morvane::testing
