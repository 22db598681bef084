// The time field's text form and the duration arithmetic of the countdown.
//
// A time text is exactly 12 characters, "HH:MM:SS.mmm". A duration of
// H:M:S is the date-time 2008-01-01 00:00:00 plus that span (2008 has 366
// days, so up to 8783:59:59 fits) and is shown as "%d:%.2d:%.2d".
#pragma once
#include <cstdint>
#include <optional>
#include <string>

#include "core/datetime.h"

namespace quellon {

// The zero duration, 2008-01-01 00:00:00.
TDateTime DurationZero();

// "%.2d:%.2d:%.2d.%.3d" with hour99 as the hours and the minutes, seconds
// and milliseconds of value.
std::wstring TimeToString(TDateTime value, unsigned hour99);

// The time of day of a 12-character time text. Throws ConvertError with
// "''%s'' is not a valid time" (the text as QuotedValue gives it),
// "Function not implemented." (hours above 23) or the runtime's integer and
// time-encode errors.
TDateTime StringToTime(const std::wstring& text);

// Throws ConvertError for a text without a colon, without two-digit
// minutes and seconds, or with a component out of range.
TDateTime ParseDuration(const std::wstring& text);

// The duration's text; a value dated before 2008 counts by its time of day
// alone; a value after 2008 has no text (the caller treats that as an
// internal fatal error).
std::optional<std::wstring> FormatDuration(TDateTime value);

// The span (a day fraction, below one day) from the time of day of now,
// cut to whole seconds, to the next occurrence of the time of day in text:
// today, or tomorrow when it has passed. Throws as ParseDuration.
TDateTime TimeOfDayRemaining(const std::wstring& text, TDateTime now);

// Durations as whole seconds from the zero duration, and back.
int64_t DurationSeconds(TDateTime duration);
TDateTime DurationFromSeconds(int64_t seconds);

}  // namespace quellon
