// JPEG pictures through libjpeg: the desktop screenshot is written as a
// colour, baseline (not progressive) JPEG of quality 90. Errors of the
// library come back as a BadData error with its text ("JPEG: ..."), never as
// a crash or an exit.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "imaging/image.h"
#include "util/result.h"

namespace quellon::imaging {

inline constexpr int kScreenshotJpegQuality = 90;

// The JPEG file's bytes.
Result<std::vector<uint8_t>> EncodeJpeg(const RgbImage& image, int quality = kScreenshotJpegQuality);

// Encodes first, then writes the whole file, replacing one that exists; a
// failed encoding leaves an existing file alone.
Status WriteJpegFile(const RgbImage& image, const std::wstring& path, int quality = kScreenshotJpegQuality);

// Reads a JPEG into RGB. Strict: data the library can only read with a
// warning (a cut-off file, say) counts as damaged.
Result<RgbImage> DecodeJpeg(const uint8_t* data, size_t size);
Result<RgbImage> DecodeJpeg(const std::vector<uint8_t>& bytes);

}  // namespace quellon::imaging
