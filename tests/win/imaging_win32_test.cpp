#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "imaging/file_bytes.h"
#include "imaging/jpeg_codec.h"
#include "imaging/png_decode.h"
#include "imaging/resource_png_win32.h"
#include "os/win32/handles.h"
#include "util/text.h"

namespace quellon::imaging {
namespace {

// The test executable carries no resources of its own: the pictures are read
// from the product file, loaded as data only (nothing of it runs).
class ProductResources : public ::testing::Test {
 protected:
  void SetUp() override {
    zub_.reset(::LoadLibraryExW(QUELLON_PRODUCT_DIR_W L"\\ZUB.exe", nullptr, LOAD_LIBRARY_AS_DATAFILE));
    ASSERT_TRUE(zub_) << "ZUB.exe not found in " << WideToUtf8(QUELLON_PRODUCT_DIR_W)
                      << " (build the windows preset first)";
  }
  win32::UniqueModule zub_;
};

TEST_F(ProductResources, MenuPicturesDecodeFromTheProgram) {
  struct Case {
    const wchar_t* name;
    int width, height;
    int red, green, blue;  // the centre's colour, within 40
  };
  const Case cases[] = {
      {L"XMenu1", 15, 15, 58, 63, 71},    // the dark star
      {L"XMenu2", 15, 14, 255, 210, 31},  // the yellow star
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(WideToUtf8(c.name));
    auto decoded = DecodePngResource(zub_.get(), c.name);
    ASSERT_TRUE(decoded) << WideToUtf8(decoded.error().message);
    const RgbaImage& image = decoded.value();
    EXPECT_EQ(image.width, c.width);
    EXPECT_EQ(image.height, c.height);
    EXPECT_EQ(image.At(0, 0)[3], 0);
    EXPECT_EQ(image.At(c.width - 1, c.height - 1)[3], 0);
    const uint8_t* centre = image.At(c.width / 2, c.height / 2);
    EXPECT_EQ(centre[3], 255);
    EXPECT_NEAR(centre[0], c.red, 40);
    EXPECT_NEAR(centre[1], c.green, 40);
    EXPECT_NEAR(centre[2], c.blue, 40);
  }
}

TEST_F(ProductResources, MissingPictureNamesTheFailedCall) {
  auto missing = DecodePngResource(zub_.get(), L"XMenu3");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().code, static_cast<uint32_t>(ERROR_RESOURCE_NAME_NOT_FOUND));
  EXPECT_EQ(missing.error().message, L"FindResourceW failed: " + missing.error().SystemText());
}

TEST_F(ProductResources, AlphaBitmapHoldsPremultipliedBgra) {
  auto decoded = DecodePngResource(zub_.get(), L"XMenu2");
  ASSERT_TRUE(decoded);
  const RgbaImage& image = decoded.value();
  win32::UniqueGdiObject bitmap = CreateAlphaBitmap(image);
  ASSERT_TRUE(bitmap);
  DIBSECTION dib{};
  ASSERT_EQ(::GetObjectW(bitmap.get(), sizeof dib, &dib), static_cast<int>(sizeof dib));
  EXPECT_EQ(dib.dsBm.bmWidth, 15);
  EXPECT_EQ(dib.dsBm.bmHeight, 14);
  EXPECT_EQ(dib.dsBm.bmBitsPixel, 32);
  ASSERT_NE(dib.dsBm.bmBits, nullptr);
  const auto* bits = static_cast<const uint8_t*>(dib.dsBm.bmBits);
  // Every pixel: BGRA order, no channel above its alpha (premultiplied).
  for (int y = 0; y < 14; ++y) {
    for (int x = 0; x < 15; ++x) {
      const uint8_t* p = bits + (y * 15 + x) * 4;
      const uint8_t* src = image.At(x, y);
      ASSERT_EQ(p[3], src[3]);
      ASSERT_EQ(p[2], (src[0] * src[3] + 127) / 255) << x << "," << y;
      ASSERT_EQ(p[0], (src[2] * src[3] + 127) / 255) << x << "," << y;
    }
  }
  EXPECT_EQ(std::vector<uint8_t>(bits, bits + 4), (std::vector<uint8_t>{0, 0, 0, 0}));
}

std::wstring TempFileName() {
  wchar_t dir[MAX_PATH + 1] = {};
  wchar_t file[MAX_PATH + 1] = {};
  EXPECT_GT(::GetTempPathW(MAX_PATH + 1, dir), 0u);
  EXPECT_NE(::GetTempFileNameW(dir, L"qjp", 0, file), 0u);
  return file;
}

TEST(JpegWin32Test, ScreenshotFileStartsWithTheJpegMarkerAndDecodes) {
  RgbImage picture{24, 16, std::vector<uint8_t>(24 * 16 * 3)};
  for (size_t i = 0; i < picture.pixels.size(); ++i) picture.pixels[i] = static_cast<uint8_t>(i * 7);
  const std::wstring path = TempFileName();  // exists, empty: the write replaces it
  Status written = WriteJpegFile(picture, path, kScreenshotJpegQuality);
  ASSERT_TRUE(written) << WideToUtf8(written.error().message);

  auto read = ReadWholeFile(path);
  ::DeleteFileW(path.c_str());
  ASSERT_TRUE(read) << WideToUtf8(read.error().message);
  const std::vector<uint8_t>& bytes = read.value();
  ASSERT_GT(bytes.size(), 2u);
  EXPECT_EQ(bytes[0], 0xFF);
  EXPECT_EQ(bytes[1], 0xD8);
  auto back = DecodeJpeg(bytes);
  ASSERT_TRUE(back) << WideToUtf8(back.error().message);
  EXPECT_EQ(back.value().width, 24);
  EXPECT_EQ(back.value().height, 16);
}

TEST(JpegWin32Test, FileInUseGivesTheSystemsReasonAndStaysUnchanged) {
  const std::wstring path = TempFileName();
  {
    // Another program holds the file open without sharing it.
    win32::UniqueFile holder(::CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                           FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(holder);
    RgbImage picture{8, 8, std::vector<uint8_t>(8 * 8 * 3, 128)};
    Status refused = WriteJpegFile(picture, path, kScreenshotJpegQuality);
    ASSERT_FALSE(refused.ok());
    EXPECT_EQ(refused.error().code, static_cast<uint32_t>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(refused.error().message, L"CreateFileW failed: " + refused.error().SystemText());
  }
  auto bytes = ReadWholeFile(path);
  ASSERT_TRUE(bytes.ok());
  EXPECT_TRUE(bytes.value().empty()) << "the file in use was changed";
  ::DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace quellon::imaging
