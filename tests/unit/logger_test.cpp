#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <thread>

#include "fakes/fake_log_fs.h"
#include "fakes/fake_registry.h"
#include "log/logger.h"
#include "util/text.h"

namespace quellon {
namespace {

using test::FakeLogFileSystem;

const std::wstring kFolder = L"C:\\Users\\Quellon\\AppData\\Roaming\\Brightlode\\";
const std::wstring kExe = L"C:\\Program Files\\Quellon\\ZUB.exe";
const std::string kBom = "\xEF\xBB\xBF";

class LoggerTest : public testing::Test {
 protected:
  LoggerTest() { fs.AddFolder(kFolder); }
  ~LoggerTest() override { FreeLogger(); }

  LoggerServices Services() {
    LoggerServices s;
    s.fileSystem = &fs;
    s.folder = kFolder;
    s.executablePath = kExe;
    s.versionText = L"2.50.2.40 (beta)";
    s.localNow = [this] { return now; };
    s.debugOutput = [this](const std::wstring& text) { debug.push_back(text); };
    return s;
  }
  std::unique_ptr<TMsgLogger> Make(int64_t maxSize = 0, bool enabled = true) {
    return std::make_unique<TMsgLogger>(maxSize, enabled, Services());
  }
  std::string File(const std::wstring& name = L"ZUB.log") {
    return fs.Contents(kFolder + name).value_or("<missing>");
  }
  static std::string Line(const std::string& msg) { return "20120305 140709.045: " + msg + "\r\n"; }
  static std::string Separator() { return Line(std::string(40, '-')); }
  static std::string Header() {
    return Line("Application: [C:\\Program Files\\Quellon\\ZUB.exe] Version: [2.50.2.40 (beta)]");
  }
  static std::string NewFile() { return kBom + Separator() + Header(); }
  // A file started by a rotation: header, no separator.
  static std::string RotatedFile() { return kBom + Header(); }

  FakeLogFileSystem fs;
  TDateTime now = EncodeDate(2012, 3, 5) + EncodeTime(14, 7, 9, 45);
  std::vector<std::wstring> debug;
};

TEST_F(LoggerTest, NewFileStartsWithBomSeparatorAndHeader) {
  auto log = Make();
  EXPECT_EQ(log->FileName(), kFolder + L"ZUB.log");
  EXPECT_TRUE(log->Enabled());
  EXPECT_EQ(File(), NewFile());
  EXPECT_TRUE(debug.empty()) << "a new enabled logger logs neither \"Log enabled\" nor its header";
}

TEST_F(LoggerTest, BomOnlyWhenTheFileIsEmpty) {
  struct Case {
    const char* before;
    std::string after;
  } cases[] = {
      {"", kBom + Separator() + Header()},
      {"earlier\r\n", "earlier\r\n" + Separator() + Header()},
      {"\xEF\xBB\xBF" "earlier\r\n", kBom + "earlier\r\n" + Separator() + Header()},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    fs.PutFile(kFolder + L"ZUB.log", c.before);
    Make();
    EXPECT_EQ(File(), c.after);
  }
}

TEST_F(LoggerTest, LogIsNamedAfterTheExecutable) {
  struct Case {
    const wchar_t* exe;
    const wchar_t* log;
  } cases[] = {
      {L"C:\\Program Files\\Quellon\\ZUB.exe", L"ZUB.log"},
      {L"C:\\Tools\\zub.copy.EXE", L"zub.copy.log"},
      {L"C:\\Tools.d\\ZUB", L"ZUB.log"},
  };
  for (const auto& c : cases) {
    LoggerServices s = Services();
    s.executablePath = c.exe;
    TMsgLogger log(0, true, s);
    EXPECT_EQ(log.FileName(), kFolder + c.log) << WideToUtf8(c.exe);
  }
}

TEST_F(LoggerTest, FolderWithoutTrailingSeparatorGetsOne) {
  LoggerServices s = Services();
  s.folder.pop_back();
  TMsgLogger log(0, true, s);
  EXPECT_EQ(log.FileName(), kFolder + L"ZUB.log");
}

TEST_F(LoggerTest, EventLineCarriesTheLocalTimeStamp) {
  struct Case {
    TDateTime at;
    const char* stamp;
  } cases[] = {
      {EncodeDate(2012, 3, 5) + EncodeTime(14, 7, 9, 45), "20120305 140709.045"},
      {EncodeDate(2010, 1, 1), "20100101 000000.000"},
      {EncodeDate(2009, 12, 31) + EncodeTime(23, 59, 59, 999), "20091231 235959.999"},
      {EncodeDate(2024, 11, 22) + EncodeTime(9, 5, 3, 7), "20241122 090503.007"},
  };
  auto log = Make();
  std::string expected = File();
  for (const auto& c : cases) {
    now = c.at;
    log->LogEvent(L"tick");
    expected += std::string(c.stamp) + ": tick\r\n";
  }
  EXPECT_EQ(File(), expected);
}

TEST_F(LoggerTest, LineBreaksInAMessageBecomeHyphens) {
  struct Case {
    const wchar_t* msg;
    const char* written;
  } cases[] = {
      {L"a\r\nb", "a--b"},
      {L"\n\rx\n", "--x-"},
      {L"plain", "plain"},
      {L"", ""},
      {L"Gr\u00fc\u00dfe \u20ac", "Gr\xC3\xBC\xC3\x9F" "e \xE2\x82\xAC"},
  };
  for (const auto& c : cases) {
    auto log = Make();
    std::string before = File();
    log->LogEvent(c.msg);
    EXPECT_EQ(File(), before + Line(c.written)) << c.written;
  }
}

TEST_F(LoggerTest, LogStreamWritesTheTextAsItIs) {
  auto log = Make();
  log->LogStream(L"a\r\nb");
  EXPECT_EQ(File(), NewFile() + "a\r\nb\r\n");
}

TEST_F(LoggerTest, LogExecTimeAppendsTheTicks) {
  auto log = Make();
  log->LogExecTime(L"T", 15);
  log->LogExecTime(L"Enumerate", 4294967295u);
  EXPECT_EQ(File(), NewFile() + Line("T executing time: 15ms") +
                        Line("Enumerate executing time: 4294967295ms"));
}

TEST_F(LoggerTest, LogWritesTheFileAndTheDebuggerOutput) {
  auto log = Make();
  log->Log(L"Begin pressed");
  log->Log(L"instance%.2d %d", {2, 7});
  log->LogDebug(L"debug\r\nonly");
  EXPECT_EQ(File(), NewFile() + Line("Begin pressed") + Line("instance02 7"));
  EXPECT_EQ(debug,
            (std::vector<std::wstring>{L"Begin pressed", L"instance02 7", L"debug\r\nonly"}));
}

TEST_F(LoggerTest, BadFormatKeepsTheFormatText) {
  auto log = Make();
  log->Log(L"Closing %s", {42});
  EXPECT_EQ(File(), NewFile() + Line("Error in log format \"Closing %s\""));
}

TEST_F(LoggerTest, EnablingRule) {
  auto log = Make();
  log->SetEnabled(true);  // no change
  EXPECT_EQ(File(), NewFile());
  EXPECT_TRUE(debug.empty());

  log->SetEnabled(false);
  EXPECT_FALSE(log->Enabled());
  EXPECT_EQ(debug, std::vector<std::wstring>{L"Log disabled"});
  log->LogEvent(L"dropped");
  log->LogStream(L"dropped");
  log->LogExecTime(L"dropped", 1);
  log->SetEnabled(false);
  EXPECT_EQ(File(), NewFile());
  EXPECT_EQ(debug.size(), 1u);

  log->SetEnabled(true);
  EXPECT_TRUE(log->Enabled());
  EXPECT_EQ(File(), NewFile() + Line("Log enabled"));
  EXPECT_EQ(debug, (std::vector<std::wstring>{L"Log disabled", L"Log enabled"}));
}

TEST_F(LoggerTest, CreatedDisabledWritesSeparatorAndHeaderOnly) {
  auto log = Make(0, false);
  EXPECT_FALSE(log->Enabled());
  EXPECT_EQ(File(), NewFile());
  EXPECT_EQ(debug, std::vector<std::wstring>{L"Log disabled"});
  log->LogEvent(L"dropped");
  EXPECT_EQ(File(), NewFile());
}

TEST_F(LoggerTest, CreationFailsWhenTheFileCannotBeOpened) {
  struct Case {
    const char* what;
    std::function<void(FakeLogFileSystem&, LoggerServices&)> arrange;
  } cases[] = {
      {"missing folder",
       [](FakeLogFileSystem&, LoggerServices& s) { s.folder = L"C:\\Nowhere\\"; }},
      {"no folder", [](FakeLogFileSystem&, LoggerServices& s) { s.folder.clear(); }},
      {"read-only file",
       [](FakeLogFileSystem& f, LoggerServices&) {
         f.PutFile(kFolder + L"ZUB.log", "x");
         f.SetReadOnly(kFolder + L"ZUB.log", true);
       }},
      {"open fails", [](FakeLogFileSystem& f, LoggerServices&) { f.failOpen = true; }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    FakeLogFileSystem local;
    local.AddFolder(kFolder);
    LoggerServices s = Services();
    s.fileSystem = &local;
    c.arrange(local, s);
    EXPECT_THROW(TMsgLogger(kLogMaxSize, true, s), LogFileError);
    EXPECT_FALSE(CreateLogger(kLogMaxSize, s));
    EXPECT_EQ(Logger(), nullptr);
  }
}

// The limit is the size the new file has after its first lines: a file of
// exactly that size is not full, one byte more is.
class LoggerRotationTest : public LoggerTest {
 protected:
  std::unique_ptr<TMsgLogger> MakeAtLimit() {
    auto log = Make(static_cast<int64_t>(NewFile().size()));
    log->LogEvent(L"fills");  // size == limit: no rotation yet
    EXPECT_EQ(File(), Full());
    return log;
  }
  static std::string Full() { return NewFile() + Line("fills"); }
};

TEST_F(LoggerRotationTest, FullFileMovesToBakAndTheLineStartsANewFile) {
  fs.PutFile(kFolder + L"ZUB.bak", "older backup\r\n");
  auto log = MakeAtLimit();
  log->LogEvent(L"triggers");
  EXPECT_EQ(File(L"ZUB.bak"), Full());
  EXPECT_EQ(File(), RotatedFile() + Line("triggers"));
  EXPECT_EQ(log->FileName(), kFolder + L"ZUB.log");
  EXPECT_TRUE(log->Enabled());
}

TEST_F(LoggerRotationTest, LogStreamAlsoRotates) {
  auto log = MakeAtLimit();
  log->LogStream(L"raw");
  EXPECT_EQ(File(L"ZUB.bak"), Full());
  EXPECT_EQ(File(), RotatedFile() + "raw\r\n");
}

TEST_F(LoggerRotationTest, NoLimitMeansNoRotation) {
  for (int64_t limit : {0, -1}) {
    fs.PutFile(kFolder + L"ZUB.log", std::string(100000, 'x'));
    auto log = Make(limit);
    log->LogEvent(L"more");
    EXPECT_FALSE(fs.Contents(kFolder + L"ZUB.bak")) << limit;
  }
}

TEST_F(LoggerRotationTest, MaxSizeCanBeChangedLater) {
  auto log = Make();
  log->SetMaxSize(1);
  EXPECT_EQ(log->MaxSize(), 1);
  log->LogEvent(L"triggers");
  EXPECT_EQ(File(L"ZUB.bak"), NewFile());
  EXPECT_EQ(File(), RotatedFile() + Line("triggers"));
}

TEST_F(LoggerRotationTest, LimitBelowTheHeaderRotatesOncePerLine) {
  auto log = Make(1);
  log->LogEvent(L"one");
  log->LogEvent(L"two");
  EXPECT_EQ(File(L"ZUB.bak"), RotatedFile() + Line("one"));
  EXPECT_EQ(File(), RotatedFile() + Line("two"));
}

TEST_F(LoggerRotationTest, UndeletableBakMovesTheLogToLog1) {
  fs.PutFile(kFolder + L"ZUB.bak", "read-only backup");
  fs.SetReadOnly(kFolder + L"ZUB.bak", true);
  auto log = MakeAtLimit();
  log->LogEvent(L"triggers");
  EXPECT_EQ(log->FileName(), kFolder + L"ZUB.log1");
  EXPECT_EQ(File(L"ZUB.log"), Full()) << "the full file stays";
  EXPECT_EQ(File(L"ZUB.bak"), "read-only backup");
  EXPECT_EQ(File(L"ZUB.log1"), RotatedFile() + Line("triggers"));

  // ZUB.log1's own backup is ZUB.bak again.
  fs.SetReadOnly(kFolder + L"ZUB.bak", false);
  log->SetMaxSize(1);
  log->LogEvent(L"triggers again");
  EXPECT_EQ(log->FileName(), kFolder + L"ZUB.log1");
  EXPECT_EQ(File(L"ZUB.bak"), RotatedFile() + Line("triggers"));
  EXPECT_EQ(File(L"ZUB.log1"), RotatedFile() + Line("triggers again"));
  EXPECT_EQ(File(L"ZUB.log"), Full());
}

TEST_F(LoggerRotationTest, FallbackTakesTheFirstFreeOrDeletableName) {
  enum State { kMissing, kDeletable, kReadOnly };
  struct Case {
    State log1, log2;
    const wchar_t* name;
  } cases[] = {
      {kMissing, kReadOnly, L"ZUB.log1"},
      {kDeletable, kMissing, L"ZUB.log1"},
      {kReadOnly, kMissing, L"ZUB.log2"},
      {kReadOnly, kDeletable, L"ZUB.log2"},
      {kReadOnly, kReadOnly, L"ZUB.log3"},
  };
  for (const auto& c : cases) {
    FakeLogFileSystem local;
    local.AddFolder(kFolder);
    local.PutFile(kFolder + L"ZUB.bak", "");
    local.SetReadOnly(kFolder + L"ZUB.bak", true);
    for (auto [state, name] : {std::pair{c.log1, L"ZUB.log1"}, std::pair{c.log2, L"ZUB.log2"}}) {
      if (state == kMissing) continue;
      local.PutFile(kFolder + name, "stale");
      local.SetReadOnly(kFolder + name, state == kReadOnly);
    }
    LoggerServices s = Services();
    s.fileSystem = &local;
    TMsgLogger log(static_cast<int64_t>(NewFile().size()), true, s);
    log.LogEvent(L"fills");
    log.LogEvent(L"triggers");
    EXPECT_EQ(log.FileName(), kFolder + c.name) << WideToUtf8(c.name);
    EXPECT_EQ(local.Contents(kFolder + c.name), RotatedFile() + Line("triggers"));
  }
}

TEST_F(LoggerRotationTest, FailedReopenEndsLoggingForGood) {
  auto log = MakeAtLimit();
  fs.failOpen = true;
  log->LogEvent(L"lost");
  EXPECT_EQ(log->FileName(), L"");
  EXPECT_FALSE(log->Enabled());
  EXPECT_EQ(File(L"ZUB.bak"), Full());
  EXPECT_FALSE(fs.Contents(kFolder + L"ZUB.log"));

  fs.failOpen = false;
  log->SetEnabled(true);  // no writer: nothing happens
  log->LogEvent(L"still lost");
  log->LogStream(L"still lost");
  EXPECT_FALSE(log->Enabled());
  EXPECT_EQ(fs.FileNames(), std::vector<std::wstring>{kFolder + L"ZUB.bak"});
}

TEST_F(LoggerTest, LowDiskSpaceDropsLinesWithoutDisabling) {
  struct Case {
    std::optional<uint64_t> free;
    bool written;
  } cases[] = {
      {10485762, true},
      {10485761, false},
      {0, false},
      {std::nullopt, false},  // the query failed
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.free ? std::to_string(*c.free) : "query fails");
    fs.freeBytes = 100ull << 30;
    fs.PutFile(kFolder + L"ZUB.log", "");
    auto log = Make();
    fs.freeBytes = c.free;
    log->LogEvent(L"maybe");
    log->LogStream(L"maybe");
    EXPECT_EQ(File(), NewFile() + (c.written ? Line("maybe") + "maybe\r\n" : ""));
    EXPECT_TRUE(log->Enabled());
    fs.freeBytes = 100ull << 30;
    log->LogEvent(L"back");
    EXPECT_TRUE(EndsWith(Utf8ToWide(File()), L": back\r\n"));
  }
}

TEST_F(LoggerTest, WriteErrorsLoseTheLineOnly) {
  auto log = Make(1000);
  fs.failFlush = true;
  log->LogEvent(L"lost to the disk");
  fs.failFlush = false;
  fs.failSize = true;
  log->LogEvent(L"lost to the size check");
  fs.failSize = false;
  log->LogEvent(L"written");
  EXPECT_TRUE(log->Enabled());
  EXPECT_EQ(File(), NewFile() + Line("written"));
}

TEST_F(LoggerTest, ProcessWideLogger) {
  EXPECT_EQ(Logger(), nullptr);
  ASSERT_TRUE(CreateLogger(kLogMaxSize, Services()));
  ASSERT_NE(Logger(), nullptr);
  EXPECT_TRUE(Logger()->Enabled());
  EXPECT_EQ(Logger()->MaxSize(), 5242880);
  applog::LogEvent(L"event");
  applog::Log(L"both");
  applog::Log(L"%d%%", {50});
  applog::LogExecTime(L"T", 15);
  applog::LogStream(L"raw");
  EXPECT_EQ(File(), NewFile() + Line("event") + Line("both") + Line("50%") +
                        Line("T executing time: 15ms") + "raw\r\n");
  EXPECT_EQ(debug, (std::vector<std::wstring>{L"both", L"50%"}));

  LogSink* sink = Logger();
  sink->LogEvent(L"through the sink");
  EXPECT_TRUE(EndsWith(Utf8ToWide(File()), L": through the sink\r\n"));

  FreeLogger();
  EXPECT_EQ(Logger(), nullptr);
}

TEST_F(LoggerTest, WithoutALoggerEveryCallDoesNothing) {
  ASSERT_EQ(Logger(), nullptr);
  applog::LogEvent(L"x");
  applog::Log(L"x");
  applog::Log(L"%s", {L"x"});
  applog::LogExecTime(L"x", 1);
  applog::LogStream(L"x");
  EXPECT_TRUE(fs.FileNames().empty());
  EXPECT_TRUE(debug.empty());
}

TEST_F(LoggerTest, FailedCreateLeavesNoLogger) {
  ASSERT_TRUE(CreateLogger(0, Services()));
  LoggerServices s = Services();
  s.folder = L"C:\\Nowhere\\";
  EXPECT_FALSE(CreateLogger(0, s));
  EXPECT_EQ(Logger(), nullptr);
}

TEST_F(LoggerTest, LinesFromManyThreadsNeverInterleave) {
  auto log = Make(4000);
  constexpr int kThreads = 4, kLines = 300;
  std::vector<std::thread> threads;
  for (int t = 0; t < kThreads; ++t)
    threads.emplace_back([&log, t] {
      for (int i = 0; i < kLines; ++i)
        log->LogEvent(L"thread " + std::to_wstring(t) + L" line " + std::to_wstring(i));
    });
  for (auto& th : threads) th.join();

  const std::regex event("20120305 140709\\.045: (thread [0-9] line [0-9]+|Application: .*|-{40})");
  for (const wchar_t* name : {L"ZUB.log", L"ZUB.bak"}) {
    std::string content = File(name);
    ASSERT_EQ(content.rfind(kBom, 0), 0u) << WideToUtf8(name);
    std::istringstream in(content.substr(kBom.size()));
    std::string line;
    int lines = 0;
    while (std::getline(in, line)) {
      ASSERT_FALSE(line.empty());
      ASSERT_EQ(line.back(), '\r');
      line.pop_back();
      EXPECT_TRUE(std::regex_match(line, event)) << line;
      ++lines;
    }
    EXPECT_GT(lines, 1);
  }
}

TEST(LoggerRegEnabledTest, OnlyANonZeroDwordSwitchesLoggingOn) {
  using os::RootKey;
  const std::wstring path = L"SOFTWARE\\Tarnwick\\YARB";
  struct Case {
    const char* what;
    bool createKey;
    uint32_t type;
    std::vector<uint8_t> data;  // empty with createKey: no value
    bool enabled;
  } cases[] = {
      {"no key", false, 0, {}, false},
      {"no value", true, 0, {}, false},
      {"dword 1", true, os::kRegDword, os::EncodeRegDword(1), true},
      {"dword 7", true, os::kRegDword, os::EncodeRegDword(7), true},
      {"dword 0", true, os::kRegDword, os::EncodeRegDword(0), false},
      {"text 1", true, os::kRegSz, os::EncodeRegString(L"1"), false},
      {"binary 1", true, os::kRegBinary, {1, 0, 0, 0}, false},
      {"short dword", true, os::kRegDword, {1, 0}, false},
  };
  for (const auto& c : cases) {
    test::FakeRegistry reg;
    if (c.createKey) {
      auto key = reg.OpenKey(RootKey::CurrentUser, path, os::RegAccess::Full, true);
      ASSERT_TRUE(key);
      if (!c.data.empty()) {
        ASSERT_TRUE(key.value()->WriteRaw(L"Logger", c.type, c.data));
      }
    }
    EXPECT_EQ(TMsgLogger::RegEnabled(reg, L"YARB"), c.enabled) << c.what;
    EXPECT_FALSE(TMsgLogger::RegEnabled(reg, L"Other")) << c.what;
    EXPECT_EQ(reg.KeyExists(RootKey::CurrentUser, path), c.createKey) << "never created";
  }
}

TEST(LoggerRegEnabledTest, KeyThatDeniesFullAccessGivesFalse) {
  using os::RootKey;
  test::FakeRegistry reg;
  auto key =
      reg.OpenKey(RootKey::CurrentUser, L"SOFTWARE\\Tarnwick\\YARB", os::RegAccess::Full, true);
  ASSERT_TRUE(key);
  ASSERT_TRUE(key.value()->WriteDword(L"Logger", 1));
  EXPECT_TRUE(TMsgLogger::RegEnabled(reg, L"YARB"));
  reg.FailOn(RootKey::CurrentUser, L"SOFTWARE\\Tarnwick\\YARB", test::FakeRegistry::Op::OpenFull);
  EXPECT_FALSE(TMsgLogger::RegEnabled(reg, L"YARB"));
}

}  // namespace
}  // namespace quellon
