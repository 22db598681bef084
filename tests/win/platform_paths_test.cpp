#include <windows.h>

#include <gtest/gtest.h>

#include "platform/platform_win32.h"
#include "util/text.h"
#include "win/platform_temp_folder.h"

namespace quellon {
namespace {

using test::PlatformTempFolder;

std::wstring OwnExePath() {
  wchar_t buffer[MAX_PATH + 1] = {};
  ::GetModuleFileNameW(nullptr, buffer, MAX_PATH + 1);
  return buffer;
}

class PlatformPathsTest : public ::testing::Test {
 protected:
  PlatformTempFolder temp_;
};

TEST_F(PlatformPathsTest, IsDirectory) {
  const std::wstring file = temp_.WriteFile(L"file.txt", "x");
  const struct {
    std::wstring path;
    bool directory;
  } kCases[] = {
      {temp_.path(), true},
      {temp_.path().substr(0, temp_.path().size() - 1), true},
      {L"C:\\", true},
      {file, false},
      {temp_.path() + L"missing", false},
      {L"", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsDirectory(c.path), c.directory) << WideToUtf8(c.path);
}

TEST_F(PlatformPathsTest, IsRelativePath) {
  const struct {
    const wchar_t* path;
    bool relative;
  } kCases[] = {
      {L"ZUB.exe", true},          {L"..\\ZUB.exe", true},   {L"sub\\ZUB.exe", true},
      {L"", true},                 {L"C:\\ZUB.exe", false},  {L"c:", false},
      {L"\\\\srv\\share\\x", false}, {L"\\Windows", false},
  };
  for (const auto& c : kCases) EXPECT_EQ(IsRelativePath(c.path), c.relative) << WideToUtf8(c.path);
}

TEST_F(PlatformPathsTest, IsValidAbsolutePath) {
  EXPECT_TRUE(IsValidAbsolutePath(L"C:\\Users\\ZUB.jpg"));
  EXPECT_TRUE(IsValidAbsolutePath(L"C:"));
  EXPECT_TRUE(IsValidAbsolutePath(temp_.path()));
  EXPECT_FALSE(IsValidAbsolutePath(L"ZUB.jpg"));
  EXPECT_FALSE(IsValidAbsolutePath(L"sub\\ZUB.jpg"));
  EXPECT_FALSE(IsValidAbsolutePath(L"C:\\Users\\ZUB?.jpg"));
  EXPECT_FALSE(IsValidAbsolutePath(L"C:\\Users/ZUB.jpg"));
  EXPECT_FALSE(IsValidAbsolutePath(L"C:\\\"ZUB\".jpg"));
}

TEST_F(PlatformPathsTest, ShellDisplayNameOfAFileAndOfAMissingPath) {
  const std::wstring file = temp_.WriteFile(L"Display Name.txt", "x");
  const std::wstring name = GetShellDisplayName(file);
  // The shell may hide known extensions.
  EXPECT_TRUE(name == L"Display Name.txt" || name == L"Display Name") << WideToUtf8(name);
  const std::wstring missing = temp_.path() + L"missing.txt";
  EXPECT_EQ(GetShellDisplayName(missing), missing);
}

TEST_F(PlatformPathsTest, LongPathOfAShortPath) {
  const std::wstring folder = temp_.path() + L"Long Folder Name Of Quellon";
  ASSERT_TRUE(::CreateDirectoryW(folder.c_str(), nullptr));
  const std::wstring file = temp_.WriteFile(L"Long Folder Name Of Quellon\\A Long File Name.txt", "x");
  wchar_t buffer[MAX_PATH + 1] = {};
  ASSERT_GT(::GetShortPathNameW(file.c_str(), buffer, MAX_PATH + 1), 0u);
  const std::wstring shortPath = buffer;
  ASSERT_NE(UpperCase(shortPath), UpperCase(file)) << "the system gave no short form";
  ASSERT_GT(::GetLongPathNameW(file.c_str(), buffer, MAX_PATH + 1), 0u);
  const std::wstring longPath = buffer;

  const std::wstring result = GetLongPath(shortPath);
  EXPECT_EQ(UpperCase(result), UpperCase(longPath)) << WideToUtf8(shortPath);
  EXPECT_EQ(FileExtension(result), FileExtension(shortPath));
  EXPECT_EQ(UpperCase(GetLongPath(file)), UpperCase(longPath));
}

TEST_F(PlatformPathsTest, LongPathOfAMissingFileIsEmpty) {
  EXPECT_EQ(GetLongPath(temp_.path() + L"missing file.txt"), L"");
  EXPECT_EQ(GetLongPath(L""), L"");
}

TEST_F(PlatformPathsTest, ProgramFileSize) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  ASSERT_TRUE(::GetFileAttributesExW(OwnExePath().c_str(), GetFileExInfoStandard, &data));
  const std::wstring exeName = FileNamePart(OwnExePath());
  EXPECT_GT(GetProgramFileSize(exeName), 0);
  EXPECT_EQ(GetProgramFileSize(exeName), static_cast<std::int32_t>(data.nFileSizeLow));
  EXPECT_EQ(GetProgramFileSize(L"no-such-file-of-quellon.bin"), -1);
  EXPECT_EQ(GetProgramFileSize(L""), -1);
}

TEST_F(PlatformPathsTest, DiskFreeBytesAreTheSameForALetterAndAnyPathOnIt) {
  // Other processes write to the same disk; three readings in a row agree
  // unless one of them lands in the middle of a write, so allow a few tries.
  bool agreed = false;
  for (int attempt = 0; attempt < 20 && !agreed; ++attempt) {
    const std::int64_t letter = GetDiskFreeBytes(L"C");
    const std::int64_t withColon = GetDiskFreeBytes(L"C:");
    const std::int64_t path = GetDiskFreeBytes(L"C:\\windows");
    const std::int64_t lower = GetDiskFreeBytes(L"c");
    ASSERT_GT(letter, 0);
    agreed = letter == withColon && letter == path && letter == lower;
  }
  EXPECT_TRUE(agreed);
}

TEST_F(PlatformPathsTest, DiskFreeBytesFailures) {
  const DWORD drives = ::GetLogicalDrives();
  wchar_t unused = 0;
  for (wchar_t letter = L'Y'; letter > L'D' && !unused; --letter)
    if (!(drives & (1u << (letter - L'A')))) unused = letter;
  ASSERT_NE(unused, 0) << "every drive letter is in use";
  EXPECT_EQ(GetDiskFreeBytes(std::wstring(1, unused)), -1);
  EXPECT_EQ(GetDiskFreeBytes(std::wstring(1, unused) + L":\\x"), -1);
  EXPECT_EQ(GetDiskFreeBytes(L"windows"), -1) << "no drive part";
  EXPECT_EQ(GetDiskFreeBytes(L""), -1);
}

TEST_F(PlatformPathsTest, TempDir) {
  wchar_t buffer[MAX_PATH + 1] = {};
  ASSERT_GT(::GetTempPathW(MAX_PATH + 1, buffer), 0u);
  const std::wstring temp = GetTempDir();
  EXPECT_EQ(temp, buffer);
  ASSERT_FALSE(temp.empty());
  EXPECT_EQ(temp.back(), L'\\');
  EXPECT_TRUE(IsDirectory(temp));
}

TEST_F(PlatformPathsTest, ModulePathIsUpperCase) {
  const std::wstring own = GetModulePath(nullptr);
  EXPECT_EQ(own, UpperCase(OwnExePath()));
  EXPECT_TRUE(EndsWith(own, L"\\WIN_TESTS.EXE")) << WideToUtf8(own);
  EXPECT_TRUE(EndsWith(GetModulePath(::GetModuleHandleW(L"kernel32.dll")), L"\\KERNEL32.DLL"));
  EXPECT_EQ(GetModulePath(reinterpret_cast<HMODULE>(static_cast<std::uintptr_t>(0x10))), L"");
}

TEST_F(PlatformPathsTest, ExeBaseName) { EXPECT_EQ(GetExeBaseName(), L"WIN_TESTS"); }

}  // namespace
}  // namespace quellon
