// The decimal separator of the user's locale, for numbers stored as text.
#pragma once

namespace quellon {

wchar_t LocaleDecimalSeparator();

}  // namespace quellon
