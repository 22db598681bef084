// The program's date-time type: a double counting days since
// 1899-12-30 00:00, the time of day as the fraction (as the registry's
// older time values and the platform's time picker store it).
#pragma once
#include <cstdint>
#include <string>

#include "util/exception.h"

namespace quellon {

using TDateTime = double;

struct DateTimeParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

// A value that cannot be converted; the message is the one the user sees.
class ConvertError : public Exception {
 public:
  using Exception::Exception;
};

constexpr double kMsPerDay = 86400000.0;
constexpr TDateTime kOneSecond = 1.0 / 86400.0;

// Whole days from 1899-12-30 to the given date (proleptic Gregorian).
int64_t DaysFromCivil(int year, int month, int day);
bool IsValidDate(int year, int month, int day);

// Throw ConvertError ("Invalid argument to date encode" / "... time encode").
TDateTime EncodeDate(int year, int month, int day);
TDateTime EncodeTime(int hour, int minute, int second, int millisecond);

// Rounds to the millisecond, as the platform's decoding does.
DateTimeParts DecodeDateTime(TDateTime value);
// Milliseconds since midnight of the value's time of day.
int64_t TimeOfDayMs(TDateTime value);

// Integer conversion as the runtime's StrToInt: optional blanks before an
// optional sign and decimal digits, nothing after. Throws ConvertError
// "''%s'' is not a valid integer value" (the text as QuotedValue gives it).
int StrToInt(const std::wstring& text);
bool TryStrToInt(const std::wstring& text, int& value);

}  // namespace quellon
