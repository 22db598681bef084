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
  Error LibraryError() const {
    return Refusal(image_.message[0] ? Utf8ToWide(image_.message) : std::wstring(L"unreadable data"));
  }
  static Error Refusal(const std::wstring& text, ErrorKind kind = ErrorKind::BadData) {
    return Error{kind, 0, L"PNG: " + text};
  }

 private:
  png_image image_;
};

}  // namespace

Result<RgbaImage> DecodePng(const uint8_t* data, size_t size) {
  if (!data || size == 0) return PngReader::Refusal(L"no data");
  PngReader reader;
  png_image& image = reader.image();
  if (!png_image_begin_read_from_memory(&image, data, size)) return reader.LibraryError();
  if (image.width == 0 || image.height == 0 ||
      static_cast<uint64_t>(image.width) * image.height > kMaxDecodePixels) {
    return PngReader::Refusal(L"picture too large");
  }
  image.format = PNG_FORMAT_RGBA;  // 8-bit sRGB, alpha not premultiplied
  RgbaImage out;
  try {
    out.pixels.resize(PNG_IMAGE_SIZE(image));
  } catch (const std::bad_alloc&) {
    return PngReader::Refusal(L"out of memory", ErrorKind::Failed);
  }
  if (!png_image_finish_read(&image, nullptr, out.pixels.data(), 0, nullptr)) return reader.LibraryError();
  out.width = static_cast<int>(image.width);
  out.height = static_cast<int>(image.height);
  return out;
}

Result<RgbaImage> DecodePng(const std::vector<uint8_t>& bytes) { return DecodePng(bytes.data(), bytes.size()); }

}  // namespace quellon::imaging
