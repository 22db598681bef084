#include <gtest/gtest.h>

#include <map>

#include "platform/path_rules.h"

namespace quellon {
namespace {

TEST(PathRulesTest, DrivePartIsALetterAndColonOrAServerAndShare) {
  const struct {
    const wchar_t* path;
    const wchar_t* drive;
  } kCases[] = {
      {L"C:\\Windows\\x.exe", L"C:"}, {L"c:", L"c:"},   {L"C:relative", L"C:"},
      {L"\\\\srv\\share\\dir\\f", L"\\\\srv\\share"},   {L"\\\\srv\\share", L"\\\\srv\\share"},
      {L"\\\\srv", L""},              {L"\\\\srv\\", L""}, {L"\\\\\\share", L""},
      {L"\\Windows", L""},            {L"Windows", L""}, {L"1:\\x", L""},
      {L"", L""},                     {L"C", L""},
      {L"//srv/share/dir/f", L"//srv/share"},           {L"\\\\srv/share\\f", L"\\\\srv/share"},
      {L"/Windows", L""},             {L"//srv", L""},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(DrivePart(c.path), c.drive) << c.path;
    EXPECT_EQ(IsRelativeByDrivePart(c.path), std::wstring(c.drive).empty()) << c.path;
  }
}

TEST(PathRulesTest, NamePartsSplitAtTheLastSeparator) {
  const struct {
    const wchar_t *path, *folder, *name, *ext;
  } kCases[] = {
      {L"C:\\Program Files\\ZUB.exe", L"C:\\Program Files\\", L"ZUB.exe", L".exe"},
      {L"C:ZUB.exe", L"C:", L"ZUB.exe", L".exe"},
      {L"C:\\Quellon 2.50", L"C:\\", L"Quellon 2.50", L".50"},
      {L"C:\\dir.d\\file", L"C:\\dir.d\\", L"file", L""},
      {L"C:\\dir\\", L"C:\\dir\\", L"", L""},
      {L"archive.tar.gz", L"", L"archive.tar.gz", L".gz"},
      {L"name.", L"", L"name.", L"."},
      {L"", L"", L"", L""},
      // Either separator splits, whichever comes last.
      {L"C:/Program Files/ZUB.exe", L"C:/Program Files/", L"ZUB.exe", L".exe"},
      {L"C:\\Users/Tmp\\desk.bmp", L"C:\\Users/Tmp\\", L"desk.bmp", L".bmp"},
      {L"C:\\Users\\Tmp/desk.bmp", L"C:\\Users\\Tmp/", L"desk.bmp", L".bmp"},
      {L"C:\\shots.bmp/desk", L"C:\\shots.bmp/", L"desk", L""},
      {L"C:/dir/", L"C:/dir/", L"", L""},
  };
  for (const auto& c : kCases) {
    EXPECT_TRUE(std::wstring(c.folder) + c.name == c.path) << c.path;
    EXPECT_EQ(FolderPart(c.path), c.folder) << c.path;
    EXPECT_EQ(FileNamePart(c.path), c.name) << c.path;
    EXPECT_EQ(FileExtension(c.path), c.ext) << c.path;
  }
}

TEST(PathRulesTest, ChangeFileExtensionReplacesOrAppends) {
  EXPECT_EQ(ChangeFileExtension(L"C:\\a\\ZUB.exe", L".lnk"), L"C:\\a\\ZUB.lnk");
  EXPECT_EQ(ChangeFileExtension(L"C:\\a.b\\ZUB", L".exe"), L"C:\\a.b\\ZUB.exe");
  EXPECT_EQ(ChangeFileExtension(L"ZUB.exe", L""), L"ZUB");
  EXPECT_EQ(ChangeFileExtension(L"C:\\a\\", L".x"), L"C:\\a\\.x");
  EXPECT_EQ(ChangeFileExtension(L"C:/a.b/ZUB", L".log"), L"C:/a.b/ZUB.log");
  EXPECT_EQ(ChangeFileExtension(L"C:/a/ZUB.exe", L".log"), L"C:/a/ZUB.log");
}

TEST(PathRulesTest, SeparatorsAreBackslashAndSlashOnly) {
  for (wchar_t c : std::wstring(L"\\/")) EXPECT_TRUE(IsPathSeparator(c)) << c;
  for (wchar_t c : std::wstring(L":.|a ")) EXPECT_FALSE(IsPathSeparator(c)) << c;
}

TEST(PathRulesTest, ComparablePathIgnoresSeparatorAndCase) {
  EXPECT_EQ(ComparablePath(L"C:\\Users\\Tmp\\SH1.dll"), L"C:/USERS/TMP/SH1.DLL");
  EXPECT_EQ(ComparablePath(L"c:/users/tmp/sh1.DLL"), ComparablePath(L"C:\\Users\\TMP\\sh1.dll"));
  EXPECT_EQ(ComparablePath(L""), L"");
}

TEST(PathRulesTest, ValidAbsolutePathRule) {
  EXPECT_TRUE(IsValidAbsolutePathRule(L"C:\\Users\\ZUB.jpg", false));
  EXPECT_TRUE(IsValidAbsolutePathRule(L"C:", false)) << "a drive alone passes";
  EXPECT_TRUE(IsValidAbsolutePathRule(L"\\\\srv\\share\\x", false));
  EXPECT_FALSE(IsValidAbsolutePathRule(L"C:\\Users\\ZUB.jpg", true)) << "relative";
  EXPECT_FALSE(IsValidAbsolutePathRule(L"ZUB.jpg", false)) << "no folder part";
  for (wchar_t bad : std::wstring(L"?/*<>|\"")) {
    std::wstring path = L"C:\\Users\\Z";
    path += bad;
    path += L"B.jpg";
    EXPECT_FALSE(IsValidAbsolutePathRule(path, false)) << path;
  }
}

TEST(PathRulesTest, FolderChainListsEachFolderToCreateOutermostFirst) {
  using V = std::vector<std::wstring>;
  EXPECT_EQ(FolderChain(L"C:\\a\\b\\c\\"), (V{L"C:\\a", L"C:\\a\\b", L"C:\\a\\b\\c"}));
  EXPECT_EQ(FolderChain(L"C:\\a"), (V{L"C:\\a"}));
  EXPECT_EQ(FolderChain(L"C:\\a\\\\b"), (V{L"C:\\a", L"C:\\a\\\\b"}));
  EXPECT_EQ(FolderChain(L"\\\\srv\\share\\a\\b"), (V{L"\\\\srv\\share\\a", L"\\\\srv\\share\\a\\b"}));
  EXPECT_EQ(FolderChain(L"rel\\sub"), (V{L"rel", L"rel\\sub"}));
  EXPECT_EQ(FolderChain(L"C:\\"), V{});
  EXPECT_EQ(FolderChain(L"\\\\srv\\share\\"), V{});
  EXPECT_EQ(FolderChain(L""), V{});
  EXPECT_EQ(FolderChain(L"C:/a/b/"), (V{L"C:/a", L"C:/a/b"}));
  EXPECT_EQ(FolderChain(L"C:\\a/b\\c"), (V{L"C:\\a", L"C:\\a/b", L"C:\\a/b\\c"}));
  EXPECT_EQ(FolderChain(L"//srv/share/a"), (V{L"//srv/share/a"}));
}

TEST(PathRulesTest, DiskFreeDriveIsTheSameForALetterAndAnyPathOnIt) {
  const struct {
    const wchar_t *input, *drive;
  } kCases[] = {
      {L"C", L"C:"},
      {L"C:", L"C:"},
      {L"C:\\windows", L"C:"},
      {L"C:\\windows\\system32\\", L"C:"},
      {L"d", L"d:"},
      {L"\\\\srv\\share\\dir", L"\\\\srv\\share\\"},
      {L"//srv/share/dir", L"//srv/share\\"},
      {L"C:/windows", L"C:"},
      {L"windows", L""},
      {L"", L""},
  };
  for (const auto& c : kCases) EXPECT_EQ(DiskFreeDrive(c.input), c.drive) << c.input;
}

TEST(PathRulesTest, ShortcutFileNameRules) {
  const struct {
    const wchar_t *linkName, *target, *file;
  } kCases[] = {
      {L"Quellon", L"C:\\p\\ZUB.exe", L"Quellon.lnk"},
      {L"Quellon 2.50", L"C:\\p\\ZUB.exe", L"Quellon 2.lnk"},
      {L"Quellon.lnk", L"C:\\p\\ZUB.exe", L"Quellon.lnk"},
      {L"Quellon.LNK", L"C:\\p\\ZUB.exe", L"Quellon.LNK"},
      {L"Quellon.LnK", L"C:\\p\\ZUB.exe", L"Quellon.LnK"},
      {L"Quellon.url", L"C:\\p\\ZUB.exe", L"Quellon.lnk"},
      {L"", L"C:\\p\\ZUB.exe", L"ZUB.lnk"},
      {L"", L"C:\\p.d\\tool", L"tool.lnk"},
  };
  for (const auto& c : kCases)
    EXPECT_EQ(ShortcutFileName(c.linkName, c.target), c.file) << c.linkName << " " << c.target;
}

TEST(PathRulesTest, ShortcutFolderNeedsThePlaceFolder) {
  EXPECT_EQ(ShortcutFolder(L"C:\\Desktop\\", L""), L"C:\\Desktop\\");
  EXPECT_EQ(ShortcutFolder(L"C:\\Programs\\", L"Tarnwick"), L"C:\\Programs\\Tarnwick");
  EXPECT_EQ(ShortcutFolder(L"C:\\Programs", L"Tarnwick"), L"C:\\Programs\\Tarnwick");
  EXPECT_EQ(ShortcutFolder(L"C:/Programs/", L"Tarnwick"), L"C:/Programs/Tarnwick");
  EXPECT_EQ(ShortcutFolder(L"", L"Tarnwick"), L"") << "never relative to the current folder";
}

// Display names of a made-up disk, recording the order they are asked in.
class LongPathTest : public ::testing::Test {
 protected:
  std::wstring Long(const std::wstring& shortPath, const std::wstring& ext) {
    return LongPathFromShort(shortPath, ext, [this](const std::wstring& p) {
      asked.push_back(p);
      auto it = names.find(p);
      return it == names.end() ? std::wstring() : it->second;
    });
  }
  std::map<std::wstring, std::wstring> names = {
      {L"C:\\PROGRA~1", L"Program Files"},
      {L"C:\\PROGRA~1\\TARNWI~1", L"Tarnwick"},
      {L"C:\\PROGRA~1\\TARNWI~1\\ZUB.EXE", L"ZUB"},  // extension hidden
      {L"\\\\srv\\share\\LONGFO~1", L"Long Folder"},
  };
  std::vector<std::wstring> asked;
};

TEST_F(LongPathTest, ComponentsAreReplacedFromLastToFirst) {
  EXPECT_EQ(Long(L"C:\\PROGRA~1\\TARNWI~1\\ZUB.EXE", L".exe"),
            L"C:\\Program Files\\Tarnwick\\ZUB.exe");
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"C:\\PROGRA~1\\TARNWI~1\\ZUB.EXE",
                                              L"C:\\PROGRA~1\\TARNWI~1", L"C:\\PROGRA~1"}));
}

TEST_F(LongPathTest, DrivePartAndFolderFormsAreKept) {
  EXPECT_EQ(Long(L"C:\\PROGRA~1\\", L""), L"C:\\Program Files\\");
  EXPECT_EQ(Long(L"C:\\", L""), L"C:\\");
  EXPECT_EQ(Long(L"\\\\srv\\share\\LONGFO~1", L""), L"\\\\srv\\share\\Long Folder");
}

TEST_F(LongPathTest, SlashesSplitComponentsAndTheResultUsesBackslashes) {
  EXPECT_EQ(Long(L"C:/PROGRA~1/TARNWI~1\\ZUB.EXE", L".exe"), L"C:\\Program Files\\Tarnwick\\ZUB.exe");
  EXPECT_EQ(asked, (std::vector<std::wstring>{L"C:\\PROGRA~1\\TARNWI~1\\ZUB.EXE",
                                              L"C:\\PROGRA~1\\TARNWI~1", L"C:\\PROGRA~1"}));
  EXPECT_EQ(Long(L"C:/PROGRA~1/", L""), L"C:\\Program Files\\");
}

TEST_F(LongPathTest, AnyFailureGivesEmpty) {
  EXPECT_EQ(Long(L"C:\\PROGRA~1\\MISSING\\ZUB.EXE", L".EXE"), L"");
  EXPECT_EQ(Long(L"PROGRA~1\\TARNWI~1", L""), L"") << "no drive part";
  EXPECT_EQ(Long(L"", L""), L"");
}

}  // namespace
}  // namespace quellon
