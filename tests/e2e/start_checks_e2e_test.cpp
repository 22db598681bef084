// What ZUB.exe decides before its window shows: whether it keeps a log file
// (the "Logger" switch, read once at start) and whether the system is one it
// runs on (here Wine told to report Windows 8 to ZUB.exe alone).
#include <windows.h>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "support/win32/user_key_fixture.h"
#include "support/win32/zub_process.h"
#include "util/text.h"

namespace quellon::test {
namespace {

class StartChecksE2E : public UserKeyFixture {
 protected:
  void SetUp() override {
    UserKeyFixture::SetUp();
    Returning();
    ::DeleteFileW(ZubLogFile().c_str());
  }
  void TearDown() override {
    ::DeleteFileW(ZubLogFile().c_str());
    UserKeyFixture::TearDown();
  }
  // Starts ZUB.exe, waits for its window and closes it again.
  static void StartAndClose() {
    ZubProcess zub;
    HWND window = zub.WaitForWindow(L"ZUB");
    ASSERT_NE(window, nullptr);
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(zub.WaitForExit(10000));
  }
};

struct SwitchOff {
  const char* name;
  enum { kMissing, kZero, kText } form;
};
inline void PrintTo(const SwitchOff& c, std::ostream* os) { *os << c.name; }

class LogSwitchOff : public StartChecksE2E, public ::testing::WithParamInterface<SwitchOff> {};

TEST_P(LogSwitchOff, WritesNoLogFile) {
  switch (GetParam().form) {
    case SwitchOff::kMissing: Remove(L"Logger"); break;
    case SwitchOff::kZero: Put(L"Logger", 0u); break;
    case SwitchOff::kText: Put(L"Logger", std::wstring(L"1")); break;
  }
  StartAndClose();
  EXPECT_FALSE(FileExists(ZubLogFile())) << ReadWholeFile(ZubLogFile());
}

INSTANTIATE_TEST_SUITE_P(Forms, LogSwitchOff,
                         ::testing::Values(SwitchOff{"Missing", SwitchOff::kMissing},
                                           SwitchOff{"Zero", SwitchOff::kZero},
                                           SwitchOff{"Text", SwitchOff::kText}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartChecksE2E, LogSwitchOnStartsTheFileWithBomSeparatorAndHeader) {
  Put(L"Logger", 1u);
  StartAndClose();
  const std::string log = ReadWholeFile(ZubLogFile());
  ASSERT_GE(log.size(), 3u) << "no log file";
  EXPECT_EQ(log.substr(0, 3), "\xEF\xBB\xBF");
  const size_t firstEnd = log.find("\r\n");
  ASSERT_NE(firstEnd, std::string::npos);
  const std::string first = log.substr(3, firstEnd - 3);
  const std::string second = log.substr(firstEnd + 2, log.find("\r\n", firstEnd + 2) - firstEnd - 2);
  EXPECT_NE(first.find(std::string(40, '-')), std::string::npos) << first;
  EXPECT_NE(second.find("Application: ["), std::string::npos) << second;
  EXPECT_NE(second.find("ZUB.exe] Version: [2.50.2.40]"), std::string::npos) << second;
  // Every line ends with CR LF; there is no bare LF.
  for (size_t i = 1; i < log.size(); ++i) {
    ASSERT_FALSE(log[i] == '\n' && log[i - 1] != '\r') << "bare LF at byte " << i;
  }
}

// Wine reports to ZUB.exe the version its AppDefaults key names.
class Windows8E2E : public StartChecksE2E {
 protected:
  void SetUp() override {
    StartChecksE2E::SetUp();
    PutWineAppDefault(L"", L"Version", L"win8");
  }
};

TEST_F(Windows8E2E, AsksAboutANewVersionAndEndsWithoutItsWindow) {
  ZubProcess zub;
  HWND box = zub.WaitForWindow(L"Error");
  ASSERT_NE(box, nullptr) << "no question box";
  const std::wstring expected =
      L"Unsupported operating system.\r\nDo you want to check https://www.tarnwick.example/quellon/ for a new "
      L"version of the program?";
  EXPECT_NE(FindChild(box, expected), nullptr);
  HWND yes = ::GetDlgItem(box, IDYES);
  HWND no = ::GetDlgItem(box, IDNO);
  EXPECT_NE(yes, nullptr);
  ASSERT_NE(no, nullptr);
  EXPECT_EQ(::GetDlgItem(box, IDOK), nullptr);
  EXPECT_EQ(zub.WaitForWindow(L"ZUB", 200), nullptr) << "the main window shows behind the question";

  Click(no);
  EXPECT_TRUE(zub.WaitForExit(10000)) << "ZUB.exe still running after No";
  EXPECT_FALSE(FileExists(ZubLogFile()));
}

// A damaged installation: one more special-programs row in the machine's
// records, broken in one of the ways the check knows; the installer's own
// rows stay as they are.
struct DamagedRow {
  const char* name;
  const wchar_t* displayName;
  bool withCaption;
  int code;
};
inline void PrintTo(const DamagedRow& c, std::ostream* os) { *os << c.name; }

class InstallInfoE2E : public StartChecksE2E, public ::testing::WithParamInterface<DamagedRow> {
 protected:
  static constexpr const wchar_t* kSpecPrograms = L"SOFTWARE\\Tarnwick\\YARB\\SpecPrograms";
  static constexpr const wchar_t* kRow = L"QUELLONTESTCLASS";
  void SetUp() override {
    StartChecksE2E::SetUp();
    PutMachine(kSpecPrograms, GetParam().displayName);
    if (GetParam().withCaption) PutMachine(std::wstring(kSpecPrograms) + L"\\TrueWindows", L"TEST WINDOW");
  }
  void TearDown() override {
    for (std::wstring key : {std::wstring(kSpecPrograms), std::wstring(kSpecPrograms) + L"\\TrueWindows"}) {
      auto k = reg.OpenKey(os::RootKey::LocalMachine, key, os::RegAccess::Full, false);
      if (k) (void)k.value()->DeleteValue(kRow);
    }
    StartChecksE2E::TearDown();
  }
  void PutMachine(const std::wstring& key, const std::wstring& data) {
    auto k = reg.OpenKey(os::RootKey::LocalMachine, key, os::RegAccess::Full, false);
    ASSERT_TRUE(k.ok()) << "the prefix lacks the installation records";
    ASSERT_TRUE(k.value()->WriteString(kRow, data).ok());
  }
};

TEST_P(InstallInfoE2E, ShowsTheReinstallBoxLogsTheCodeAndEnds) {
  Put(L"Logger", 1u);
  ZubProcess zub;
  HWND box = zub.WaitForWindow(L"Error");
  ASSERT_NE(box, nullptr) << "no error box";
  EXPECT_NE(FindChild(box,
                      L"Quellon is not installed or previous installation has been damaged.\r\n"
                      L"You need to reinstall the program!"),
            nullptr);
  HWND ok = ::GetDlgItem(box, IDOK);
  ASSERT_NE(ok, nullptr);
  EXPECT_EQ(::GetDlgItem(box, IDNO), nullptr);
  EXPECT_EQ(zub.WaitForWindow(L"ZUB", 200), nullptr) << "the main window shows behind the box";

  Click(ok);
  ASSERT_TRUE(zub.WaitForExit(10000)) << "ZUB.exe still running after OK";
  EXPECT_EQ(zub.WaitForWindow(L"Error", 0), nullptr);
  const std::string log = ReadWholeFile(ZubLogFile());
  EXPECT_NE(log.find("Error " + std::to_string(GetParam().code) + " - Missed installation info"), std::string::npos)
      << log;
}

INSTANTIATE_TEST_SUITE_P(Rows, InstallInfoE2E,
                         ::testing::Values(DamagedRow{"EmptyDisplayName", L"", true, 2},
                                           DamagedRow{"NothingToWatch", L"Quellon test", false, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace quellon::test
