// The settings through the system registry: what a save writes, a load
// reads back; and the system's hibernation answer.
#include <windows.h>

#include <gtest/gtest.h>

#include "contract/registry_contract.h"
#include "os/win32/handles.h"
#include "os/win32/registry_win32.h"
#include "settings/hibernation.h"
#include "fakes/recording_log.h"
#include "settings/settings.h"
#include "support/win32/under_wine.h"

namespace quellon {
namespace {

using os::RootKey;

class SettingsWin32Test : public ::testing::Test {
 protected:
  void SetUp() override {
    scratch = test::ScratchKeyPath(L"settings-" + std::to_wstring(GetCurrentProcessId()));
    env.instanceNumber = 2;
    env.exePath = L"C:\\Program Files\\Quellon\\ZUB.exe";
    env.hibernationQuery = [] { return true; };
    env.log = &log;
    env.settingsKey = scratch + L"\\YARB";
    env.runKey = scratch + L"\\Run";
  }
  void TearDown() override {
    (void)reg.DeleteKeyTree(RootKey::CurrentUser, scratch);
    test::DeleteScratchParentIfEmpty(reg);
  }

  win32::Win32Registry reg;
  test::RecordingLog log;
  SettingsEnv env;
  std::wstring scratch;
};

TEST_F(SettingsWin32Test, SaveThenLoadRoundTripsEveryField) {
  TZUBSettings saved(reg, env);
  saved.SetAppWindowState(2);
  saved.SetAlarm(33);
  saved.SetAutoStartup(true);
  saved.SetCloseApp(L"Untitled - Notepad WC>>Notepad");
  saved.SetExactProgramName(true);
  saved.SetForce(false);
  saved.SetMainAction(TZUBCommand::scmdHibernation);
  saved.SetMinimizeToTray(true);
  saved.SetScreenshot(L"C:\\Users\\me\\Desktop\\shot \u00e4.jpg");
  saved.SetShowWindowsClasses(true);
  saved.SetWatchInternalWindows(true);
  saved.SetSecToShutdown(128);
  saved.SetSilenceDetectionCounter(4294967295u);
  ASSERT_TRUE(saved.SaveToRegistry(3));
  EXPECT_TRUE(log.lines.empty());

  TZUBSettings loaded(reg, env);
  ASSERT_TRUE(loaded.LoadFromRegistry());
  EXPECT_EQ(loaded.AppWindowState(), 2);
  EXPECT_EQ(loaded.Alarm(), 33);
  EXPECT_TRUE(loaded.AutoStartup());
  EXPECT_EQ(loaded.CloseApp(), L"Untitled - Notepad WC>>Notepad");
  EXPECT_TRUE(loaded.ExactProgramName());
  EXPECT_FALSE(loaded.Force());
  EXPECT_EQ(loaded.StoredMainAction(), TZUBCommand::scmdHibernation);
  EXPECT_TRUE(loaded.MinimizeToTray());
  EXPECT_EQ(loaded.Screenshot(), L"C:\\Users\\me\\Desktop\\shot \u00e4.jpg");
  EXPECT_TRUE(loaded.ShowWindowsClasses());
  EXPECT_TRUE(loaded.WatchInternalWindows());
  EXPECT_EQ(loaded.SecToShutdown(), 128);
  EXPECT_EQ(loaded.SilenceDetectionCounter(), 4294967295u);
  EXPECT_TRUE(loaded.ProgressOnTaskbar());
  EXPECT_EQ(loaded.LogLine(), saved.LogLine());

  // The autostart entry as the system's own API reads it.
  win32::UniqueRegKey run;
  ASSERT_EQ(RegOpenKeyExW(HKEY_CURRENT_USER, env.runKey.c_str(), 0, KEY_READ, run.put()),
            ERROR_SUCCESS);
  wchar_t buf[256] = {};
  DWORD size = sizeof buf - sizeof(wchar_t), type = 0;
  ASSERT_EQ(RegQueryValueExW(run.get(), L"Quellon2", nullptr, &type,
                             reinterpret_cast<BYTE*>(buf), &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_STREQ(buf, L"\"C:\\Program Files\\Quellon\\ZUB.exe\" instance02 3");
  run.reset();

  // Switched off, the entry goes; the rest stays as saved.
  loaded.SetAutoStartup(false);
  ASSERT_TRUE(loaded.SaveToRegistry(3));
  TZUBSettings again(reg, env);
  ASSERT_TRUE(again.LoadFromRegistry());
  EXPECT_FALSE(again.AutoStartup());
  EXPECT_EQ(again.SecToShutdown(), 128);
}

TEST(HibernationWin32Test, SystemAnswersTheQuery) {
  // Wine's powrprof allows hibernation; a Windows without it answers false,
  // so only the call itself is checked there.
  bool allowed = QueryHibernationAllowed();
  if (test::UnderWine()) {
    EXPECT_TRUE(allowed);
  }
}

}  // namespace
}  // namespace quellon
