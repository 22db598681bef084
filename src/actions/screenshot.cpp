#include "actions/screenshot.h"

#include "util/text.h"

namespace quellon {

bool ScreenshotIsBitmap(const std::wstring& fileName) {
  size_t dot = fileName.find_last_of(L'.');
  size_t sep = fileName.find_last_of(L"\\/");
  if (dot == std::wstring::npos || (sep != std::wstring::npos && dot < sep)) return false;
  return AsciiLower(fileName.substr(dot)) == L".bmp";
}

}  // namespace quellon
