#include "imaging/png_decode.h"

#include <png.h>

#include <cstring>
#include <new>

#include "util/text.h"

namespace quellon::imaging {
namespace {

// libpng's simplified reader keeps its own jump buffer and turns every error
// into a zero result with a message; this owner frees what it allocated on
// each path.
class PngReader {
 public:
  PngReader() {
    std::memset(&image_, 0, sizeof image_);
    image_.version = PNG_IMAGE_VERSION;
  }
  ~PngReader() { png_image_free(&image_); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  png_image& image() { return image_; }
  std::wstring Message() const {
    return L"PNG: " + (image_.message[0] ? Utf8ToWide(image_.message) : std::wstring(L"unreadable data"));
  }

 private:
  png_image image_;
};

std::optional<RgbaImage> Fail(std::wstring* error, std::wstring message) {
  if (error) *error = std::move(message);
  return std::nullopt;
}

}  // namespace

std::optional<RgbaImage> DecodePng(const uint8_t* data, size_t size, std::wstring* error) {
  if (!data || size == 0) return Fail(error, L"PNG: no data");
  PngReader reader;
  png_image& image = reader.image();
  if (!png_image_begin_read_from_memory(&image, data, size)) return Fail(error, reader.Message());
  if (image.width == 0 || image.height == 0 ||
      static_cast<uint64_t>(image.width) * image.height > kMaxDecodePixels) {
    return Fail(error, L"PNG: picture too large");
  }
  image.format = PNG_FORMAT_RGBA;  // 8-bit sRGB, alpha not premultiplied
  RgbaImage out;
  try {
    out.pixels.resize(PNG_IMAGE_SIZE(image));
  } catch (const std::bad_alloc&) {
    return Fail(error, L"PNG: out of memory");
  }
  if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) {
    return Fail(error, reader.Message());
  }
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  return out;
}

std::optional<RgbaImage> DecodePng(const std::vector<uint8_t>& bytes, std::wstring* error) {
  return DecodePng(bytes.data(), bytes.size(), error);
}

}  // namespace quellon::imaging
