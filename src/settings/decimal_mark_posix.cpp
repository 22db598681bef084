#include <clocale>

#include "settings/decimal_mark.h"

namespace quellon {

wchar_t LocaleDecimalSeparator() {
  const std::lconv* lc = std::localeconv();
  if (lc && lc->decimal_point && lc->decimal_point[0] && !(lc->decimal_point[0] & 0x80))
    return static_cast<wchar_t>(lc->decimal_point[0]);
  return L'.';
}

}  // namespace quellon
