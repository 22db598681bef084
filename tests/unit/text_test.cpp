#include <gtest/gtest.h>

#include "util/text.h"

namespace quellon {
namespace {

TEST(TextTest, Utf8RoundTripsAcrossPlanes) {
  const std::wstring samples[] = {L"", L"ZUB", L"Gr\u00fc\u00dfe", L"\u20ac 5", L"\U0001F600!"};
  for (const auto& s : samples) EXPECT_EQ(Utf8ToWide(WideToUtf8(s)), s);
  EXPECT_EQ(WideToUtf8(L"\u20ac"), "\xE2\x82\xAC");
}

TEST(TextTest, MalformedUtf8BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToWide("a\xC3"), L"a\uFFFD");
  EXPECT_EQ(Utf8ToWide("\xFF" "b"), L"\uFFFD" L"b");
  EXPECT_EQ(Utf8ToWide("\xE2\x28\xA1"), L"\uFFFD(\uFFFD");
}

TEST(TextTest, TrailingBackslashIsAddedOnce) {
  EXPECT_EQ(WithTrailingBackslash(L""), L"");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\x"), L"C:\\x\\");
  EXPECT_EQ(WithTrailingBackslash(L"C:\\x\\"), L"C:\\x\\");
}

TEST(TextTest, QuotedValueShortensOnlyLongValues) {
  const std::wstring fifty(50, L'x');
  struct Case {
    const char* what;
    std::wstring value;
    std::wstring quoted;
  } cases[] = {
      {"empty", L"", L""},
      {"a design text's value", L"01:00:00.000", L"01:00:00.000"},
      {"exactly the limit", fifty, fifty},
      {"one over the limit", fifty + L"y", std::wstring(47, L'x') + L"..."},
      {"a stored time of 70,000 characters", std::wstring(70000, L'7'), std::wstring(47, L'7') + L"..."},
      {"a pair at the cut", std::wstring(46, L'a') + L"\U0001F600" + std::wstring(10, L'b'),
       sizeof(wchar_t) == 2 ? std::wstring(46, L'a') + L"..." : std::wstring(46, L'a') + L"\U0001F600..."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const std::wstring quoted = QuotedValue(c.value);
    EXPECT_EQ(quoted, c.quoted);
    EXPECT_LE(quoted.size(), kMaxQuotedLength);
  }
}

}  // namespace
}  // namespace quellon
