#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/window_actions.h"
#include "fakes/fake_app_shell.h"
#include "fakes/fake_power_api.h"
#include "fakes/fake_registry.h"
#include "fakes/recording_log.h"
#include "install/error_box.h"

namespace quellon::app {
namespace {

constexpr os::WindowHandle kMainWindow = 0x5A17;

class WindowActionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetProgramClosingForTest();
    settings.SetIsHibernationPossible(true);
  }
  void TearDown() override { ResetProgramClosingForTest(); }

  WindowActionsEnv Env() { return Env(api); }
  WindowActionsEnv Env(PowerApi& power) {
    WindowActionsEnv env{power, shell};
    env.log = &log;
    env.mainWindow = [] { return kMainWindow; };
    env.showOptionsPage = [this] { calls.push_back(L"options page"); };
    env.modemDisconnect = [this] { calls.push_back(L"hang up"); };
    env.blockWindowsUser = [this] { calls.push_back(L"lock"); };
    env.turnOffMonitor = [this] { calls.push_back(L"monitor off"); };
    return env;
  }

  test::FakeRegistry registry;
  TZUBSettings settings{registry, SettingsEnv{}};
  test::FakePowerApi api;
  test::FakeAppShell shell;
  test::RecordingLog log;
  std::vector<std::wstring> calls;
};

// The force rule follows the settings as they are when the action runs, not
// as they were when the window was built.
TEST_F(WindowActionsTest, ForceComesFromTheSettingsAtTheAction) {
  struct Case {
    bool force, turnOff;
    uint32_t flags;
  } cases[] = {{true, true, 12}, {false, true, 8}, {true, false, 6}, {false, false, 2}};
  WindowActions actions(settings, Env());
  for (const auto& c : cases) {
    settings.SetForce(c.force);
    api.exitCalls.clear();
    actions.CloseSystem(c.turnOff);
    ASSERT_EQ(api.exitCalls.size(), 1u);
    EXPECT_EQ(api.exitCalls[0].flags, c.flags) << c.force << c.turnOff;
  }
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(WindowActionsTest, PlatformFamilyAndLogReachThePowerActions) {
  WindowActionsEnv env = Env();
  env.ntFamily = false;  // no privilege step, EWX_SHUTDOWN
  env.win2000OrLater = false;  // SetSystemPowerState only
  WindowActions actions(settings, std::move(env));
  settings.SetForce(false);
  api.exitOk = false;
  actions.CloseSystem(true);
  EXPECT_EQ(api.privilegeCalls, 0);
  ASSERT_EQ(api.exitCalls.size(), 1u);
  EXPECT_EQ(api.exitCalls[0].flags, 1u);
  ASSERT_EQ(log.lines.size(), 1u);
  EXPECT_EQ(log.lines[0].rfind(L"Error - ExitWindowsEx failed: ", 0), 0u);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text, L"System shutdown aborted.");
  EXPECT_EQ(calls, std::vector<std::wstring>{L"options page"});

  actions.SuspendSystem(false);
  EXPECT_TRUE(api.suspendCalls.empty());
  EXPECT_EQ(api.powerStateCalls.size(), 1u);
}

// Only a failed hibernation clears the flag, and the settings keep what the
// power actions wrote back.
TEST_F(WindowActionsTest, HibernationFlagWrittenBackAfterTheAction) {
  struct Case {
    const char* what;
    bool hibernate, privilegeOk, suspendOk, powerStateOk, possibleAfter;
  } cases[] = {
      {"hibernation done", true, true, true, true, true},
      {"hibernation by the fallback", true, true, false, true, true},
      {"hibernation refused (Error1)", true, true, false, false, false},
      {"no privilege for hibernation (Error0)", true, false, true, true, false},
      {"standby refused", false, true, false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    test::FakePowerApi fresh;
    fresh.privilegeOk = c.privilegeOk;
    fresh.setSuspendStateOk = c.suspendOk;
    fresh.setSystemPowerStateOk = c.powerStateOk;
    WindowActions actions(settings, Env(fresh));
    settings.SetIsHibernationPossible(true);
    actions.SuspendSystem(c.hibernate);
    EXPECT_EQ(settings.IsHibernationPossible(), c.possibleAfter);
  }
}

// The standby and hibernation failure box belongs to the main window, so the
// window is disabled while it is up; the program's error boxes stay with the
// application window.
TEST_F(WindowActionsTest, SuspendFailureBoxIsOwnedByTheMainWindow) {
  WindowActions actions(settings, Env());
  api.setSuspendStateOk = false;
  api.setSystemPowerStateOk = false;
  for (bool hibernate : {false, true}) {
    shell.boxes.clear();
    actions.SuspendSystem(hibernate);
    ASSERT_EQ(shell.boxes.size(), 1u) << hibernate;
    EXPECT_EQ(shell.boxes[0].caption, L"Error1");
    EXPECT_EQ(shell.boxes[0].text, L"The system could not be hibernated / switched to standby mode.");
    EXPECT_EQ(shell.boxes[0].owner, kMainWindow) << hibernate;
  }

  shell.boxes.clear();
  actions.SuspendSystem(true);  // hibernation is no longer possible
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text, L"\"Hibernate\" option is disabled in your system!");
  EXPECT_EQ(shell.boxes[0].owner, os::kApplicationWindow);

  shell.boxes.clear();
  api.exitOk = false;
  actions.CloseSystem(true);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].owner, os::kApplicationWindow);
}

TEST_F(WindowActionsTest, ActionsThatLeaveTheComputerRunningGoToTheirSystemCalls) {
  struct Case {
    void (WindowActions::*action)();
    const wchar_t* call;  // nullptr: nothing
  } cases[] = {
      {&WindowActions::ModemDisconnect, L"hang up"},
      {&WindowActions::BlockWindowsUser, L"lock"},
      {&WindowActions::TurnOffMonitor, L"monitor off"},
      {&WindowActions::CloseProgram, nullptr},
  };
  WindowActions actions(settings, Env());
  WindowActions without(settings, WindowActionsEnv{api, shell});
  for (const auto& c : cases) {
    calls.clear();
    (actions.*c.action)();
    (without.*c.action)();  // nothing to call: nothing happens
    EXPECT_EQ(calls, c.call ? std::vector<std::wstring>{c.call} : std::vector<std::wstring>{});
  }
  EXPECT_TRUE(api.exitCalls.empty());
  EXPECT_TRUE(api.suspendCalls.empty());
  EXPECT_TRUE(shell.boxes.empty());
}

}  // namespace
}  // namespace quellon::app
