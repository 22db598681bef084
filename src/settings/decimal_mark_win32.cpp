#include <windows.h>

#include "settings/decimal_mark.h"

namespace quellon {

wchar_t LocaleDecimalSeparator() {
  wchar_t buf[8] = {};
  if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, buf, 8) > 1) return buf[0];
  return L'.';
}

}  // namespace quellon
