#include "imaging/image.h"

namespace quellon::imaging {

RgbaImage PremultiplyAlpha(const RgbaImage& image) {
  RgbaImage out = image;
  for (size_t i = 0; i + 3 < out.pixels.size(); i += 4) {
    const unsigned a = out.pixels[i + 3];
    for (size_t c = 0; c < 3; ++c) {
      out.pixels[i + c] = static_cast<uint8_t>((out.pixels[i + c] * a + 127) / 255);
    }
  }
  return out;
}

}  // namespace quellon::imaging
