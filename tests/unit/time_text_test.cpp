#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/time_text.h"
#include "util/text.h"

namespace quellon {
namespace {

TDateTime At(int y, int mo, int d, int h, int mi, int s, int ms = 0) {
  return EncodeDate(y, mo, d) + EncodeTime(h, mi, s, ms);
}

std::wstring Fmt(TDateTime v) { return FormatDuration(v).value_or(L"<none>"); }

TEST(DateTimeTest, CalendarMatchesTheBaseDate) {
  EXPECT_EQ(EncodeDate(1899, 12, 30), 0.0);
  EXPECT_EQ(EncodeDate(2008, 1, 1), 39448.0);
  EXPECT_EQ(EncodeDate(1970, 1, 1), 25569.0);
  DateTimeParts p = DecodeDateTime(At(2008, 12, 31, 23, 59, 59, 999));
  EXPECT_EQ(p.year, 2008);
  EXPECT_EQ(p.month, 12);
  EXPECT_EQ(p.day, 31);
  EXPECT_EQ(p.millisecond, 999);
  EXPECT_THROW(EncodeDate(2007, 2, 29), ConvertError);
  EXPECT_NO_THROW(EncodeDate(2008, 2, 29));
  EXPECT_THROW(EncodeTime(24, 0, 0, 0), ConvertError);
}

TEST(DateTimeTest, StrToIntAcceptsWhatTheRuntimeAccepts) {
  struct Case {
    const wchar_t* text;
    bool ok;
    int value;
  } cases[] = {{L"12", true, 12}, {L"+7", true, 7}, {L"-5", true, -5}, {L" 3", true, 3},
               {L"", false, 0},   {L"3 ", false, 0}, {L"x9", false, 0}, {L"2147483648", false, 0},
               {L"-2147483648", true, -2147483647 - 1}};
  for (const auto& c : cases) {
    int v = 0;
    EXPECT_EQ(TryStrToInt(c.text, v), c.ok) << WideToUtf8(c.text);
    if (c.ok) {
      EXPECT_EQ(v, c.value) << WideToUtf8(c.text);
    }
  }
}

TEST(TimeTextTest, TimeToStringUsesHour99AndTheValuesRest) {
  EXPECT_EQ(TimeToString(EncodeTime(1, 2, 3, 4), 1), L"01:02:03.004");
  EXPECT_EQ(TimeToString(EncodeTime(13, 0, 0, 0), 7), L"07:00:00.000");
}

TEST(TimeTextTest, StringToTimeAcceptsOnlyTheTwelveCharacterForm) {
  EXPECT_DOUBLE_EQ(StringToTime(L"01:30:15.250"), EncodeTime(1, 30, 15, 250));
  struct Case {
    const wchar_t* text;
    const wchar_t* message;
  } bad[] = {
      {L"1:00:00.000", L"''1:00:00.000'' is not a valid time"},
      {L"01:00:00", L"''01:00:00'' is not a valid time"},
      {L"01-00:00.000", L"''01-00:00.000'' is not a valid time"},
      {L"24:00:00.000", L"Function not implemented."},
      {L"99:00:00.000", L"Function not implemented."},
      {L"01:60:00.000", L"Invalid argument to time encode"},
      {L"0x:00:00.000", L"''0x'' is not a valid integer value"},
  };
  for (const auto& c : bad) {
    try {
      StringToTime(c.text);
      ADD_FAILURE() << "accepted " << WideToUtf8(c.text);
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

// A stored time of any length gives a message that fits a box: the value is
// quoted shortened, the rest of the message as designed.
TEST(TimeTextTest, ConversionMessagesQuoteALongValueShortened) {
  const std::wstring huge(70000, L'9');
  const std::wstring shown = std::wstring(47, L'9') + L"...";
  struct Case {
    const char* what;
    std::function<void()> convert;
    std::wstring message;
  } cases[] = {
      {"stored time", [&] { StringToTime(huge); }, L"''" + shown + L"'' is not a valid time"},
      {"duration", [&] { ParseDuration(huge); }, L"''" + shown + L"'' is not a valid time"},
      {"time of day", [&] { TimeOfDayRemaining(huge, 0); }, L"''" + shown + L"'' is not a valid time"},
      {"integer", [&] { StrToInt(huge); }, L"''" + shown + L"'' is not a valid integer value"},
      {"hours of a duration", [&] { ParseDuration(huge + L":00:00"); },
       L"''" + shown + L"'' is not a valid integer value"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    try {
      c.convert();
      ADD_FAILURE() << "accepted";
    } catch (const ConvertError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
}

TEST(DurationTest, ParseAndFormatKnownValues) {
  EXPECT_EQ(ParseDuration(L"0:00:00.000"), DurationZero());
  EXPECT_EQ(ParseDuration(L"744:00:00"), At(2008, 2, 1, 0, 0, 0));
  EXPECT_EQ(Fmt(At(2008, 2, 1, 0, 0, 0)), L"744:00:00");
  EXPECT_EQ(Fmt(At(2008, 12, 31, 23, 59, 59)), L"8783:59:59");
  EXPECT_EQ(Fmt(EncodeTime(7, 5, 3, 0)), L"7:05:03");  // a pure time of day
  EXPECT_EQ(Fmt(ParseDuration(L"27:05:09")), L"27:05:09");
  EXPECT_FALSE(FormatDuration(At(2009, 1, 1, 0, 0, 0)).has_value());
}

TEST(DurationTest, ParseRejectsMalformedTexts) {
  for (const wchar_t* text : {L"1:30", L"130", L"", L"1:60:00", L"1:00:60", L"-1:00:00",
                              L"8784:00:00", L"x:00:00", L"1:0a:00"})
    EXPECT_THROW(ParseDuration(text), ConvertError) << WideToUtf8(text);
}

TEST(DurationTest, RoundTripsOverTheWholeRange) {
  // Every 11th second of the range: 11 is prime to 60 and 3600, so every
  // minute and second value is met in every position of the hour.
  for (int64_t s = 0; s <= 8783LL * 3600 + 3599; s += 11) {
    int h = static_cast<int>(s / 3600), m = static_cast<int>(s / 60 % 60), sec = static_cast<int>(s % 60);
    wchar_t text[32];
    swprintf(text, 32, L"%d:%.2d:%.2d", h, m, sec);
    TDateTime d = ParseDuration(text);
    ASSERT_EQ(Fmt(d), text);
    ASSERT_EQ(DurationSeconds(d), s);
  }
  // And every second of the first and last hours, where the day boundary is.
  for (int64_t s : {int64_t{0}, int64_t{8783} * 3600}) {
    for (int64_t k = 0; k < 3600; ++k) {
      TDateTime d = DurationFromSeconds(s + k);
      ASSERT_EQ(DurationSeconds(ParseDuration(Fmt(d))), s + k);
    }
  }
}

TEST(DurationTest, TimeOfDayRemaining) {
  TDateTime today = EncodeDate(2026, 12, 10);
  TDateTime now = today + EncodeTime(12, 0, 0, 400);
  EXPECT_EQ(Fmt(TimeOfDayRemaining(L"12:00:00.000", now)), L"0:00:00");
  EXPECT_EQ(Fmt(TimeOfDayRemaining(L"11:59:59.000", now)), L"23:59:59");
  EXPECT_EQ(Fmt(TimeOfDayRemaining(L"13:30:05.000", now)), L"1:30:05");
  EXPECT_EQ(Fmt(TimeOfDayRemaining(L"00:30:00.000", today + EncodeTime(23, 30, 0, 0))),
            L"1:00:00");
}

}  // namespace
}  // namespace quellon
