// PNG pictures, read with libpng. Any PNG the library reads (palette, grey,
// 16-bit, with or without transparency) comes out as 8-bit RGBA with straight
// alpha; damaged data gives no image and a message, never a crash.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imaging/image.h"

namespace quellon::imaging {

// On failure *error (when given) receives the reason, e.g. "PNG: Not a PNG
// file".
std::optional<RgbaImage> DecodePng(const uint8_t* data, size_t size, std::wstring* error = nullptr);
std::optional<RgbaImage> DecodePng(const std::vector<uint8_t>& bytes, std::wstring* error = nullptr);

}  // namespace quellon::imaging
