#include "imaging/resource_png_win32.h"

#include <cstring>
#include <utility>

#include "imaging/png_decode.h"
#include "os/win32/win_error.h"

namespace quellon::imaging {

Result<RgbaImage> DecodePngResource(HMODULE module, const wchar_t* name) {
  if (!module) module = ::GetModuleHandleW(nullptr);
  // Resources live as long as the module; nothing here needs freeing.
  HRSRC info = ::FindResourceW(module, name, RT_RCDATA);
  if (!info) return win32::LastError(L"FindResourceW");
  const DWORD size = ::SizeofResource(module, info);
  HGLOBAL loaded = ::LoadResource(module, info);
  if (!loaded || size == 0) return win32::LastError(L"LoadResource");
  const void* data = ::LockResource(loaded);
  if (!data) return win32::LastError(L"LockResource");
  return DecodePng(static_cast<const uint8_t*>(data), size);
}

win32::UniqueGdiObject CreateAlphaBitmap(const RgbaImage& image) {
  if (image.width <= 0 || image.height <= 0) return {};
  BITMAPINFO bi;
  std::memset(&bi, 0, sizeof bi);
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = image.width;
  bi.bmiHeader.biHeight = -image.height;  // top-down, like the image
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  win32::UniqueGdiObject bitmap(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  const RgbaImage pre = PremultiplyAlpha(image);
  auto* out = static_cast<uint8_t*>(bits);
  for (size_t i = 0; i + 3 < pre.pixels.size(); i += 4) {  // RGBA to BGRA
    out[i + 0] = pre.pixels[i + 2];
    out[i + 1] = pre.pixels[i + 1];
    out[i + 2] = pre.pixels[i + 0];
    out[i + 3] = pre.pixels[i + 3];
  }
  return bitmap;
}

}  // namespace quellon::imaging
