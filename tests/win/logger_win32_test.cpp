// The log writer on real files and the real registry.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <regex>

#include "log/logger.h"
#include "support/temp_folder.h"
#include "util/text.h"

namespace quellon {
namespace {

using test::TempFolder;

const std::string kBom = "\xEF\xBB\xBF";
const char kStamp[] = "[0-9]{8} [0-9]{6}\\.[0-9]{3}: ";
const char kHeader[] =
    "Application: \\[C:\\\\Program Files\\\\Quellon\\\\ZUB\\.exe\\] Version: \\[2\\.50\\.2\\.40\\]";

std::string Event(const std::string& pattern) { return kStamp + pattern + "\r\n"; }

class LoggerWin32Test : public testing::Test {
 protected:
  LoggerServices Services() {
    LoggerServices s;
    s.folder = temp.Path();
    s.executablePath = L"C:\\Program Files\\Quellon\\ZUB.exe";
    s.versionText = L"2.50.2.40";
    return s;  // the real file system, clock and debugger output
  }
  std::string File(const wchar_t* name) {
    return TempFolder::Contents(temp.File(name)).value_or("<missing>");
  }
  static bool Matches(const std::string& text, const std::string& pattern) {
    return std::regex_match(text, std::regex(pattern));
  }

  TempFolder temp{L"quellon-log"};
};

TEST_F(LoggerWin32Test, NewFileHasBomSeparatorAndHeaderWithCrLf) {
  TMsgLogger log(kLogMaxSize, true, Services());
  EXPECT_EQ(log.FileName(), temp.File(L"ZUB.log"));
  std::string content = File(L"ZUB.log");
  ASSERT_GE(content.size(), 3u);
  EXPECT_EQ(content.substr(0, 3), kBom);
  EXPECT_TRUE(Matches(content.substr(3), Event("-{40}") + Event(kHeader))) << content;

  log.LogEvent(L"a\r\nb \u00e4");
  EXPECT_TRUE(Matches(File(L"ZUB.log"),
                      kBom + Event("-{40}") + Event(kHeader) + Event("a--b \xC3\xA4")));
}

TEST_F(LoggerWin32Test, LinesGoAfterWhatAnotherProgramAppended) {
  TMsgLogger log(kLogMaxSize, true, Services());
  {
    HANDLE h = CreateFileW(temp.File(L"ZUB.log").c_str(), FILE_APPEND_DATA,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE) << "the log is shared for writing";
    DWORD written = 0;
    WriteFile(h, "other\r\n", 7, &written, nullptr);
    CloseHandle(h);
  }
  log.LogEvent(L"after");
  EXPECT_TRUE(Matches(File(L"ZUB.log"),
                      kBom + Event("-{40}") + Event(kHeader) + "other\r\n" + Event("after")));
}

TEST_F(LoggerWin32Test, ExistingFileGetsNoBom) {
  TempFolder::PutFile(temp.File(L"ZUB.log"), "earlier\r\n");
  TMsgLogger log(kLogMaxSize, true, Services());
  EXPECT_TRUE(Matches(File(L"ZUB.log"), "earlier\r\n" + Event("-{40}") + Event(kHeader)));
}

TEST_F(LoggerWin32Test, FullFileRotatesToBak) {
  TempFolder::PutFile(temp.File(L"ZUB.bak"), "older backup");
  TMsgLogger log(300, true, Services());
  for (int i = 0; i < 100 && File(L"ZUB.bak") == "older backup"; ++i)
    log.LogEvent(L"line " + std::to_wstring(i));
  std::string bak = File(L"ZUB.bak"), now = File(L"ZUB.log");
  EXPECT_TRUE(Matches(bak,
                      kBom + Event("-{40}") + Event(kHeader) + "(" + Event("line [0-9]+") + ")+"))
      << bak;
  EXPECT_GT(bak.size(), 300u);
  EXPECT_TRUE(Matches(now, kBom + Event(kHeader) + Event("line [0-9]+"))) << now;
  EXPECT_EQ(log.FileName(), temp.File(L"ZUB.log"));
}

TEST_F(LoggerWin32Test, ReadOnlyBakMovesTheLogToLog1) {
  std::wstring bakPath = temp.File(L"ZUB.bak");
  TempFolder::PutFile(bakPath, "read-only backup");
  TempFolder::SetReadOnly(bakPath, true);
  {
    TMsgLogger log(300, true, Services());
    for (int i = 0; i < 100 && log.FileName() == temp.File(L"ZUB.log"); ++i)
      log.LogEvent(L"line " + std::to_wstring(i));
    EXPECT_EQ(log.FileName(), temp.File(L"ZUB.log1"));
    EXPECT_TRUE(log.Enabled());
    EXPECT_EQ(File(L"ZUB.bak"), "read-only backup");
    EXPECT_GT(File(L"ZUB.log").size(), 300u) << "the full file stays";
    EXPECT_TRUE(Matches(File(L"ZUB.log1"), kBom + Event(kHeader) + Event("line [0-9]+")));
  }
  TempFolder::SetReadOnly(bakPath, false);
}

// HKCU "SOFTWARE\Tarnwick\<key>" with the "Logger" value as a test arranges it.
class RegEnabledTest : public testing::Test {
 protected:
  void TearDown() override {
    RegDeleteKeyW(HKEY_CURRENT_USER, (L"SOFTWARE\\Tarnwick\\" + key_).c_str());
  }
  void Put(DWORD type, const void* data, DWORD size) {
    HKEY k = nullptr;
    ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, (L"SOFTWARE\\Tarnwick\\" + key_).c_str(), 0,
                              nullptr, 0, KEY_ALL_ACCESS, nullptr, &k, nullptr),
              ERROR_SUCCESS);
    if (data) RegSetValueExW(k, L"Logger", 0, type, static_cast<const BYTE*>(data), size);
    RegCloseKey(k);
  }

  std::wstring key_ = L"QuellonLogTest" + std::to_wstring(GetCurrentProcessId());
};

TEST_F(RegEnabledTest, OnlyANonZeroDwordSwitchesLoggingOn) {
  EXPECT_FALSE(TMsgLogger::RegEnabled(key_)) << "missing key";
  Put(REG_DWORD, nullptr, 0);
  EXPECT_FALSE(TMsgLogger::RegEnabled(key_)) << "missing value";

  const DWORD zero = 0, one = 1, two = 2;
  const wchar_t text[] = L"1";
  const BYTE binary[4] = {1, 0, 0, 0};
  struct Case {
    const char* what;
    DWORD type;
    const void* data;
    DWORD size;
    bool enabled;
  } cases[] = {
      {"dword 1", REG_DWORD, &one, 4, true},
      {"dword 2", REG_DWORD, &two, 4, true},
      {"dword 0", REG_DWORD, &zero, 4, false},
      {"text 1", REG_SZ, text, sizeof text, false},
      {"binary 1", REG_BINARY, binary, 4, false},
  };
  for (const auto& c : cases) {
    Put(c.type, c.data, c.size);
    EXPECT_EQ(TMsgLogger::RegEnabled(key_), c.enabled) << c.what;
  }
}

// Not a check: measures one event line on a real file. Run with
// --gtest_also_run_disabled_tests --gtest_filter=LoggerBench.*
TEST(LoggerBench, DISABLED_TimePerLogEvent) {
  TempFolder temp{L"quellon-logbench"};
  LoggerServices s;
  s.folder = temp.Path();
  s.executablePath = L"C:\\Program Files\\Quellon\\ZUB.exe";
  s.versionText = L"2.50.2.40";
  TMsgLogger log(kLogMaxSize, true, s);
  constexpr int kLines = 20000;
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  for (int i = 0; i < kLines; ++i) log.LogEvent(L"Countdown: 42 seconds left, beep 3 of 5");
  QueryPerformanceCounter(&end);
  double us = static_cast<double>(end.QuadPart - start.QuadPart) * 1e6 /
              static_cast<double>(freq.QuadPart) / kLines;
  std::printf("LogEvent: %.2f us per line over %d lines (limit %lld bytes)\n", us, kLines,
              static_cast<long long>(kLogMaxSize));
  RecordProperty("us_per_line", std::to_string(us));
}

}  // namespace
}  // namespace quellon
