#include "actions/screenshot.h"

#include "platform/path_rules.h"
#include "util/text.h"

namespace quellon {

bool ScreenshotIsBitmap(const std::wstring& fileName) {
  return AsciiLower(FileExtension(fileName)) == L".bmp";
}

}  // namespace quellon
