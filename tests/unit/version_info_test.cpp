#include <gtest/gtest.h>

#include "install/version_info.h"
#include "util/text.h"

namespace quellon {
namespace {

TEST(VersionInfoTest, TextsAndNumbers) {
  const uint32_t ms = (2u << 16) | 50, ls = (2u << 16) | 40;
  EXPECT_EQ(VersionText(ms, ls, false), L"2.50");
  EXPECT_EQ(VersionText(ms, ls, true), L"2.50.2.40");
  EXPECT_EQ(VersionText(22, 0, false), L"0.22");
  EXPECT_DOUBLE_EQ(VersionNumber(L"2.50"), 2.5);
  EXPECT_DOUBLE_EQ(VersionNumber(L"0.22"), 0.22);
  EXPECT_LT(VersionNumber(L"5.10"), VersionNumber(L"5.9"));
  for (const wchar_t* bad : {L"", L".", L"2,5", L"2.5.1", L"x"})
    EXPECT_EQ(VersionNumber(bad), -1.0) << WideToUtf8(bad);
  EXPECT_EQ(TranslationKey(0x04E40409), L"040904E4");
}

TEST(VersionInfoTest, SupportedSystems) {
  struct Case {
    uint32_t platform, major, minor;
    bool supported, win2000, vista, win7;
  } cases[] = {
      {kPlatformNT, 5, 0, true, true, false, false},   // 2000
      {kPlatformNT, 5, 1, true, true, false, false},   // XP
      {kPlatformNT, 5, 2, true, true, false, false},   // 2003 / XP x64
      {kPlatformNT, 6, 0, true, true, true, false},    // Vista
      {kPlatformNT, 6, 1, true, true, true, true},     // 7
      {kPlatformNT, 6, 2, false, true, true, true},    // 8
      {kPlatformNT, 10, 0, false, true, true, true},
      {kPlatformNT, 4, 0, false, false, false, false},
      {kPlatformWindows, 4, 10, false, false, false, false},  // 98
      {kPlatformWin32s, 3, 1, false, false, false, false},
  };
  for (const auto& c : cases) {
    OsVersion v{c.platform, c.major, c.minor};
    SCOPED_TRACE(testing::Message() << c.platform << " " << c.major << "." << c.minor);
    EXPECT_EQ(IsSupportedSystem(v), c.supported);
    EXPECT_EQ(IsWin2000OrLater(v), c.win2000);
    EXPECT_EQ(IsVistaOrLater(v), c.vista);
    EXPECT_EQ(IsWin7OrLater(v), c.win7);
  }
}

}  // namespace
}  // namespace quellon
