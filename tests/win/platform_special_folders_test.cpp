#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "os/win32/handles.h"
#include "platform/platform_win32.h"
#include "util/text.h"
#include "win/platform_temp_folder.h"

namespace quellon {
namespace {

using test::PlatformTempFolder;

std::wstring UniqueName(const wchar_t* stem) {
  return std::wstring(stem) + std::to_wstring(::GetCurrentProcessId()) + L"-" +
         std::to_wstring(::GetTickCount());
}

TEST(SpecialFolderTest, AppDataSubfolderIsCreatedWithItsParents) {
  const std::wstring appData = GetSpecialFolder(sfAppData, L"");
  ASSERT_FALSE(appData.empty());
  ASSERT_EQ(appData.back(), L'\\');
  const std::wstring top = UniqueName(L"QuellonPlat-");
  ASSERT_FALSE(PlatformTempFolder::Exists(appData + top));

  const std::wstring folder = GetSpecialFolder(sfAppData, top + L"\\Brightlode");
  EXPECT_EQ(folder, appData + top + L"\\Brightlode\\");
  EXPECT_TRUE(IsDirectory(folder));
  EXPECT_EQ(GetSpecialFolder(sfAppData, top + L"\\Brightlode"), folder) << "an existing one stands";
  PlatformTempFolder::RemoveTree(appData + top);
}

TEST(SpecialFolderTest, BadSubfolderGivesEmptyAndCreatesNothing) {
  const std::wstring appData = GetSpecialFolder(sfAppData, L"");
  ASSERT_FALSE(appData.empty());
  const std::wstring top = UniqueName(L"QuellonPlat-");
  for (const wchar_t* bad : {L"Bright?lode", L"a*b", L"a<b", L"a>b", L"a|b", L"a\"b", L"a/b"}) {
    EXPECT_EQ(GetSpecialFolder(sfAppData, top + bad), L"") << bad;
  }
  WIN32_FIND_DATAW data{};
  win32::UniqueFindHandle find(::FindFirstFileW((appData + top + L"*").c_str(), &data));
  EXPECT_FALSE(find) << "left behind: " << WideToUtf8(data.cFileName);
}

TEST(SpecialFolderTest, WindowsAndSystemFolders) {
  wchar_t buffer[MAX_PATH] = {};
  ::GetWindowsDirectoryW(buffer, MAX_PATH);
  EXPECT_EQ(UpperCase(GetSpecialFolder(sfWindows, L"")), UpperCase(WithTrailingBackslash(buffer)));
  ::GetSystemDirectoryW(buffer, MAX_PATH);
  EXPECT_EQ(UpperCase(GetSpecialFolder(sfSystem, L"")), UpperCase(WithTrailingBackslash(buffer)));
}

TEST(SpecialFolderTest, EveryKindIsEmptyOrAnAbsoluteFolderWithBackslash) {
  for (int k = 0; k < kSpecialFolderKinds; ++k) {
    const std::wstring path = GetSpecialFolder(static_cast<TSpecialFolder>(k), L"");
    if (path.empty()) continue;
    EXPECT_EQ(path.back(), L'\\') << k << " " << WideToUtf8(path);
    EXPECT_NE(path.substr(path.size() - 2), L"\\\\") << k << " " << WideToUtf8(path);
    EXPECT_TRUE(IsValidAbsolutePath(path)) << k << " " << WideToUtf8(path);
  }
  EXPECT_FALSE(GetSpecialFolder(sfPersonal, L"").empty());
  EXPECT_FALSE(GetSpecialFolder(sfDesktopDirectory, L"").empty());
  EXPECT_FALSE(GetSpecialFolder(sfCommonMusic, L"").empty()) << "its own or the per-user one";
}

TEST(SpecialFolderTest, KindsBeyondQuickLaunchGiveEmpty) {
  EXPECT_EQ(GetSpecialFolder(static_cast<TSpecialFolder>(42), L""), L"");
  EXPECT_EQ(GetSpecialFolder(static_cast<TSpecialFolder>(255), L"Sub"), L"");
}

TEST(SpecialFolderTest, ProgramFilesFolder) {
  wchar_t buffer[MAX_PATH + 1] = {};
  ASSERT_TRUE(SUCCEEDED(::SHGetFolderPathW(nullptr, CSIDL_PROGRAM_FILES, nullptr, 0, buffer)));
  const std::wstring dir = GetProgramFilesDir();
  EXPECT_EQ(dir, WithTrailingBackslash(buffer));
  EXPECT_TRUE(IsDirectory(dir));
  EXPECT_EQ(GetSpecialFolder(sfProgramFiles, L""), dir);
}

// Sets the Quick Launch value of the current user for a test and puts the
// key back as it was afterwards.
class QuickLaunchTest : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kGrpConv =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv";
  static constexpr const wchar_t* kMapGroups =
      L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups";
  static constexpr const wchar_t* kValue = L"Quick Launch";

  void SetUp() override {
    win32::UniqueRegKey probe;
    grpConvExisted_ =
        ::RegOpenKeyExW(HKEY_CURRENT_USER, kGrpConv, 0, KEY_READ, probe.put()) == ERROR_SUCCESS;
    DWORD disposition = 0;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kMapGroups, 0, nullptr, 0,
                                KEY_READ | KEY_WRITE, nullptr, key_.put(), &disposition),
              ERROR_SUCCESS);
    mapGroupsCreated_ = disposition == REG_CREATED_NEW_KEY;
    DWORD bytes = 0;
    if (::RegQueryValueExW(key_.get(), kValue, nullptr, &oldType_, nullptr, &bytes) ==
        ERROR_SUCCESS) {
      old_.resize(bytes);
      hadValue_ = ::RegQueryValueExW(key_.get(), kValue, nullptr, &oldType_,
                                     old_.empty() ? nullptr : &old_[0], &bytes) == ERROR_SUCCESS;
      old_.resize(bytes);
    }
  }

  void TearDown() override {
    if (hadValue_) {
      ::RegSetValueExW(key_.get(), kValue, 0, oldType_, old_.empty() ? nullptr : &old_[0],
                       static_cast<DWORD>(old_.size()));
    } else {
      ::RegDeleteValueW(key_.get(), kValue);
    }
    key_.reset();
    if (mapGroupsCreated_) ::RegDeleteKeyW(HKEY_CURRENT_USER, kMapGroups);
    if (!grpConvExisted_) ::RegDeleteKeyW(HKEY_CURRENT_USER, kGrpConv);
  }

  void SetQuickLaunch(const std::wstring& value) {
    ASSERT_EQ(::RegSetValueExW(key_.get(), kValue, 0, REG_SZ,
                               reinterpret_cast<const BYTE*>(value.c_str()),
                               static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t))),
              ERROR_SUCCESS);
  }

  win32::UniqueRegKey key_;
  PlatformTempFolder temp_;

 private:
  bool grpConvExisted_ = false;
  bool mapGroupsCreated_ = false;
  bool hadValue_ = false;
  DWORD oldType_ = 0;
  std::basic_string<BYTE> old_;
};

TEST_F(QuickLaunchTest, FolderComesFromTheRegistry) {
  const std::wstring folder = temp_.path() + L"Quick Launch";
  SetQuickLaunch(folder);
  EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L""), folder + L"\\");
  EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L"Sub"), folder + L"\\Sub\\");
  EXPECT_TRUE(IsDirectory(folder + L"\\Sub"));
}

TEST_F(QuickLaunchTest, ValueMustBeAValidAbsolutePath) {
  for (const wchar_t* bad : {L"Quick Launch", L"C:\\Quick*Launch", L"..\\Quick Launch", L""}) {
    SetQuickLaunch(bad);
    EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L""), L"") << WideToUtf8(bad);
  }
  const DWORD number = 1;
  ASSERT_EQ(::RegSetValueExW(key_.get(), kValue, 0, REG_DWORD,
                             reinterpret_cast<const BYTE*>(&number), sizeof(number)),
            ERROR_SUCCESS);
  EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L""), L"") << "not a string";
  ::RegDeleteValueW(key_.get(), kValue);
  EXPECT_EQ(GetSpecialFolder(sfQuickLaunch, L""), L"") << "missing";
}

TEST_F(QuickLaunchTest, ShortcutPlaceUsesIt) {
  SetQuickLaunch(temp_.path() + L"QL");
  const std::wstring target = temp_.WriteFile(L"ZUB.exe", "MZ");
  std::wstring linkPath = L"stale";
  CreateShortcut(target, L"", L"", linkPath, L"", false, slQuickLaunch, L"", L"");
  EXPECT_EQ(UpperCase(linkPath), UpperCase(temp_.path() + L"QL\\ZUB.lnk"));
  EXPECT_TRUE(PlatformTempFolder::Exists(temp_.path() + L"QL\\ZUB.lnk"));
}

}  // namespace
}  // namespace quellon
