// The JPEG reader, for checking what the writer made.
#include <cstring>

#include "imaging/jpeg_codec.h"
#include "imaging/jpeg_error.h"

namespace quellon::imaging {
namespace {

using jpeg::ErrorManager;
using jpeg::Grow;

struct DecompressGuard {
  jpeg_decompress_struct* d;
  ~DecompressGuard() { jpeg_destroy_decompress(d); }
};

// All libjpeg calls of one decoding; a libjpeg error lands at the setjmp.
bool DecompressRun(jpeg_decompress_struct* d, ErrorManager* err, const uint8_t* data, size_t size, RgbImage* out,
                   const wchar_t** refusal) {
  if (setjmp(err->jump)) return false;
  jpeg_create_decompress(d);
  jpeg_mem_src(d, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(d, TRUE);
  d->out_color_space = JCS_RGB;
  jpeg_start_decompress(d);
  if (static_cast<uint64_t>(d->output_width) * d->output_height > kMaxDecodePixels) {
    *refusal = L"JPEG: picture too large";
    return false;
  }
  if (!Grow(&out->pixels, static_cast<size_t>(d->output_width) * d->output_height * 3)) {
    *refusal = L"JPEG: out of memory";
    return false;
  }
  const size_t stride = static_cast<size_t>(d->output_width) * 3;
  while (d->output_scanline < d->output_height) {
    JSAMPROW row = out->pixels.data() + d->output_scanline * stride;
    jpeg_read_scanlines(d, &row, 1);
  }
  jpeg_finish_decompress(d);
  out->width = static_cast<int>(d->output_width);
  out->height = static_cast<int>(d->output_height);
  return true;
}

}  // namespace

std::optional<RgbImage> DecodeJpeg(const uint8_t* data, size_t size, std::wstring* error) {
  if (!data || size == 0) return jpeg::Fail<RgbImage>(error, L"JPEG: no data");
  if (size > 0xFFFFFFFFu) return jpeg::Fail<RgbImage>(error, L"JPEG: picture too large");
  RgbImage out;
  const wchar_t* refusal = nullptr;
  ErrorManager err;
  jpeg::InitErrorManager(&err);
  jpeg_decompress_struct d;
  std::memset(&d, 0, sizeof d);
  d.err = &err.pub;
  DecompressGuard guard{&d};
  if (!DecompressRun(&d, &err, data, size, &out, &refusal)) {
    return jpeg::Fail<RgbImage>(error, refusal ? std::wstring(refusal) : jpeg::Message(err));
  }
  if (err.warned) return jpeg::Fail<RgbImage>(error, jpeg::Message(err));
  return out;
}

std::optional<RgbImage> DecodeJpeg(const std::vector<uint8_t>& bytes, std::wstring* error) {
  return DecodeJpeg(bytes.data(), bytes.size(), error);
}

}  // namespace quellon::imaging
