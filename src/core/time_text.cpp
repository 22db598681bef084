#include "core/time_text.h"

#include <cmath>
#include <cwchar>

#include "util/text.h"

namespace quellon {
namespace {

constexpr int kMaxDurationHours = 8783;

std::wstring InvalidTime(const std::wstring& text) {
  return L"''" + QuotedValue(text) + L"'' is not a valid time";
}

}  // namespace

TDateTime DurationZero() { return EncodeDate(2008, 1, 1); }

std::wstring TimeToString(TDateTime value, unsigned hour99) {
  DateTimeParts p = DecodeDateTime(value);
  wchar_t buf[40];
  swprintf(buf, 40, L"%.2u:%.2d:%.2d.%.3d", hour99 & 0xFFFFu, p.minute, p.second, p.millisecond);
  return buf;
}

TDateTime StringToTime(const std::wstring& text) {
  if (text.size() != 12 || text[2] != L':' || text[5] != L':' || text[8] != L'.')
    throw ConvertError(InvalidTime(text));
  int hours = StrToInt(text.substr(0, 2));
  if (hours > 23) throw ConvertError(L"Function not implemented.");
  int minutes = StrToInt(text.substr(3, 2));
  int seconds = StrToInt(text.substr(6, 2));
  int ms = StrToInt(text.substr(9, 3));
  return EncodeTime(hours, minutes, seconds, ms);
}

TDateTime ParseDuration(const std::wstring& text) {
  size_t p = text.find(L':');
  if (p == std::wstring::npos) throw ConvertError(InvalidTime(text));
  int hours = StrToInt(text.substr(0, p));
  int minutes = StrToInt(p + 1 < text.size() ? text.substr(p + 1, 2) : std::wstring());
  int seconds = StrToInt(p + 4 < text.size() ? text.substr(p + 4, 2) : std::wstring());
  if (hours < 0 || hours > kMaxDurationHours) throw ConvertError(L"Invalid argument to date encode");
  int days = hours / 24;
  return DurationZero() + days + EncodeTime(hours % 24, minutes, seconds, 0);
}

std::optional<std::wstring> FormatDuration(TDateTime value) {
  DateTimeParts p = DecodeDateTime(value);
  if (p.year > 2008) return std::nullopt;
  int64_t days = 0;
  if (p.year == 2008) days = DaysFromCivil(p.year, p.month, p.day) - DaysFromCivil(2008, 1, 1);
  wchar_t buf[40];
  swprintf(buf, 40, L"%lld:%.2d:%.2d", static_cast<long long>(days * 24 + p.hour), p.minute,
           p.second);
  return std::wstring(buf);
}

TDateTime TimeOfDayRemaining(const std::wstring& text, TDateTime now) {
  TDateTime target = ParseDuration(text);
  // The current time of day, cut to whole seconds, as a duration.
  DateTimeParts p = DecodeDateTime(now);
  int64_t nowSeconds = (p.hour * 60LL + p.minute) * 60 + p.second;
  int64_t span = DurationSeconds(target) - nowSeconds;
  if (span < 0) span += 86400;
  return static_cast<double>(span) / 86400.0;
}

int64_t DurationSeconds(TDateTime duration) {
  return static_cast<int64_t>(std::llround((duration - DurationZero()) * 86400.0));
}

TDateTime DurationFromSeconds(int64_t seconds) {
  return DurationZero() + static_cast<double>(seconds) / 86400.0;
}

}  // namespace quellon
