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

}  // namespace
}  // namespace quellon
