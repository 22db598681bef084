// The JPEG writer. The reader lives in jpeg_decode.cpp, so a program that
// only writes links none of libjpeg's decoder.
#include <cstring>
#include <vector>

#include "imaging/file_bytes.h"
#include "imaging/jpeg_codec.h"
#include "imaging/jpeg_error.h"

#include <jerror.h>

namespace quellon::imaging {
namespace {

using jpeg::ErrorManager;
using jpeg::Grow;

// Compressed output collected in a vector that grows by doubling.
struct VectorDestination {
  jpeg_destination_mgr pub;
  std::vector<uint8_t>* out;
};

void InitDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
  if (!Grow(dest->out, 64 * 1024)) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
  dest->pub.next_output_byte = dest->out->data();
  dest->pub.free_in_buffer = dest->out->size();
}

boolean EmptyOutputBuffer(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
  const size_t used = dest->out->size();
  if (!Grow(dest->out, used * 2)) ERREXIT(cinfo, JERR_OUT_OF_MEMORY);
  dest->pub.next_output_byte = dest->out->data() + used;
  dest->pub.free_in_buffer = dest->out->size() - used;
  return TRUE;
}

void TermDestination(j_compress_ptr cinfo) {
  auto* dest = reinterpret_cast<VectorDestination*>(cinfo->dest);
  dest->out->resize(dest->out->size() - dest->pub.free_in_buffer);
}

struct CompressGuard {
  jpeg_compress_struct* c;
  ~CompressGuard() { jpeg_destroy_compress(c); }
};

// All libjpeg calls of one encoding; a libjpeg error lands at the setjmp.
bool CompressRun(jpeg_compress_struct* c, ErrorManager* err, VectorDestination* dest, const RgbImage* image,
                 int quality) {
  if (setjmp(err->jump)) return false;
  jpeg_create_compress(c);
  c->dest = &dest->pub;
  c->image_width = static_cast<JDIMENSION>(image->width);
  c->image_height = static_cast<JDIMENSION>(image->height);
  c->input_components = 3;
  c->in_color_space = JCS_RGB;
  jpeg_set_defaults(c);  // YCbCr, sequential Huffman coding
  jpeg_set_quality(c, quality, TRUE /* baseline tables */);
  jpeg_start_compress(c, TRUE);
  const size_t stride = static_cast<size_t>(image->width) * 3;
  while (c->next_scanline < c->image_height) {
    JSAMPROW row = const_cast<JSAMPLE*>(image->pixels.data() + c->next_scanline * stride);
    jpeg_write_scanlines(c, &row, 1);
  }
  jpeg_finish_compress(c);
  return true;
}

}  // namespace

Result<std::vector<uint8_t>> EncodeJpeg(const RgbImage& image, int quality) {
  using Bytes = std::vector<uint8_t>;
  if (image.width <= 0 || image.height <= 0 || image.width > JPEG_MAX_DIMENSION ||
      image.height > JPEG_MAX_DIMENSION) {
    return jpeg::Refusal(L"unsupported picture size");
  }
  if (image.pixels.size() != static_cast<size_t>(image.width) * image.height * 3) {
    return jpeg::Refusal(L"pixel data does not match the picture size");
  }
  if (quality < 1 || quality > 100) return jpeg::Refusal(L"quality out of range");

  Bytes bytes;
  ErrorManager err;
  jpeg::InitErrorManager(&err);
  jpeg_compress_struct c;
  std::memset(&c, 0, sizeof c);
  c.err = &err.pub;
  VectorDestination dest;
  std::memset(&dest, 0, sizeof dest);
  dest.pub.init_destination = InitDestination;
  dest.pub.empty_output_buffer = EmptyOutputBuffer;
  dest.pub.term_destination = TermDestination;
  dest.out = &bytes;
  CompressGuard guard{&c};
  if (!CompressRun(&c, &err, &dest, &image, quality)) return jpeg::LibraryError(err);
  return bytes;
}

Status WriteJpegFile(const RgbImage& image, const std::wstring& path, int quality) {
  auto bytes = EncodeJpeg(image, quality);
  if (!bytes) return bytes.error();
  return WriteWholeFile(path, bytes.value());
}

}  // namespace quellon::imaging
