// PNG pictures, read with libpng. Any PNG the library reads (palette, grey,
// 16-bit, with or without transparency) comes out as 8-bit RGBA with straight
// alpha; damaged data gives an error, never a crash.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "imaging/image.h"
#include "util/result.h"

namespace quellon::imaging {

// Damaged data is BadData with the reason, e.g. "PNG: Not a PNG file".
Result<RgbaImage> DecodePng(const uint8_t* data, size_t size);
Result<RgbaImage> DecodePng(const std::vector<uint8_t>& bytes);

}  // namespace quellon::imaging
