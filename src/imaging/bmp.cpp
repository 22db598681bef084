#include "imaging/bmp.h"

#include <cstdint>

namespace quellon::imaging {
namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

bool IsBmpDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32; }

// The rows are there in full for the size and depth.
bool Fits(const DibRows& dib) {
  if (dib.width <= 0 || dib.height <= 0 || !IsBmpDepth(dib.bitsPerPixel)) return false;
  const size_t stride = DibStride(dib.width, dib.bitsPerPixel);
  return stride <= SIZE_MAX / static_cast<size_t>(dib.height) &&
         dib.rows.size() >= stride * static_cast<size_t>(dib.height);
}

}  // namespace

size_t DibStride(int width, int bitsPerPixel) {
  if (width <= 0 || bitsPerPixel <= 0) return 0;
  return (static_cast<size_t>(width) * static_cast<size_t>(bitsPerPixel) + 31) / 32 * 4;
}

int BmpBitsForScreen(int screenBits) {
  if (screenBits <= 1) return 1;
  if (screenBits <= 4) return 4;
  if (screenBits <= 8) return 8;
  if (screenBits <= 16) return 16;
  if (screenBits <= 24) return 24;
  return 32;
}

std::optional<std::vector<uint8_t>> EncodeBmp(const DibRows& dib) {
  if (!Fits(dib)) return std::nullopt;
  const int bits = dib.bitsPerPixel;
  const bool indexed = bits <= 8;
  if (indexed && (dib.palette.empty() || dib.palette.size() > (size_t{1} << bits))) return std::nullopt;
  if (!indexed && !dib.palette.empty()) return std::nullopt;

  const size_t stride = DibStride(dib.width, bits);
  const size_t imageSize = stride * static_cast<size_t>(dib.height);
  const size_t offset = kBmpFileHeaderSize + kBmpInfoHeaderSize + dib.palette.size() * 4;
  if (imageSize > UINT32_MAX - offset) return std::nullopt;

  std::vector<uint8_t> out;
  out.reserve(offset + imageSize);
  // BITMAPFILEHEADER
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<uint32_t>(offset + imageSize));
  Put32(out, 0);  // two reserved words
  Put32(out, static_cast<uint32_t>(offset));
  // BITMAPINFOHEADER: positive height for bottom-up rows, BI_RGB, no
  // resolution (as the screen copy has none).
  Put32(out, kBmpInfoHeaderSize);
  Put32(out, static_cast<uint32_t>(dib.width));
  Put32(out, static_cast<uint32_t>(dib.height));
  Put16(out, 1);
  Put16(out, static_cast<uint32_t>(bits));
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(imageSize));
  Put32(out, 0);
  Put32(out, 0);
  Put32(out, static_cast<uint32_t>(dib.palette.size()));
  Put32(out, 0);
  for (uint32_t colour : dib.palette) Put32(out, colour & 0x00FFFFFF);  // RGBQUAD: blue, green, red, 0

  const size_t used = (static_cast<size_t>(dib.width) * bits + 7) / 8;
  for (int y = 0; y < dib.height; ++y) {
    const uint8_t* src = dib.rows.data() + static_cast<size_t>(y) * stride;
    const size_t start = out.size();
    out.insert(out.end(), src, src + used);
    out.resize(start + stride, 0);
    uint8_t* row = out.data() + start;
    if (bits == 16) {
      for (int x = 0; x < dib.width; ++x) row[x * 2 + 1] &= 0x7F;
    } else if (bits == 32) {
      for (int x = 0; x < dib.width; ++x) row[x * 4 + 3] = 0;
    } else if (bits < 8 && used * 8 > static_cast<size_t>(dib.width) * bits) {
      // The bits past the last pixel of a packed row.
      const int tail = static_cast<int>(used * 8 - static_cast<size_t>(dib.width) * bits);
      row[used - 1] &= static_cast<uint8_t>(0xFF << tail);
    }
  }
  return out;
}

std::optional<RgbImage> RgbFromDib(const DibRows& dib) {
  if (dib.bitsPerPixel != 24 || !Fits(dib)) return std::nullopt;
  const size_t stride = DibStride(dib.width, 24);
  RgbImage image;
  image.width = dib.width;
  image.height = dib.height;
  image.pixels.resize(static_cast<size_t>(dib.width) * dib.height * 3);
  for (int y = 0; y < dib.height; ++y) {
    const uint8_t* src = dib.rows.data() + static_cast<size_t>(dib.height - 1 - y) * stride;
    uint8_t* dst = image.pixels.data() + static_cast<size_t>(y) * dib.width * 3;
    for (int x = 0; x < dib.width; ++x) {
      dst[x * 3] = src[x * 3 + 2];
      dst[x * 3 + 1] = src[x * 3 + 1];
      dst[x * 3 + 2] = src[x * 3];
    }
  }
  return image;
}

}  // namespace quellon::imaging
