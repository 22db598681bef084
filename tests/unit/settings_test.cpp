#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "fakes/fake_registry.h"
#include "fakes/recording_log.h"
#include "settings/command.h"
#include "settings/settings.h"
#include "util/text.h"

namespace quellon {
namespace {

using os::RegAccess;
using os::RootKey;
using test::FakeRegistry;

constexpr auto kShutdown = TZUBCommand::scmdShutdownComputer;
constexpr auto kHibernation = TZUBCommand::scmdHibernation;
constexpr auto kCloseProgram = TZUBCommand::scmdCloseProgram;

const wchar_t kDefaultsLine[] =
    L"Settings (1): AutoStartup=N, AppWndState=0, MinimizeToTray=N, Alarm=0, ExactAppName=N, "
    L"MainEvent=scmdShutdownComputer, Force=Y, ShowClassNames=N, WatchInternalWindows=N, "
    L"SilenceDetectionCounter=10.";

class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    env.instanceNumber = 1;
    env.exePath = L"C:\\Quellon\\ZUB.exe";
    env.hibernationQuery = [this] { return hibernation; };
    env.log = &log;
  }

  std::unique_ptr<TZUBSettings> Make() { return std::make_unique<TZUBSettings>(reg, env); }

  std::unique_ptr<os::RegKey> Key(const std::wstring& path) {
    return std::move(reg.OpenKey(RootKey::CurrentUser, path, RegAccess::Full, true).value());
  }
  std::unique_ptr<os::RegKey> SettingsKey() { return Key(kSettingsKeyPath); }
  std::unique_ptr<os::RegKey> RunKey() { return Key(kRunKeyPath); }

  void StoreDword(const std::wstring& name, uint32_t v) {
    ASSERT_TRUE(SettingsKey()->WriteDword(name, v).ok());
  }
  void StoreString(const std::wstring& name, const std::wstring& v) {
    ASSERT_TRUE(SettingsKey()->WriteString(name, v).ok());
  }

  FakeRegistry reg;
  test::RecordingLog log;
  SettingsEnv env;
  bool hibernation = true;
};

TEST(ZUBCommandTest, OrdinalsAndIdentifiers) {
  const wchar_t* names[] = {L"scmdShutdownComputer", L"scmdHibernation",   L"scmdCloseProgram",
                            L"scmdModemDisconnect",  L"scmdBlockWindowsUser", L"scmdTurnOffMonitor",
                            L"scmdSuspend",          L"scmdRestartComputer"};
  for (int i = 0; i < kZUBCommandCount; ++i) {
    TZUBCommand c{};
    ASSERT_TRUE(ZUBCommandFromOrdinal(i, c));
    EXPECT_EQ(static_cast<int>(c), i);
    EXPECT_STREQ(ZUBCommandIdent(c), names[i]);
  }
  TZUBCommand c = kShutdown;
  EXPECT_FALSE(ZUBCommandFromOrdinal(8, c));
  EXPECT_FALSE(ZUBCommandFromOrdinal(-1, c));
  EXPECT_STREQ(ZUBCommandIdent(static_cast<TZUBCommand>(8)), L"");
}

TEST_F(SettingsTest, FirstStartKeepsTheDefaultsAndLogsThem) {
  auto s = Make();
  EXPECT_FALSE(s->LoadFromRegistry());
  EXPECT_TRUE(log.lines.empty());
  EXPECT_EQ(s->AppWindowState(), 0);
  EXPECT_EQ(s->Alarm(), 0);
  EXPECT_FALSE(s->SoundWarning());
  EXPECT_FALSE(s->AutoStartup());
  EXPECT_EQ(s->CloseApp(), L"");
  EXPECT_FALSE(s->ExactProgramName());
  EXPECT_TRUE(s->Force());
  EXPECT_EQ(s->MainAction(), kShutdown);
  EXPECT_FALSE(s->MinimizeToTray());
  EXPECT_EQ(s->Screenshot(), L"");
  EXPECT_FALSE(s->ShowWindowsClasses());
  EXPECT_FALSE(s->WatchInternalWindows());
  EXPECT_EQ(s->SecToShutdown(), 10);
  EXPECT_TRUE(s->IsHibernationPossible());
  EXPECT_EQ(s->SilenceDetectionCounter(), 10u);
  EXPECT_TRUE(s->ProgressOnTaskbar());
  EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, kSettingsKeyPath)) << "loading creates nothing";
  s->SaveToLog();
  EXPECT_EQ(log.lines, std::vector<std::wstring>{kDefaultsLine});
}

TEST_F(SettingsTest, HibernationIsAskedOnceAtConstruction) {
  int asked = 0;
  env.hibernationQuery = [&] { return ++asked, false; };
  auto s = Make();
  EXPECT_EQ(asked, 1);
  EXPECT_FALSE(s->IsHibernationPossible());
  EXPECT_FALSE(s->LoadFromRegistry());
  EXPECT_EQ(asked, 1);
  env.hibernationQuery = nullptr;
  EXPECT_FALSE(Make()->IsHibernationPossible()) << "no query: not possible";
}

TEST_F(SettingsTest, LoadReadsEveryValue) {
  StoreDword(L"AppWndState", 2);
  StoreDword(L"Alarm", 15);
  StoreString(L"CloseApp", L"WC>>Notepad");
  StoreDword(L"ExactProgramName", 1);
  StoreDword(L"Force", 0);
  StoreDword(L"MainAction", 2);
  StoreDword(L"MinimizeToTray", 1);
  StoreString(L"Screenshot", L"C:\\shot.jpg");
  StoreDword(L"ShowClassNames", 1);
  StoreDword(L"WatchInternalWindows", 1);
  StoreDword(L"Time4", 128);
  StoreString(L"SilenceDetectionCounter", L"25");
  StoreDword(L"ProgressOnTaskbar", 0);
  ASSERT_TRUE(RunKey()->WriteString(L"QUELLON1", L"x").ok());

  auto s = Make();
  ASSERT_TRUE(s->LoadFromRegistry());
  EXPECT_EQ(s->AppWindowState(), 2);
  EXPECT_EQ(s->Alarm(), 15);
  EXPECT_TRUE(s->SoundWarning());
  EXPECT_EQ(s->CloseApp(), L"WC>>Notepad");
  EXPECT_TRUE(s->ExactProgramName());
  EXPECT_FALSE(s->Force());
  EXPECT_EQ(s->MainAction(), kCloseProgram);
  EXPECT_TRUE(s->MinimizeToTray());
  EXPECT_EQ(s->Screenshot(), L"C:\\shot.jpg");
  EXPECT_TRUE(s->ShowWindowsClasses());
  EXPECT_TRUE(s->WatchInternalWindows());
  EXPECT_EQ(s->SecToShutdown(), 128);
  EXPECT_EQ(s->SilenceDetectionCounter(), 25u);
  EXPECT_FALSE(s->ProgressOnTaskbar());
  EXPECT_TRUE(s->AutoStartup());
  EXPECT_TRUE(log.lines.empty());
}

// Out of range, mistyped or missing: the value before the load stays.
TEST_F(SettingsTest, LoadKeepsTheCurrentValueForUnusableData) {
  struct Case {
    const wchar_t* name;
    uint32_t stored;
    int expected;
    std::function<int(const TZUBSettings&)> get;
  } cases[] = {
      {L"Alarm", 0, 0, [](auto& s) { return s.Alarm(); }},
      {L"Alarm", 1, 0, [](auto& s) { return s.Alarm(); }},
      {L"Alarm", 61, 0, [](auto& s) { return s.Alarm(); }},
      {L"Alarm", 2, 2, [](auto& s) { return s.Alarm(); }},
      {L"Alarm", 60, 60, [](auto& s) { return s.Alarm(); }},
      {L"AppWndState", 3, 0, [](auto& s) { return s.AppWindowState(); }},
      {L"AppWndState", 0xFFFFFFFF, 0, [](auto& s) { return s.AppWindowState(); }},
      {L"Time4", 129, 10, [](auto& s) { return s.SecToShutdown(); }},
      {L"Time4", 0, 0, [](auto& s) { return s.SecToShutdown(); }},
      {L"MainAction", 8, 0, [](auto& s) { return int(s.StoredMainAction()); }},
      {L"MainAction", 7, 7, [](auto& s) { return int(s.StoredMainAction()); }},
      {L"Force", 2, 1, [](auto& s) { return int(s.Force()); }},
      {L"Force", 0, 0, [](auto& s) { return int(s.Force()); }},
      {L"ProgressOnTaskbar", 5, 1, [](auto& s) { return int(s.ProgressOnTaskbar()); }},
      {L"MinimizeToTray", 2, 0, [](auto& s) { return int(s.MinimizeToTray()); }},
      // A DWORD counter is not text: ignored, and no error.
      {L"SilenceDetectionCounter", 99, 10, [](auto& s) { return int(s.SilenceDetectionCounter()); }},
  };
  for (const auto& c : cases) {
    reg.Reset();
    StoreDword(c.name, c.stored);
    auto s = Make();
    EXPECT_TRUE(s->LoadFromRegistry());
    EXPECT_EQ(c.get(*s), c.expected) << WideToUtf8(c.name) << " = " << c.stored;
  }
  // Texts where numbers belong, and a number where text belongs.
  reg.Reset();
  StoreString(L"Force", L"0");
  StoreString(L"Alarm", L"30");
  StoreDword(L"CloseApp", 1);
  StoreDword(L"Screenshot", 1);
  auto s = Make();
  s->SetCloseApp(L"before");
  EXPECT_TRUE(s->LoadFromRegistry());
  EXPECT_TRUE(s->Force());
  EXPECT_EQ(s->Alarm(), 0);
  EXPECT_EQ(s->CloseApp(), L"before");
  EXPECT_EQ(s->Screenshot(), L"");
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(SettingsTest, HibernationWithoutSystemSupportReadsAsSuspend) {
  StoreDword(L"MainAction", 1);
  hibernation = false;
  auto s = Make();
  ASSERT_TRUE(s->LoadFromRegistry());
  EXPECT_EQ(s->MainAction(), TZUBCommand::scmdSuspend);
  EXPECT_EQ(s->StoredMainAction(), kHibernation);
  s->SaveToLog();
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_NE(log.lines[0].find(L"MainEvent=scmdHibernation,"), std::wstring::npos) << WideToUtf8(log.lines[0]);
  // Saving keeps what the user chose.
  ASSERT_TRUE(s->SaveToRegistry(1));
  EXPECT_EQ(SettingsKey()->ReadDword(L"MainAction").value(), 1u);

  hibernation = true;
  auto h = Make();
  ASSERT_TRUE(h->LoadFromRegistry());
  EXPECT_EQ(h->MainAction(), kHibernation);
  h->SetIsHibernationPossible(false);  // after a failed hibernation
  EXPECT_EQ(h->MainAction(), TZUBCommand::scmdSuspend);
}

TEST_F(SettingsTest, CloseActionWithoutApplicationBecomesShutdown) {
  struct Case {
    const wchar_t* closeApp;  // nullptr: missing
    TZUBCommand expected;
  } cases[] = {
      {L"", kShutdown},        {L"?", kShutdown},          {L"WC>>", kShutdown},
      {nullptr, kShutdown},    {L"WC>>Notepad", kCloseProgram},
      {L"Untitled - Notepad", kCloseProgram}, {L"wc>", kCloseProgram},
  };
  for (const auto& c : cases) {
    reg.Reset();
    StoreDword(L"MainAction", 2);
    if (c.closeApp) StoreString(L"CloseApp", c.closeApp);
    auto s = Make();
    EXPECT_TRUE(s->LoadFromRegistry());
    EXPECT_EQ(s->MainAction(), c.expected) << (c.closeApp ? WideToUtf8(c.closeApp) : "missing");
  }
}

TEST_F(SettingsTest, CounterTextThatIsNoNumberStopsTheLoad) {
  StoreDword(L"MainAction", 2);  // with no CloseApp
  StoreString(L"SilenceDetectionCounter", L"x9");
  StoreDword(L"ProgressOnTaskbar", 0);
  StoreDword(L"Alarm", 20);
  ASSERT_TRUE(RunKey()->WriteString(L"Quellon1", L"x").ok());
  auto s = Make();
  s->SetAutoStartup(false);
  EXPECT_FALSE(s->LoadFromRegistry());
  EXPECT_EQ(s->Alarm(), 20) << "read before the counter";
  EXPECT_TRUE(s->ProgressOnTaskbar()) << "after the counter: not read";
  EXPECT_FALSE(s->AutoStartup()) << "the Run key is not read";
  EXPECT_EQ(s->SilenceDetectionCounter(), 10u);
  EXPECT_EQ(s->MainAction(), kShutdown) << "the close check still runs";
  EXPECT_EQ(log.lines,
            std::vector<std::wstring>{L"Error LoadFromRegistry - 'x9' is not a valid integer value"});

  // A stored text of any length is quoted shortened.
  log.lines.clear();
  StoreString(L"SilenceDetectionCounter", std::wstring(70000, L'x'));
  EXPECT_FALSE(Make()->LoadFromRegistry());
  EXPECT_EQ(log.lines, std::vector<std::wstring>{L"Error LoadFromRegistry - '" + std::wstring(47, L'x') +
                                                 L"...' is not a valid integer value"});

  env.log = nullptr;
  EXPECT_FALSE(Make()->LoadFromRegistry()) << "no logger: nothing to tell";
}

TEST(ParseCountTest, DecimalCounts) {
  struct Case {
    const wchar_t* text;
    bool ok;
    uint32_t value;
  } cases[] = {
      {L"0", true, 0},           {L"25", true, 25},        {L" +7", true, 7},
      {L"4294967295", true, 0xFFFFFFFFu},                  {L"4294967296", false, 0},
      {L"-1", false, 0},         {L"", false, 0},          {L"x9", false, 0},
      {L"9x", false, 0},         {L"1 ", false, 0},        {L"+", false, 0},
  };
  for (const auto& c : cases) {
    uint32_t v = 12345;
    EXPECT_EQ(ParseCount(c.text, v), c.ok) << WideToUtf8(c.text);
    EXPECT_EQ(v, c.ok ? c.value : 12345u) << "unchanged on failure";
  }
}

TEST_F(SettingsTest, UnopenableSettingsKeyChangesNothing) {
  StoreDword(L"Alarm", 20);
  reg.FailOn(RootKey::CurrentUser, kSettingsKeyPath, FakeRegistry::Op::Open);
  auto s = Make();
  s->SetMainAction(kCloseProgram);  // with no CloseApp
  s->SetAutoStartup(true);
  EXPECT_FALSE(s->LoadFromRegistry());
  EXPECT_EQ(s->Alarm(), 0);
  EXPECT_EQ(s->MainAction(), kCloseProgram) << "the close check does not run";
  EXPECT_TRUE(s->AutoStartup());
  EXPECT_TRUE(log.lines.empty());
}

TEST_F(SettingsTest, UnopenableRunKeyOnLoadMeansNoAutostart) {
  StoreDword(L"Alarm", 20);
  reg.FailOn(RootKey::CurrentUser, kRunKeyPath, FakeRegistry::Op::Open);
  auto s = Make();
  s->SetAutoStartup(true);
  EXPECT_TRUE(s->LoadFromRegistry());
  EXPECT_FALSE(s->AutoStartup());
  EXPECT_EQ(s->Alarm(), 20);
}

TEST_F(SettingsTest, SaveWritesEveryValueWithItsType) {
  auto s = Make();
  s->SetAppWindowState(1);
  s->SetAlarm(5);
  s->SetCloseApp(L"WC>>Notepad");
  s->SetExactProgramName(true);
  s->SetForce(false);
  s->SetMainAction(TZUBCommand::scmdRestartComputer);
  s->SetMinimizeToTray(true);
  s->SetScreenshot(L"D:\\a b\\shot.bmp");
  s->SetShowWindowsClasses(true);
  s->SetWatchInternalWindows(true);
  s->SetSecToShutdown(77);
  s->SetSilenceDetectionCounter(4000000000u);
  ASSERT_TRUE(s->SaveToRegistry(1));

  auto key = SettingsKey();
  struct Case {
    const wchar_t* name;
    uint32_t dword;
  } dwords[] = {{L"AppWndState", 1},    {L"Alarm", 5},          {L"ExactProgramName", 1},
                {L"Force", 0},          {L"MainAction", 7},     {L"MinimizeToTray", 1},
                {L"ShowClassNames", 1}, {L"WatchInternalWindows", 1}, {L"Time4", 77},
                {L"ProgressOnTaskbar", 1}};
  for (const auto& c : dwords) {
    auto v = key->ReadDword(c.name);
    ASSERT_TRUE(v.ok()) << WideToUtf8(c.name) << ": " << WideToUtf8(v.error().message);
    EXPECT_EQ(v.value(), c.dword) << WideToUtf8(c.name);
  }
  EXPECT_EQ(key->ReadString(L"CloseApp").value(), L"WC>>Notepad");
  EXPECT_EQ(key->ReadString(L"Screenshot").value(), L"D:\\a b\\shot.bmp");
  EXPECT_EQ(key->ReadString(L"SilenceDetectionCounter").value(), L"4000000000");
  EXPECT_EQ(key->ValueNames().value().size(), 13u) << "nothing else";
  EXPECT_TRUE(log.lines.empty());

  // And back.
  auto loaded = Make();
  ASSERT_TRUE(loaded->LoadFromRegistry());
  EXPECT_EQ(loaded->LogLine(), s->LogLine());
  EXPECT_EQ(loaded->SecToShutdown(), 77);
  EXPECT_EQ(loaded->Screenshot(), L"D:\\a b\\shot.bmp");
  EXPECT_EQ(loaded->CloseApp(), L"WC>>Notepad");
}

TEST_F(SettingsTest, SaveWritesBackTheValueKeptForAnOutOfRangeOne) {
  StoreDword(L"Time4", 129);
  auto s = Make();
  ASSERT_TRUE(s->LoadFromRegistry());
  ASSERT_TRUE(s->SaveToRegistry(1));
  EXPECT_EQ(SettingsKey()->ReadDword(L"Time4").value(), 10u);
}

TEST_F(SettingsTest, SaveDeletesTheValuesOfEarlierVersions) {
  env.instanceNumber = 2;
  auto s = Make();
  ASSERT_TRUE(s->SaveToRegistry(1)) << "also when they are not there";
  StoreString(L"CloseProgram-Name", L"old");
  StoreDword(L"AutoStartup i2", 1);
  StoreDword(L"AutoStartup i1", 1);
  ASSERT_TRUE(s->SaveToRegistry(1));
  auto key = SettingsKey();
  EXPECT_FALSE(key->ValueExists(L"CloseProgram-Name"));
  EXPECT_FALSE(key->ValueExists(L"AutoStartup i2"));
  EXPECT_TRUE(key->ValueExists(L"AutoStartup i1")) << "another instance's";
}

TEST_F(SettingsTest, AutostartCommandLine) {
  struct Case {
    int instance;
    const wchar_t* exe;
    int mode;
    const wchar_t* name;
    const wchar_t* line;
  } cases[] = {
      {1, L"C:\\Quellon\\ZUB.exe", 3, L"Quellon1", L"C:\\Quellon\\ZUB.exe 3"},
      {1, L"C:\\Program Files\\Quellon\\ZUB.exe", 4, L"Quellon1",
       L"\"C:\\Program Files\\Quellon\\ZUB.exe\" 4"},
      {2, L"C:\\Quellon\\ZUB.exe", 3, L"Quellon2", L"C:\\Quellon\\ZUB.exe instance02 3"},
      {12, L"C:\\My Tools\\ZUB.exe", 5, L"Quellon12", L"\"C:\\My Tools\\ZUB.exe\" instance12 5"},
      {0, L"C:\\Quellon\\ZUB.exe", 1, L"Quellon0", L"C:\\Quellon\\ZUB.exe 1"},
  };
  for (const auto& c : cases) {
    reg.Reset();
    env.instanceNumber = c.instance;
    env.exePath = c.exe;
    auto s = Make();
    s->SetAutoStartup(true);
    ASSERT_TRUE(s->SaveToRegistry(c.mode));
    auto run = RunKey();
    EXPECT_EQ(run->ValueNames().value(), std::vector<std::wstring>{c.name});
    auto line = run->ReadString(c.name);
    ASSERT_TRUE(line.ok());
    EXPECT_EQ(line.value(), c.line);
    auto loaded = Make();
    ASSERT_TRUE(loaded->LoadFromRegistry());
    EXPECT_TRUE(loaded->AutoStartup());
  }
}

TEST_F(SettingsTest, AutostartOffDeletesBothFormsOfThisInstanceOnly) {
  env.instanceNumber = 2;
  auto run = RunKey();
  for (const wchar_t* n : {L"Quellon1", L"Quellon 1", L"Quellon2", L"Quellon 2", L"Quellon3"})
    ASSERT_TRUE(run->WriteString(n, L"x").ok());
  auto s = Make();
  s->SetAutoStartup(false);
  ASSERT_TRUE(s->SaveToRegistry(3));
  std::vector<std::wstring> left = run->ValueNames().value();
  std::sort(left.begin(), left.end());
  EXPECT_EQ(left, (std::vector<std::wstring>{L"Quellon 1", L"Quellon1", L"Quellon3"}));
  ASSERT_TRUE(s->SaveToRegistry(3)) << "nothing left to delete is no error";
}

TEST_F(SettingsTest, UnopenableSettingsKeyOnSaveFailsSilently) {
  reg.FailOn(RootKey::CurrentUser, kSettingsKeyPath, FakeRegistry::Op::OpenFull);
  auto s = Make();
  s->SetAutoStartup(true);
  EXPECT_FALSE(s->SaveToRegistry(1));
  EXPECT_TRUE(log.lines.empty());
  EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, kRunKeyPath)) << "the Run key is not touched";
}

TEST_F(SettingsTest, UnopenableRunKeyOnSaveIsLoggedAndClearsAutostart) {
  reg.FailOn(RootKey::CurrentUser, kRunKeyPath, FakeRegistry::Op::OpenFull);
  auto s = Make();
  s->SetAutoStartup(true);
  EXPECT_TRUE(s->SaveToRegistry(1));
  EXPECT_FALSE(s->AutoStartup());
  EXPECT_EQ(log.lines, std::vector<std::wstring>{
                           L"Error - Can't write to registy: "
                           L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"});
  EXPECT_TRUE(SettingsKey()->ValueExists(L"ProgressOnTaskbar")) << "the settings were written";
}

TEST_F(SettingsTest, WriteFailureEndsTheSaveWithALogLine) {
  SettingsKey();  // exists, but refuses writes
  reg.FailOn(RootKey::CurrentUser, kSettingsKeyPath, FakeRegistry::Op::Write);
  auto s = Make();
  s->SetAutoStartup(true);
  EXPECT_FALSE(s->SaveToRegistry(1));
  EXPECT_EQ(log.lines, std::vector<std::wstring>{L"Error SaveToRegistry - RegSetValueExW failed: "
                                                 L"Access is denied."});
  EXPECT_FALSE(reg.KeyExists(RootKey::CurrentUser, kRunKeyPath));

  // A Run value that cannot be written or deleted is an error too.
  for (bool autostart : {true, false}) {
    reg.Reset();
    log.lines.clear();
    ASSERT_TRUE(RunKey()->WriteString(L"Quellon1", L"x").ok());
    reg.FailOn(RootKey::CurrentUser, kRunKeyPath, FakeRegistry::Op::Write);
    auto r = Make();
    r->SetAutoStartup(autostart);
    EXPECT_FALSE(r->SaveToRegistry(1));
    ASSERT_EQ(log.lines.size(), 1u);
    EXPECT_EQ(log.lines[0].rfind(L"Error SaveToRegistry - ", 0), 0u);
  }

  env.log = nullptr;
  reg.FailOn(RootKey::CurrentUser, kSettingsKeyPath, FakeRegistry::Op::Write);
  EXPECT_FALSE(Make()->SaveToRegistry(1));
}

TEST_F(SettingsTest, LogLineShowsEveryItem) {
  env.instanceNumber = 3;
  auto s = Make();
  s->SetAutoStartup(true);
  s->SetAppWindowState(2);
  s->SetMinimizeToTray(true);
  s->SetAlarm(9);
  s->SetExactProgramName(true);
  s->SetMainAction(TZUBCommand::scmdTurnOffMonitor);
  s->SetForce(false);
  s->SetShowWindowsClasses(true);
  s->SetWatchInternalWindows(true);
  s->SetSilenceDetectionCounter(42);
  EXPECT_EQ(s->LogLine(),
            L"Settings (3): AutoStartup=Y, AppWndState=2, MinimizeToTray=Y, Alarm=9, "
            L"ExactAppName=Y, MainEvent=scmdTurnOffMonitor, Force=N, ShowClassNames=Y, "
            L"WatchInternalWindows=Y, SilenceDetectionCounter=42.");
  env.log = nullptr;
  Make()->SaveToLog();  // no logger: nothing happens
  EXPECT_TRUE(log.lines.empty());
}

}  // namespace
}  // namespace quellon
