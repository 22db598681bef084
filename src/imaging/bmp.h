// Windows bitmap files (.bmp) from the rows a screen copy gives: a
// device-independent bitmap, bottom-up, each row padded to whole 32-bit
// words, uncompressed. 1, 4 and 8 bits index a palette; 16 bits are
// 5-5-5 (the top bit unused), 24 bits blue, green, red, 32 bits blue, green,
// red and an unused byte.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "imaging/image.h"

namespace quellon::imaging {

inline constexpr size_t kBmpFileHeaderSize = 14;
inline constexpr size_t kBmpInfoHeaderSize = 40;

// Bytes per row: width * bits rounded up to whole 32-bit words.
size_t DibStride(int width, int bitsPerPixel);

// The depth a bitmap file of a screen with this many bits per pixel is
// written at: the screen's own (15-bit screens give 16).
int BmpBitsForScreen(int screenBits);

struct DibRows {
  int width = 0;
  int height = 0;
  int bitsPerPixel = 0;
  std::vector<uint8_t> rows;  // height rows of DibStride bytes, the bottom row first
  // For 1, 4 and 8 bits: the colours as 0x00RRGGBB, at most 1 << bits.
  std::vector<uint32_t> palette;
};

// The whole file. The unused bits of 16- and 32-bit pixels and the row
// padding are written as zero: a reader that takes the fourth byte for
// alpha would otherwise show the picture transparent. Nothing when the rows
// do not fit the size and depth, or a palette depth has no palette.
std::optional<std::vector<uint8_t>> EncodeBmp(const DibRows& dib);

// A 24-bit DIB as a top-down RGB image (the JPEG encoder's input); nothing
// when the rows are not 24-bit or do not fit the size.
std::optional<RgbImage> RgbFromDib(const DibRows& dib);

}  // namespace quellon::imaging
