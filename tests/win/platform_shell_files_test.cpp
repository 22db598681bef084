#include <windows.h>

#include <gtest/gtest.h>

#include "platform/platform_win32.h"
#include "win/platform_temp_folder.h"

namespace quellon {
namespace {

using test::PlatformTempFolder;

class ShellFilesTest : public ::testing::Test {
 protected:
  PlatformTempFolder temp_;
};

TEST_F(ShellFilesTest, CopiesEachSourceToItsOwnDestinationThenDeletes) {
  const std::wstring a = temp_.WriteFile(L"a.txt", "first");
  const std::wstring b = temp_.WriteFile(L"b.txt", "second");
  ASSERT_TRUE(::CreateDirectoryW((temp_.path() + L"out").c_str(), nullptr));
  const std::wstring toA = temp_.path() + L"out\\SH1.dll";
  const std::wstring toB = temp_.path() + L"out\\other name.bin";

  ASSERT_TRUE(ShellCopyFiles({a, b}, {toA, toB}));
  EXPECT_EQ(PlatformTempFolder::ReadFile(toA), "first");
  EXPECT_EQ(PlatformTempFolder::ReadFile(toB), "second");
  EXPECT_EQ(PlatformTempFolder::ReadFile(a), "first") << "a copy keeps its source";

  ASSERT_TRUE(ShellDeleteFiles({toA, toB}, false));
  EXPECT_FALSE(PlatformTempFolder::Exists(toA));
  EXPECT_FALSE(PlatformTempFolder::Exists(toB));
}

TEST_F(ShellFilesTest, DeleteToTheRecycleBin) {
  const std::wstring name = L"recycled-" + std::to_wstring(::GetCurrentProcessId()) + L"-" +
                            std::to_wstring(::GetTickCount()) + L".txt";
  const std::wstring file = temp_.WriteFile(name, "x");
  EXPECT_TRUE(ShellDeleteFiles({file}, true));
  PlatformTempFolder::RemoveFromWineTrash(name);
  EXPECT_FALSE(PlatformTempFolder::Exists(file));
}

TEST_F(ShellFilesTest, MoveAndRename) {
  for (unsigned operation : {unsigned(kShellMove), unsigned(kShellRename)}) {
    const std::wstring from = temp_.WriteFile(L"from.txt", "moved");
    const std::wstring to = temp_.path() + L"to.txt";
    ASSERT_TRUE(ShellFileOperation({from}, {to}, kShellCopyFlags, operation)) << operation;
    EXPECT_FALSE(PlatformTempFolder::Exists(from)) << operation;
    EXPECT_EQ(PlatformTempFolder::ReadFile(to), "moved") << operation;
    ::DeleteFileW(to.c_str());
  }
}

TEST_F(ShellFilesTest, FailuresGiveFalse) {
  EXPECT_FALSE(ShellCopyFiles({temp_.path() + L"missing.txt"}, {temp_.path() + L"copy.txt"}));
  EXPECT_FALSE(PlatformTempFolder::Exists(temp_.path() + L"copy.txt"));
  EXPECT_FALSE(ShellFileOperation({}, {}, kShellCopyFlags, kShellCopy));
  EXPECT_FALSE(ShellFileOperation({}, {temp_.path() + L"x"}, kShellCopyFlags, kShellMove));
  EXPECT_FALSE(ShellDeleteFiles({}, false));
  EXPECT_FALSE(ShellCopyFiles({}, {}));
}

}  // namespace
}  // namespace quellon
