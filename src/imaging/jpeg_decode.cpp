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

// A picture the reader declines although libjpeg could read it.
struct Refused {
  const wchar_t* text = nullptr;
  ErrorKind kind = ErrorKind::BadData;
};

// All libjpeg calls of one decoding; a libjpeg error lands at the setjmp.
bool DecompressRun(jpeg_decompress_struct* d, ErrorManager* err, const uint8_t* data, size_t size, RgbImage* out,
                   Refused* refusal) {
  if (setjmp(err->jump)) return false;
  jpeg_create_decompress(d);
  jpeg_mem_src(d, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
  jpeg_read_header(d, TRUE);
  d->out_color_space = JCS_RGB;
  jpeg_start_decompress(d);
  if (static_cast<uint64_t>(d->output_width) * d->output_height > kMaxDecodePixels) {
    refusal->text = L"picture too large";
    return false;
  }
  if (!Grow(&out->pixels, static_cast<size_t>(d->output_width) * d->output_height * 3)) {
    refusal->text = L"out of memory";
    refusal->kind = ErrorKind::Failed;
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

Result<RgbImage> DecodeJpeg(const uint8_t* data, size_t size) {
  if (!data || size == 0) return jpeg::Refusal(L"no data");
  if (size > 0xFFFFFFFFu) return jpeg::Refusal(L"picture too large");
  RgbImage out;
  Refused refusal;
  ErrorManager err;
  jpeg::InitErrorManager(&err);
  jpeg_decompress_struct d;
  std::memset(&d, 0, sizeof d);
  d.err = &err.pub;
  DecompressGuard guard{&d};
  if (!DecompressRun(&d, &err, data, size, &out, &refusal)) {
    return refusal.text ? jpeg::Refusal(refusal.text, refusal.kind) : jpeg::LibraryError(err);
  }
  if (err.warned) return jpeg::LibraryError(err);
  return out;
}

Result<RgbImage> DecodeJpeg(const std::vector<uint8_t>& bytes) { return DecodeJpeg(bytes.data(), bytes.size()); }

}  // namespace quellon::imaging
