#include <windows.h>

#include <cstring>
#include <vector>

#include "actions/screenshot.h"
#include "imaging/bmp.h"
#include "imaging/file_bytes.h"
#include "imaging/jpeg_codec.h"
#include "os/win32/handles.h"

namespace quellon {
namespace {

// The bitmap's pixels as device-independent rows of the given depth, with
// the colour table for palette depths.
bool ReadRows(HDC dc, HBITMAP bitmap, int width, int height, int bits, imaging::DibRows& dib) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colours[256];
  } info = {};
  info.header.biSize = sizeof(info.header);
  info.header.biWidth = width;
  info.header.biHeight = height;  // bottom-up
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bits);
  info.header.biCompression = BI_RGB;
  dib = {width, height, bits, std::vector<uint8_t>(imaging::DibStride(width, bits) * height), {}};
  if (GetDIBits(dc, bitmap, 0, height, dib.rows.data(), reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS) !=
      height)
    return false;
  if (bits <= 8) {
    for (int i = 0; i < (1 << bits); ++i) {
      uint32_t colour;
      std::memcpy(&colour, &info.colours[i], sizeof colour);
      dib.palette.push_back(colour & 0x00FFFFFF);
    }
  }
  return true;
}

}  // namespace

void TakeScreenshot(const std::wstring& fileName) {
  const int width = GetSystemMetrics(SM_CXSCREEN);
  const int height = GetSystemMetrics(SM_CYSCREEN);
  if (width <= 0 || height <= 0) return;
  win32::ScopedGetDc screen(nullptr);
  if (!screen.get()) return;
  win32::UniqueGdiObject bitmap(CreateCompatibleBitmap(screen.get(), width, height));
  win32::UniqueDc memory(CreateCompatibleDC(screen.get()));
  if (!bitmap || !memory) return;
  {
    win32::ScopedSelectObject select(memory.get(), bitmap.get());
    if (!BitBlt(memory.get(), 0, 0, width, height, screen.get(), 0, 0, SRCCOPY)) return;
  }
  HBITMAP hbm = static_cast<HBITMAP>(bitmap.get());
  imaging::DibRows dib;
  if (ScreenshotIsBitmap(fileName)) {
    const int depth = GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES);
    if (!ReadRows(screen.get(), hbm, width, height, imaging::BmpBitsForScreen(depth), dib)) return;
    if (auto file = imaging::EncodeBmp(dib)) (void)imaging::WriteWholeFile(fileName, *file);
    return;
  }
  if (!ReadRows(screen.get(), hbm, width, height, 24, dib)) return;
  if (auto image = imaging::RgbFromDib(dib)) (void)imaging::WriteJpegFile(*image, fileName);
}

}  // namespace quellon
