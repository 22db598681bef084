#include "install/version_info.h"

#include <cwchar>

namespace quellon {

std::wstring VersionText(uint32_t ms, uint32_t ls, bool full) {
  wchar_t buf[64];
  if (full)
    swprintf(buf, 64, L"%u.%u.%u.%u", ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF);
  else
    swprintf(buf, 64, L"%u.%u", ms >> 16, ms & 0xFFFF);
  return buf;
}

double VersionNumber(const std::wstring& text) {
  // Digits, optionally one point and more digits; nothing else.
  if (text.empty()) return -1.0;
  double whole = 0, fraction = 0, scale = 1;
  bool point = false, digits = false;
  for (wchar_t ch : text) {
    if (ch == L'.' && !point) {
      point = true;
      continue;
    }
    if (ch < L'0' || ch > L'9') return -1.0;
    digits = true;
    if (point) {
      scale /= 10;
      fraction += (ch - L'0') * scale;
    } else {
      whole = whole * 10 + (ch - L'0');
    }
  }
  return digits ? whole + fraction : -1.0;
}

std::wstring TranslationKey(uint32_t translation) {
  wchar_t buf[16];
  swprintf(buf, 16, L"%04X%04X", translation & 0xFFFF, translation >> 16);
  return buf;
}

bool IsSupportedSystem(const OsVersion& v) {
  if (v.platformId != kPlatformNT) return false;
  if (v.major < 5 || v.major > 6) return false;
  return !(v.major == 6 && v.minor > 1);
}

bool IsWin2000OrLater(const OsVersion& v) { return v.platformId == kPlatformNT && v.major > 4; }
bool IsVistaOrLater(const OsVersion& v) { return v.platformId == kPlatformNT && v.major > 5; }
bool IsWin7OrLater(const OsVersion& v) {
  return v.platformId == kPlatformNT && (v.major > 6 || (v.major == 6 && v.minor >= 1));
}

}  // namespace quellon
