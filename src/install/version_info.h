// File versions and the systems the program runs on.
#pragma once
#include <cstdint>
#include <string>

namespace quellon {

// The fixed version block's two 32-bit words: "a.b" (short) or "a.b.c.d".
std::wstring VersionText(uint32_t fileVersionMS, uint32_t fileVersionLS, bool full);

// The short version text read as a decimal number with "." as the mark,
// whatever the user's locale: "2.50" gives 2.5, "5.10" gives 5.1; an empty
// or malformed text gives -1.0.
double VersionNumber(const std::wstring& shortText);

// Eight upper-case hex digits of a translation entry, language first
// (language 0x0409, code page 0x04E4 gives "040904E4").
std::wstring TranslationKey(uint32_t translation);

// Platform ids as GetVersionExW reports them.
constexpr uint32_t kPlatformWin32s = 0;
constexpr uint32_t kPlatformWindows = 1;  // the 9x family
constexpr uint32_t kPlatformNT = 2;

struct OsVersion {
  uint32_t platformId = kPlatformNT;
  uint32_t major = 6;
  uint32_t minor = 1;
};

// NT 5.x and 6.0 to 6.1 are supported; 6.2 and later, older NT and the 9x
// family are not.
bool IsSupportedSystem(const OsVersion& v);
bool IsWin2000OrLater(const OsVersion& v);
bool IsVistaOrLater(const OsVersion& v);
bool IsWin7OrLater(const OsVersion& v);

}  // namespace quellon
