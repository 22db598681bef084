#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/screenshot.h"
#include "imaging/jpeg_codec.h"

namespace quellon {
namespace {

std::vector<uint8_t> ReadAll(const std::wstring& path) {
  std::vector<uint8_t> bytes;
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return bytes;
  DWORD size = GetFileSize(h, nullptr), got = 0;
  bytes.resize(size);
  if (size) ReadFile(h, bytes.data(), size, &got, nullptr);
  CloseHandle(h);
  bytes.resize(got);
  return bytes;
}

std::wstring TempName(const wchar_t* name) {
  wchar_t dir[MAX_PATH + 1];
  GetTempPathW(MAX_PATH, dir);
  return std::wstring(dir) + name;
}

TEST(ScreenshotWin32Test, BitmapAndJpegOfThePrimaryScreen) {
  const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
  const std::wstring bmp = TempName(L"zub-shot.BMP"), png = TempName(L"zub-shot.png");
  TakeScreenshot(bmp);
  TakeScreenshot(png);
  std::vector<uint8_t> b = ReadAll(bmp);
  ASSERT_GT(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  const BITMAPINFOHEADER* info = reinterpret_cast<const BITMAPINFOHEADER*>(b.data() + sizeof(BITMAPFILEHEADER));
  EXPECT_EQ(info->biWidth, w);
  EXPECT_EQ(info->biHeight, h);

  std::vector<uint8_t> j = ReadAll(png);  // a png name receives JPEG content
  ASSERT_GT(j.size(), 4u);
  EXPECT_EQ(j[0], 0xFF);
  EXPECT_EQ(j[1], 0xD8);
  auto decoded = imaging::DecodeJpeg(j);
  ASSERT_TRUE(decoded.has_value());
  EXPECT_EQ(decoded->width, w);
  EXPECT_EQ(decoded->height, h);
  DeleteFileW(bmp.c_str());
  DeleteFileW(png.c_str());
}

TEST(ScreenshotWin32Test, MissingFolderWritesNothingAndSaysNothing) {
  const std::wstring path = TempName(L"no-such-folder-zub\\shot.jpg");
  TakeScreenshot(path);
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace quellon
