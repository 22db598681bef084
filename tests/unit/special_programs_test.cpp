#include <gtest/gtest.h>

#include "fakes/fake_app_shell.h"
#include "fakes/fake_registry.h"
#include "fakes/recording_log.h"
#include "install/error_box.h"
#include "install/special_programs.h"

namespace quellon {
namespace {

using os::RegAccess;
using os::RootKey;

class SpecialProgramsTest : public ::testing::Test {
 protected:
  void TearDown() override { ResetProgramClosingForTest(); }

  void Write(const std::wstring& path, const std::wstring& name, const std::wstring& value) {
    auto key = registry.OpenKey(RootKey::LocalMachine, path, RegAccess::Full, true);
    ASSERT_TRUE(key.ok());
    ASSERT_TRUE(key.value()->WriteString(name, value).ok());
  }
  int LoadCode() {
    try {
      LoadSpecialPrograms(registry);
      return 0;
    } catch (const MissingInstallInfoError& e) {
      return e.code;
    }
  }

  test::FakeRegistry registry;
  const std::wstring tw = std::wstring(kSpecProgramsKey) + L"\\TrueWindows";
};

TEST_F(SpecialProgramsTest, TheInstallersRowsLoadBack) {
  ASSERT_TRUE(WriteSpecPrograms(registry, BuiltInSpecialPrograms()).ok());
  std::vector<TSpecPrg> table = LoadSpecialPrograms(registry);
  ASSERT_EQ(table.size(), 5u);
  bool found = false;
  for (const auto& row : table) {
    EXPECT_EQ(row.mon_prg, L"ACTIVEMOVIE WINDOW");
    EXPECT_EQ(row.mon_class, L"");
    EXPECT_TRUE(row.naglowki.empty());
    if (row.szukana_klasa == L"PIXELTVCLASS") {
      found = true;
      EXPECT_EQ(row.widoczna_nazwa, L"PixelView Station TV");  // kept as stored
    }
  }
  EXPECT_TRUE(found);
}

TEST_F(SpecialProgramsTest, ClassesAndWatchTextsAreUpperCased) {
  Write(kSpecProgramsKey, L"MyClass", L"My Player");
  Write(tw, L"MyClass(class)", L"innerClass");
  std::vector<TSpecPrg> table = LoadSpecialPrograms(registry);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].szukana_klasa, L"MYCLASS");
  EXPECT_EQ(table[0].mon_class, L"INNERCLASS");
  EXPECT_EQ(table[0].mon_prg, L"");
}

TEST_F(SpecialProgramsTest, DamagedRecordsGiveTheirCodes) {
  EXPECT_EQ(LoadCode(), 1);  // no key at all

  Write(kSpecProgramsKey, L"EMPTYCLASS", L"");
  EXPECT_EQ(LoadCode(), 2);

  ASSERT_TRUE(registry.DeleteKeyTree(RootKey::LocalMachine, kSpecProgramsKey).ok());
  Write(kSpecProgramsKey, L"CLS", L"Shown");
  Write(tw, L"OTHER", L"x");
  EXPECT_EQ(LoadCode(), 3);  // neither a caption nor a class for CLS
}

TEST_F(SpecialProgramsTest, WithoutTrueWindowsTheDisplayNameIsWatched) {
  Write(kSpecProgramsKey, L"CLS", L"Shown Name");
  std::vector<TSpecPrg> table = LoadSpecialPrograms(registry);
  ASSERT_EQ(table.size(), 1u);
  EXPECT_EQ(table[0].mon_prg, L"SHOWN NAME");
}

TEST_F(SpecialProgramsTest, MissingInstallInfoShowsTheFatalBoxAndLogs) {
  test::FakeAppShell shell;
  test::RecordingLog log;
  EXPECT_THROW(MissingInstallInfo(3, shell, &log), SilentAbort);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text,
            L"Quellon is not installed or previous installation has been damaged.\r\n"
            L"You need to reinstall the program!");
  EXPECT_EQ(shell.terminateRequests, 1);
  EXPECT_EQ(log.lines, std::vector<std::wstring>{L"Error 3 - Missed installation info"});
  EXPECT_THROW(MissingInstallInfo(1, shell, nullptr), test::HaltCalled);  // already closing
}

}  // namespace
}  // namespace quellon
