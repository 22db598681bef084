#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "imaging/bmp.h"

namespace quellon::imaging {
namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = v << 8 | b.at(at + i);
  return v;
}

// The fields of the two headers as a reader finds them.
struct Headers {
  uint32_t fileSize, reserved, offset;
  uint32_t infoSize, width, height, planes, bits, compression, imageSize, xRes, yRes, colours, important;
};

Headers Read(const std::vector<uint8_t>& f) {
  EXPECT_GE(f.size(), 54u);
  EXPECT_EQ(f[0], 'B');
  EXPECT_EQ(f[1], 'M');
  return {Le(f, 2, 4),  Le(f, 6, 4),  Le(f, 10, 4), Le(f, 14, 4), Le(f, 18, 4),
          Le(f, 22, 4), Le(f, 26, 2), Le(f, 28, 2), Le(f, 30, 4), Le(f, 34, 4),
          Le(f, 38, 4), Le(f, 42, 4), Le(f, 46, 4), Le(f, 50, 4)};
}

std::vector<uint8_t> Pixels(const std::vector<uint8_t>& f, uint32_t offset) {
  return std::vector<uint8_t>(f.begin() + offset, f.end());
}

TEST(ImagingBmpTest, RowStrideIsWholeWords) {
  struct Case {
    int width, bits;
    size_t stride;
  } cases[] = {{1, 1, 4},  {32, 1, 4},  {33, 1, 8},  {8, 4, 4},  {9, 4, 8},   {4, 8, 4},
               {5, 8, 8},  {2, 16, 4},  {3, 16, 8},  {1, 24, 4}, {4, 24, 12}, {5, 24, 16},
               {1, 32, 4}, {7, 32, 28}, {0, 24, 0}};
  for (const auto& c : cases) EXPECT_EQ(DibStride(c.width, c.bits), c.stride) << c.width << " x " << c.bits;
}

TEST(ImagingBmpTest, FileDepthIsTheScreensOwn) {
  struct Case {
    int screen, file;
  } cases[] = {{1, 1}, {4, 4}, {8, 8}, {15, 16}, {16, 16}, {24, 24}, {32, 32}};
  for (const auto& c : cases) EXPECT_EQ(BmpBitsForScreen(c.screen), c.file) << c.screen;
}

// The screen's rows as the device gives them, with the unused bits and the
// row padding set; the file must hold them at the same depth with those bits
// zero (a viewer that reads the fourth byte of 32-bit pixels as alpha would
// otherwise show the picture almost blank).
TEST(ImagingBmpTest, TrueColourScreensKeepTheirDepthWithUnusedBitsZero) {
  struct Case {
    const char* what;
    DibRows dib;
    std::vector<uint8_t> pixels;  // as the file holds them
  } cases[] = {
      {"16 bits, 3 x 2: 5-5-5 with the top bit set, 2 padding bytes a row",
       {3, 2, 16,
        {0x1F, 0x80, 0xE0, 0x83, 0x00, 0xFC, 0xAA, 0xBB,    // bottom: blue, green, red
         0xFF, 0xFF, 0x00, 0x00, 0x34, 0x12, 0xCC, 0xDD}},  // top: white, black, 0x1234
       {0x1F, 0x00, 0xE0, 0x03, 0x00, 0x7C, 0, 0, 0xFF, 0x7F, 0x00, 0x00, 0x34, 0x12, 0, 0}},
      {"32 bits, 2 x 2: the device's fourth byte set",
       {2, 2, 32,
        {0x10, 0x20, 0x30, 0xFF, 0x40, 0x50, 0x60, 0xFF, 0x70, 0x80, 0x90, 0x01, 0xA0, 0xB0, 0xC0, 0x80}},
       {0x10, 0x20, 0x30, 0, 0x40, 0x50, 0x60, 0, 0x70, 0x80, 0x90, 0, 0xA0, 0xB0, 0xC0, 0}},
      {"24 bits, 1 x 2: one padding byte a row",
       {1, 2, 24, {1, 2, 3, 0xEE, 4, 5, 6, 0xEE}},
       {1, 2, 3, 0, 4, 5, 6, 0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    auto file = EncodeBmp(c.dib);
    ASSERT_TRUE(file);
    Headers h = Read(*file);
    EXPECT_EQ(h.fileSize, 54u + c.pixels.size());
    EXPECT_EQ(file->size(), h.fileSize);
    EXPECT_EQ(h.reserved, 0u);
    EXPECT_EQ(h.offset, 54u);
    EXPECT_EQ(h.infoSize, 40u);
    EXPECT_EQ(h.width, static_cast<uint32_t>(c.dib.width));
    EXPECT_EQ(h.height, static_cast<uint32_t>(c.dib.height));  // positive: bottom-up
    EXPECT_EQ(h.planes, 1u);
    EXPECT_EQ(h.bits, static_cast<uint32_t>(c.dib.bitsPerPixel));
    EXPECT_EQ(h.compression, 0u);  // BI_RGB (5-5-5 at 16 bits)
    EXPECT_EQ(h.imageSize, c.pixels.size());
    EXPECT_EQ(h.xRes, 0u);
    EXPECT_EQ(h.yRes, 0u);
    EXPECT_EQ(h.colours, 0u);
    EXPECT_EQ(h.important, 0u);
    EXPECT_EQ(Pixels(*file, h.offset), c.pixels);
  }
}

// Palette screens: the colour table follows the headers and the pixels
// start after it; packed rows lose the bits past their last pixel.
TEST(ImagingBmpTest, PaletteDepthsWriteTheirColourTable) {
  DibRows eight{3, 1, 8, {0, 1, 2, 0x99}, {0x000000, 0xFF0000, 0x00FF80}};
  auto file = EncodeBmp(eight);
  ASSERT_TRUE(file);
  Headers h = Read(*file);
  EXPECT_EQ(h.bits, 8u);
  EXPECT_EQ(h.colours, 3u);
  EXPECT_EQ(h.offset, 54u + 12u);
  EXPECT_EQ(h.fileSize, 54u + 12u + 4u);
  EXPECT_EQ(std::vector<uint8_t>(file->begin() + 54, file->begin() + 66),
            (std::vector<uint8_t>{0, 0, 0, 0, 0, 0, 0xFF, 0, 0x80, 0xFF, 0, 0}));
  EXPECT_EQ(Pixels(*file, h.offset), (std::vector<uint8_t>{0, 1, 2, 0}));

  DibRows one{3, 1, 1, {0xFF, 0xFF, 0xFF, 0xFF}, {0x000000, 0xFFFFFF}};
  file = EncodeBmp(one);
  ASSERT_TRUE(file);
  EXPECT_EQ(Pixels(*file, Read(*file).offset), (std::vector<uint8_t>{0xE0, 0, 0, 0}));
}

TEST(ImagingBmpTest, RefusesRowsThatDoNotFit) {
  struct Case {
    const char* why;
    DibRows dib;
  } cases[] = {
      {"rows too short", {2, 2, 24, std::vector<uint8_t>(15)}},
      {"no width", {0, 2, 24, std::vector<uint8_t>(16)}},
      {"no height", {2, 0, 24, std::vector<uint8_t>(16)}},
      {"not a bitmap depth", {2, 2, 12, std::vector<uint8_t>(16)}},
      {"palette depth without a palette", {4, 1, 8, std::vector<uint8_t>(4)}},
      {"more colours than the depth holds", {4, 1, 1, std::vector<uint8_t>(4), {0, 1, 2}}},
      {"palette on a true-colour depth", {1, 1, 24, std::vector<uint8_t>(4), {0}}},
  };
  for (const auto& c : cases) EXPECT_FALSE(EncodeBmp(c.dib)) << c.why;
}

// The JPEG path: bottom-up blue-green-red rows become top-down RGB.
TEST(ImagingBmpTest, RgbFromDibTurnsRowsAndChannels) {
  DibRows dib{2, 2, 24,
              {1, 2, 3, 4, 5, 6, 0xEE, 0xEE,         // bottom row
               7, 8, 9, 10, 11, 12, 0xEE, 0xEE}};   // top row
  auto image = RgbFromDib(dib);
  ASSERT_TRUE(image);
  EXPECT_EQ(image->width, 2);
  EXPECT_EQ(image->height, 2);
  EXPECT_EQ(image->pixels, (std::vector<uint8_t>{9, 8, 7, 12, 11, 10, 3, 2, 1, 6, 5, 4}));

  dib.bitsPerPixel = 32;
  EXPECT_FALSE(RgbFromDib(dib));
  EXPECT_FALSE(RgbFromDib({2, 2, 24, std::vector<uint8_t>(15)}));
}

}  // namespace
}  // namespace quellon::imaging
