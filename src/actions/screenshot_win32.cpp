#include <windows.h>

#include <vector>

#include "actions/screenshot.h"
#include "imaging/jpeg_codec.h"
#include "os/win32/handles.h"

namespace quellon {
namespace {

// The pixels of a bitmap as bottom-up rows of the given depth.
bool ReadPixels(HDC dc, HBITMAP bitmap, int width, int height, WORD bits, std::vector<uint8_t>& pixels,
                BITMAPINFOHEADER& header) {
  header = {};
  header.biSize = sizeof(header);
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = bits;
  header.biCompression = BI_RGB;
  const size_t stride = ((static_cast<size_t>(width) * bits + 31) / 32) * 4;
  pixels.assign(stride * height, 0);
  header.biSizeImage = static_cast<DWORD>(pixels.size());
  return GetDIBits(dc, bitmap, 0, height, pixels.data(), reinterpret_cast<BITMAPINFO*>(&header),
                   DIB_RGB_COLORS) == height;
}

bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  win32::UniqueFile file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                     FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return false;
  DWORD written = 0;
  return WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
         written == bytes.size();
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
  std::vector<uint8_t> pixels;
  BITMAPINFOHEADER header;
  if (ScreenshotIsBitmap(fileName)) {
    // The screen's own depth where a bitmap file can hold it without a
    // palette; 24 bits below that.
    int depth = GetDeviceCaps(screen.get(), BITSPIXEL) * GetDeviceCaps(screen.get(), PLANES);
    WORD bits = depth >= 32 ? 32 : 24;
    if (!ReadPixels(screen.get(), hbm, width, height, bits, pixels, header)) return;
    BITMAPFILEHEADER fh = {};
    fh.bfType = 0x4D42;  // "BM"
    fh.bfOffBits = sizeof(fh) + sizeof(header);
    fh.bfSize = static_cast<DWORD>(fh.bfOffBits + pixels.size());
    std::vector<uint8_t> file(fh.bfOffBits);
    memcpy(file.data(), &fh, sizeof fh);
    memcpy(file.data() + sizeof fh, &header, sizeof header);
    file.insert(file.end(), pixels.begin(), pixels.end());
    WriteWholeFile(fileName, file);
    return;
  }
  if (!ReadPixels(screen.get(), hbm, width, height, 24, pixels, header)) return;
  imaging::RgbImage image;
  image.width = width;
  image.height = height;
  image.pixels.resize(static_cast<size_t>(width) * height * 3);
  const size_t stride = ((static_cast<size_t>(width) * 24 + 31) / 32) * 4;
  for (int y = 0; y < height; ++y) {
    const uint8_t* src = pixels.data() + (height - 1 - y) * stride;  // bottom-up BGR
    uint8_t* dst = image.pixels.data() + static_cast<size_t>(y) * width * 3;
    for (int x = 0; x < width; ++x) {
      dst[x * 3] = src[x * 3 + 2];
      dst[x * 3 + 1] = src[x * 3 + 1];
      dst[x * 3 + 2] = src[x * 3];
    }
  }
  imaging::WriteJpegFile(image, fileName);
}

}  // namespace quellon
