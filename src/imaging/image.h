// Pixel images in memory, as the picture codecs exchange them: 8 bits per
// channel, rows from the top, no padding between rows.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace quellon::imaging {

// Red, green, blue, alpha. Alpha is straight (not premultiplied): a pixel's
// colour is the same whatever its opacity; PremultiplyAlpha gives the form
// that AlphaBlend and 32-bit ARGB bitmaps expect.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 4 bytes

  const uint8_t* At(int x, int y) const {
    return &pixels[(static_cast<size_t>(y) * width + x) * 4];
  }
};

// Red, green, blue.
struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<uint8_t> pixels;  // width * height * 3 bytes

  const uint8_t* At(int x, int y) const {
    return &pixels[(static_cast<size_t>(y) * width + x) * 3];
  }
};

// The decoders refuse larger pictures before taking any pixel memory, so a
// file that claims huge dimensions cannot exhaust memory.
inline constexpr uint64_t kMaxDecodePixels = 16u * 1024u * 1024u;

// Each colour channel multiplied by alpha / 255, rounded to nearest.
RgbaImage PremultiplyAlpha(const RgbaImage& image);

}  // namespace quellon::imaging
