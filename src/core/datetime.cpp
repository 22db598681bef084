#include "core/datetime.h"

#include <cmath>

#include "util/text.h"

namespace quellon {

namespace {

// Days since 1970-01-01 for a civil date (H. Hinnant's algorithm).
int64_t DaysFromUnixCivil(int64_t y, unsigned m, unsigned d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void CivilFromUnixDays(int64_t z, int& year, int& month, int& day) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t y = static_cast<int64_t>(yoe) + era * 400;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(y + (month <= 2));
}

constexpr int64_t kUnixDayOfBase = -25569;  // 1899-12-30 in days since 1970-01-01

}  // namespace

int64_t DaysFromCivil(int year, int month, int day) {
  return DaysFromUnixCivil(year, static_cast<unsigned>(month), static_cast<unsigned>(day)) -
         kUnixDayOfBase;
}

bool IsValidDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1) return false;
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  int last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  return day <= last;
}

TDateTime EncodeDate(int year, int month, int day) {
  if (!IsValidDate(year, month, day)) throw ConvertError(L"Invalid argument to date encode");
  return static_cast<TDateTime>(DaysFromCivil(year, month, day));
}

TDateTime EncodeTime(int hour, int minute, int second, int millisecond) {
  if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59 ||
      millisecond < 0 || millisecond > 999)
    throw ConvertError(L"Invalid argument to time encode");
  int64_t ms = ((hour * 60 + minute) * 60 + second) * 1000LL + millisecond;
  return static_cast<double>(ms) / kMsPerDay;
}

DateTimeParts DecodeDateTime(TDateTime value) {
  // Whole milliseconds since the base, rounded; the time of a negative
  // value counts from its own midnight towards later, as for positive ones.
  double days = std::floor(value);
  double frac = std::fabs(value - days);
  if (value < 0) {
    days = std::ceil(value);
    frac = std::fabs(value - days);
  }
  int64_t ms = static_cast<int64_t>(std::llround(frac * kMsPerDay));
  int64_t dayNumber = static_cast<int64_t>(days);
  if (ms >= 86400000) {
    ms -= 86400000;
    dayNumber += value < 0 ? -1 : 1;
  }
  DateTimeParts p;
  CivilFromUnixDays(dayNumber + kUnixDayOfBase, p.year, p.month, p.day);
  p.hour = static_cast<int>(ms / 3600000);
  p.minute = static_cast<int>(ms / 60000 % 60);
  p.second = static_cast<int>(ms / 1000 % 60);
  p.millisecond = static_cast<int>(ms % 1000);
  return p;
}

int64_t TimeOfDayMs(TDateTime value) {
  DateTimeParts p = DecodeDateTime(value);
  return ((p.hour * 60LL + p.minute) * 60 + p.second) * 1000 + p.millisecond;
}

bool TryStrToInt(const std::wstring& text, int& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';
  if (i >= text.size()) return false;
  int64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    v = v * 10 + (text[i] - L'0');
    if (v > 2147483648LL) return false;
  }
  if (negative) v = -v;
  if (v > 2147483647LL) return false;
  value = static_cast<int>(v);
  return true;
}

int StrToInt(const std::wstring& text) {
  int v = 0;
  if (!TryStrToInt(text, v))
    throw ConvertError(L"''" + QuotedValue(text) + L"'' is not a valid integer value");
  return v;
}

}  // namespace quellon
