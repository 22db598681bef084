// JPEG pictures through libjpeg: the desktop screenshot is written as a
// colour, baseline (not progressive) JPEG of quality 90. Errors of the
// library come back as a message, never as a crash or an exit.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "imaging/image.h"

namespace quellon::imaging {

inline constexpr int kScreenshotJpegQuality = 90;

// The JPEG file's bytes; nothing on failure, with the reason in *error.
std::optional<std::vector<uint8_t>> EncodeJpeg(const RgbImage& image, int quality = kScreenshotJpegQuality,
                                               std::wstring* error = nullptr);

// Encodes first, then writes the whole file, replacing one that exists; a
// failed encoding leaves an existing file alone. False with *error on
// failure.
bool WriteJpegFile(const RgbImage& image, const std::wstring& path, int quality = kScreenshotJpegQuality,
                   std::wstring* error = nullptr);

// Reads a JPEG into RGB. Strict: data the library can only read with a
// warning (a cut-off file, say) counts as damaged.
std::optional<RgbImage> DecodeJpeg(const uint8_t* data, size_t size, std::wstring* error = nullptr);
std::optional<RgbImage> DecodeJpeg(const std::vector<uint8_t>& bytes, std::wstring* error = nullptr);

}  // namespace quellon::imaging
