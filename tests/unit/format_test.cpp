#include <gtest/gtest.h>

#include "util/format.h"
#include "util/text.h"

namespace quellon {
namespace {

TEST(FormatTest, Placeholders) {
  struct Case {
    const wchar_t* fmt;
    std::initializer_list<FormatArg> args;
    const wchar_t* out;
  } cases[] = {
      {L"no placeholders", {}, L"no placeholders"},
      {L"Application: [%s] Version: [%s]", {L"C:\\ZUB.exe", std::wstring(L"2.50.2.40")},
       L"Application: [C:\\ZUB.exe] Version: [2.50.2.40]"},
      {L"instance%.2d %d", {2, 7}, L"instance02 7"},
      {L"%.2d:%.2d:%.2d.%.3d", {9, 5, 0, 45}, L"09:05:00.045"},
      {L"%d:%.2d:%.2d", {123, 4, 59}, L"123:04:59"},
      {L"%.2d", {123}, L"123"},
      {L"%.3d", {-5}, L"-005"},
      {L"%d", {-2147483647 - 1}, L"-2147483648"},
      {L"%d", {INT64_MIN}, L"-9223372036854775808"},
      {L"%d", {4294967295u}, L"4294967295"},
      {L"%u", {uint64_t{18446744073709551615ull}}, L"18446744073709551615"},
      {L"%x %.4x", {255, 10}, L"FF 000A"},
      {L"[%5d] [%-5d] [%5.3d]", {42, 42, 7}, L"[   42] [42   ] [  007]"},
      {L"[%05d]", {42}, L"[   42]"},
      {L"[%6s] [%-6s] [%.2s]", {L"ab", L"ab", L"abc"}, L"[    ab] [ab    ] [ab]"},
      {L"[%*d] [%.*d]", {4, 1, 3, 2}, L"[   1] [002]"},
      {L"%f", {1.0}, L"1.00"},
      {L"%f", {2.345678}, L"2.35"},
      {L"%f", {-0.5}, L"-0.50"},
      {L"%.0f %.3f", {2.5, 1.0 / 3}, L"2 0.333"},
      {L"%8f|", {3.14159}, L"    3.14|"},
      {L"100%% done", {}, L"100% done"},
      {L"%%%d%%", {5}, L"%5%"},
      {L"%1:s %0:s %s", {L"a", L"b"}, L"b a b"},
      {L"%D %S", {3, L"up"}, L"3 up"},
      {L"extra ignored %d", {1, 2, 3}, L"extra ignored 1"},
      {L"%s", {L""}, L""},
  };
  for (const auto& c : cases) EXPECT_EQ(Format(c.fmt, c.args), c.out) << WideToUtf8(c.fmt);
}

TEST(FormatTest, MismatchIsAnError) {
  struct Case {
    const wchar_t* fmt;
    std::initializer_list<FormatArg> args;
  } cases[] = {
      {L"%d", {}},            // missing argument
      {L"%d %d", {1}},        // missing second argument
      {L"%d", {L"text"}},     // text for a number
      {L"%s", {5}},           // number for a text
      {L"%f", {5}},           // integer for a float
      {L"%d", {1.5}},         // float for an integer
      {L"%q", {1}},           // unknown type
      {L"trailing %", {}},    // nothing after "%"
      {L"%.2", {1}},          // no type
      {L"%*d", {L"w", 1}},    // width from a text
      {L"%3:d", {1, 2}},      // index beyond the arguments
  };
  for (const auto& c : cases) {
    try {
      Format(c.fmt, c.args);
      ADD_FAILURE() << "no error for " << WideToUtf8(c.fmt);
    } catch (const FormatError& e) {
      EXPECT_EQ(e.Format(), c.fmt);
      EXPECT_EQ(e.Message(), L"Format '" + std::wstring(c.fmt) + L"' invalid or incompatible with argument");
    }
  }
}

}  // namespace
}  // namespace quellon
