#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "actions/screenshot.h"
#include "imaging/jpeg_codec.h"
#include "os/win32/handles.h"

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
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(decoded.value().width, w);
  EXPECT_EQ(decoded.value().height, h);
  DeleteFileW(bmp.c_str());
  DeleteFileW(png.c_str());
}

// A pure red window in the screen's top left corner, painted before the
// picture is taken.
class RedPatch {
 public:
  static constexpr int kLeft = 20, kTop = 30, kSize = 80;
  RedPatch() : brush_(CreateSolidBrush(RGB(255, 0, 0))) {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = static_cast<HBRUSH>(brush_.get());
    wc.lpszClassName = L"QuellonScreenshotRed";
    RegisterClassW(&wc);
    window_.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, wc.lpszClassName, L"", WS_POPUP | WS_VISIBLE,
                                  kLeft, kTop, kSize, kSize, nullptr, nullptr, wc.hInstance, nullptr));
    UpdateWindow(window_.get());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    GdiFlush();
  }
  ~RedPatch() {
    window_.reset();
    UnregisterClassW(L"QuellonScreenshotRed", GetModuleHandleW(nullptr));
  }
  explicit operator bool() const { return static_cast<bool>(window_); }

 private:
  win32::UniqueGdiObject brush_;
  win32::UniqueWindow window_;
};

// The file holds the screen's own depth, its pixels show what the screen
// shows, and the unused fourth byte of 32-bit pixels is zero (viewers that
// read it as alpha would show a blank picture).
TEST(ScreenshotWin32Test, BitmapIsAtTheScreensDepthWithTheScreensColours) {
  RedPatch red;
  ASSERT_TRUE(red);
  HDC dc = GetDC(nullptr);
  const int depth = GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES);
  ReleaseDC(nullptr, dc);
  const std::wstring bmp = TempName(L"zub-depth.bmp");
  TakeScreenshot(bmp);
  std::vector<uint8_t> b = ReadAll(bmp);
  DeleteFileW(bmp.c_str());
  ASSERT_GT(b.size(), sizeof(BITMAPFILEHEADER) + sizeof(BITMAPINFOHEADER));
  BITMAPFILEHEADER file;
  BITMAPINFOHEADER info;
  memcpy(&file, b.data(), sizeof file);
  memcpy(&info, b.data() + sizeof file, sizeof info);
  EXPECT_EQ(file.bfSize, b.size());
  EXPECT_EQ(info.biBitCount, depth == 15 ? 16 : depth);
  EXPECT_EQ(info.biCompression, static_cast<DWORD>(BI_RGB));
  const size_t stride = (static_cast<size_t>(info.biWidth) * info.biBitCount + 31) / 32 * 4;
  ASSERT_EQ(b.size(), file.bfOffBits + stride * info.biHeight);

  // The middle of the red window, rows counted from the bottom.
  const int x = RedPatch::kLeft + RedPatch::kSize / 2, y = RedPatch::kTop + RedPatch::kSize / 2;
  const uint8_t* row = b.data() + file.bfOffBits + stride * (info.biHeight - 1 - y);
  switch (info.biBitCount) {
    case 16:
      EXPECT_EQ(row[x * 2] | row[x * 2 + 1] << 8, 0x7C00);  // 5-5-5 red
      break;
    case 24:
    case 32: {
      const uint8_t* p = row + x * (info.biBitCount / 8);
      EXPECT_EQ(p[0], 0);  // blue, green, red
      EXPECT_EQ(p[1], 0);
      EXPECT_EQ(p[2], 255);
      break;
    }
    default:
      break;  // palette screens are not made under Xvfb
  }
  if (info.biBitCount != 32) return;
  size_t nonZero = 0;
  for (size_t i = file.bfOffBits + 3; i < b.size(); i += 4) nonZero += b[i] != 0;
  EXPECT_EQ(nonZero, 0u);
}

TEST(ScreenshotWin32Test, JpegShowsTheScreensColours) {
  RedPatch red;
  ASSERT_TRUE(red);
  const std::wstring jpg = TempName(L"zub-colours.jpg");
  TakeScreenshot(jpg);
  std::vector<uint8_t> j = ReadAll(jpg);
  DeleteFileW(jpg.c_str());
  auto decoded = imaging::DecodeJpeg(j);
  ASSERT_TRUE(decoded);
  const uint8_t* p = decoded.value().At(RedPatch::kLeft + RedPatch::kSize / 2, RedPatch::kTop + RedPatch::kSize / 2);
  EXPECT_GT(p[0], 230);  // red, with the encoder's loss
  EXPECT_LT(p[1], 25);
  EXPECT_LT(p[2], 25);
}

TEST(ScreenshotWin32Test, MissingFolderWritesNothingAndSaysNothing) {
  const std::wstring path = TempName(L"no-such-folder-zub\\shot.jpg");
  TakeScreenshot(path);
  EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace quellon
