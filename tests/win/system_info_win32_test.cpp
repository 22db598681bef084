#include <windows.h>

#include <gtest/gtest.h>

#include "install/system_info.h"

namespace quellon {
namespace {

std::wstring Product(const wchar_t* name) { return std::wstring(QUELLON_PRODUCT_DIR_W) + L"\\" + name; }

std::wstring OwnPath() {
  wchar_t buf[MAX_PATH + 1] = {};
  GetModuleFileNameW(nullptr, buf, MAX_PATH);
  return buf;
}

TEST(SystemInfoWin32Test, ProductFileVersions) {
  EXPECT_EQ(GetFileVersionText(Product(L"ZUB.exe"), false, false), L"2.50");
  EXPECT_EQ(GetFileVersionText(Product(L"ZUB.exe"), true, true), L"2.50.2.40");
  EXPECT_DOUBLE_EQ(GetFileVersionNumber(Product(L"ZUB.exe")), 2.5);
  EXPECT_DOUBLE_EQ(GetFileVersionNumber(Product(L"SH.dll")), 0.22);
  EXPECT_EQ(GetVersionInfoString(Product(L"ZUB.exe"), L"CompanyName"), L"Tarnwick");
  EXPECT_EQ(GetVersionInfoString(Product(L"ZUB.exe"), L"PrivateBuild"), L"");
}

TEST(SystemInfoWin32Test, FilesWithoutVersion) {
  // The test executable carries no version resource.
  EXPECT_EQ(GetFileVersionText(OwnPath(), true, true), L"");
  EXPECT_EQ(GetFileVersionNumber(OwnPath()), -1.0);
  EXPECT_EQ(GetFileVersionNumber(L"C:\\no\\such\\file.exe"), -1.0);
  EXPECT_EQ(GetVersionInfoString(L"C:\\no\\such\\file.exe", L"FileVersion"), L"");
}

TEST(SystemInfoWin32Test, SystemAndRights) {
  OsVersion v = GetOsVersion();
  EXPECT_EQ(v.platformId, kPlatformNT);
  EXPECT_GE(v.major, 5u);
  EXPECT_TRUE(IsWin2000OrLater());
  // Whatever the prefix reports, the predicates agree with the version.
  EXPECT_EQ(IsVistaOrLater(), v.major > 5);
  // Wine's token reports elevation, so the rights check passes there.
  if (v.major >= 6) {
    EXPECT_EQ(IsAdmin(), IsProcessElevated());
  }
  IsUserInAdminGroup();  // must not fail or leak on any system
}

}  // namespace
}  // namespace quellon
