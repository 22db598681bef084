#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include "os/win32/handles.h"
#include "platform/platform_win32.h"
#include "util/text.h"
#include "win/platform_temp_folder.h"

namespace quellon {
namespace {

using test::PlatformTempFolder;

struct LinkFields {
  bool loaded = false;
  std::wstring target, arguments, workingFolder, description;
};

// Reads a link file back through the shell's own link object.
LinkFields LoadLink(const std::wstring& file) {
  LinkFields fields;
  win32::ScopedCoInit com;
  win32::ComPtr<IShellLinkW> link;
  win32::ComPtr<IPersistFile> persist;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.put_void())) ||
      FAILED(link->QueryInterface(IID_IPersistFile, persist.put_void())) ||
      FAILED(persist->Load(file.c_str(), STGM_READ)))
    return fields;
  wchar_t buffer[1024] = {};
  WIN32_FIND_DATAW data{};
  if (SUCCEEDED(link->GetPath(buffer, 1024, &data, SLGP_RAWPATH))) fields.target = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetArguments(buffer, 1024))) fields.arguments = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetWorkingDirectory(buffer, 1024))) fields.workingFolder = buffer;
  buffer[0] = 0;
  if (SUCCEEDED(link->GetDescription(buffer, 1024))) fields.description = buffer;
  fields.loaded = true;
  return fields;
}

class ShortcutTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(::CreateDirectoryW((temp_.path() + L"Program").c_str(), nullptr));
    target_ = temp_.WriteFile(L"Program\\ZUB.exe", "MZ");
  }
  std::wstring Create(const std::wstring& folder, const std::wstring& linkName,
                      bool replace = false, const std::wstring& workingFolder = L"") {
    std::wstring linkPath = L"stale";
    CreateShortcutInFolder(target_, L"instance2 /t", workingFolder, linkPath, replace, folder,
                           L"ZUB (Quellon)", linkName);
    return linkPath;
  }

  PlatformTempFolder temp_;
  std::wstring target_;
};

TEST_F(ShortcutTest, LinkLoadsBackWithItsFields) {
  const std::wstring work = temp_.path() + L"Work";
  ASSERT_TRUE(::CreateDirectoryW(work.c_str(), nullptr));
  const std::wstring folder = temp_.path() + L"Links\\Nested";  // created with its parent
  const std::wstring linkPath = Create(folder, L"Quellon", false, work);
  EXPECT_EQ(linkPath, folder + L"\\Quellon.lnk");

  LinkFields link = LoadLink(linkPath);
  ASSERT_TRUE(link.loaded);
  EXPECT_EQ(UpperCase(link.target), UpperCase(target_));
  EXPECT_EQ(link.arguments, L"instance2 /t");
  EXPECT_EQ(link.workingFolder, work);
  EXPECT_EQ(link.description, L"ZUB (Quellon)");
}

TEST_F(ShortcutTest, WorkingFolderIsTheTargetsUnlessAnExistingOneIsGiven) {
  for (const std::wstring& given : {std::wstring(), temp_.path() + L"missing folder"}) {
    const std::wstring linkPath = Create(temp_.path(), L"Quellon", true, given);
    ASSERT_FALSE(linkPath.empty()) << WideToUtf8(given);
    EXPECT_EQ(UpperCase(LoadLink(linkPath).workingFolder), UpperCase(temp_.path() + L"Program\\"))
        << WideToUtf8(given);
    ::DeleteFileW(linkPath.c_str());
  }
}

TEST_F(ShortcutTest, LinkNameRules) {
  const struct {
    const wchar_t *linkName, *file;
  } kCases[] = {
      {L"Quellon", L"Quellon.lnk"},
      {L"Quellon 2.50", L"Quellon 2.lnk"},
      {L"Upper.LNK", L"Upper.LNK"},
      {L"", L"ZUB.lnk"},
  };
  for (const auto& c : kCases) {
    const std::wstring linkPath = Create(temp_.path(), c.linkName);
    EXPECT_EQ(linkPath, temp_.path() + c.file) << WideToUtf8(c.linkName);
    EXPECT_TRUE(LoadLink(linkPath).loaded) << WideToUtf8(c.linkName);
  }
}

TEST_F(ShortcutTest, ExistingLinkIsKeptWithoutReplace) {
  const std::wstring existing = temp_.WriteFile(L"Quellon.lnk", "old link");
  EXPECT_EQ(Create(temp_.path(), L"Quellon.lnk", false), L"");
  EXPECT_EQ(PlatformTempFolder::ReadFile(existing), "old link");
}

TEST_F(ShortcutTest, ExistingLinkIsRecycledWithReplace) {
  const std::wstring name = L"Quellon-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                            std::to_wstring(::GetTickCount()) + L".lnk";
  const std::wstring existing = temp_.WriteFile(name, "old link");
  const std::wstring linkPath = Create(temp_.path(), name, true);
  PlatformTempFolder::RemoveFromWineTrash(name);
  EXPECT_EQ(linkPath, existing);
  EXPECT_NE(PlatformTempFolder::ReadFile(existing), "old link");
  EXPECT_EQ(LoadLink(existing).description, L"ZUB (Quellon)");
}

TEST_F(ShortcutTest, MissingTargetOrFolderCreatesNothing) {
  const std::wstring folder = temp_.path() + L"Never";
  std::wstring linkPath = L"stale";
  CreateShortcutInFolder(temp_.path() + L"missing.exe", L"", L"", linkPath, true, folder, L"",
                         L"Quellon");
  EXPECT_EQ(linkPath, L"");
  EXPECT_FALSE(PlatformTempFolder::Exists(folder));

  linkPath = L"stale";
  CreateShortcutInFolder(L"", L"", L"", linkPath, true, folder, L"", L"Quellon");
  EXPECT_EQ(linkPath, L"");
  EXPECT_FALSE(PlatformTempFolder::Exists(folder));

  linkPath = L"stale";
  CreateShortcutInFolder(temp_.path() + L"Program", L"", L"", linkPath, true, folder, L"",
                         L"Quellon");
  EXPECT_EQ(linkPath, L"") << "a folder is no target";

  EXPECT_EQ(Create(L"", L"Quellon"), L"") << "no folder";
}

TEST_F(ShortcutTest, ShortcutPlaceWithSubfolder) {
  const std::wstring desktop = GetSpecialFolder(sfDesktopDirectory, L"");
  ASSERT_FALSE(desktop.empty());
  const std::wstring sub = L"QuellonPlat-" + std::to_wstring(::GetCurrentProcessId());
  std::wstring linkPath;
  CreateShortcut(target_, L"", L"", linkPath, sub, false, slDesktop, L"ZUB (Quellon)",
                 L"Quellon.lnk");
  EXPECT_EQ(linkPath, desktop + sub + L"\\Quellon.lnk");
  EXPECT_EQ(LoadLink(linkPath).description, L"ZUB (Quellon)");
  PlatformTempFolder::RemoveTree(desktop + sub);
}

}  // namespace
}  // namespace quellon
