#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/power.h"
#include "fakes/fake_app_shell.h"
#include "fakes/fake_power_api.h"
#include "fakes/recording_log.h"
#include "install/error_box.h"

namespace quellon {
namespace {

class PowerTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramClosingForTest(); }
  void TearDown() override { ResetProgramClosingForTest(); }

  PowerContext Context() {
    PowerContext ctx{api, shell};
    ctx.log = &log;
    ctx.hibernationPossible = &hibernationPossible;
    ctx.showOptionsPage = [this] { ++optionsShown; };
    return ctx;
  }

  test::FakePowerApi api;
  test::FakeAppShell shell;
  test::RecordingLog log;
  bool hibernationPossible = true;
  int optionsShown = 0;
};

TEST_F(PowerTest, ExitWindowsFlagsForEveryRow) {
  struct Case {
    bool turnOff, force, nt;
    uint32_t flags;
  } cases[] = {
      {true, false, true, 8},  {true, true, true, 12}, {true, false, false, 1},
      {true, true, false, 5},  {false, false, true, 2}, {false, true, true, 6},
      {false, false, false, 2}, {false, true, false, 6},
  };
  for (const auto& c : cases) {
    test::FakePowerApi fresh;
    PowerContext ctx{fresh, shell};
    ctx.force = c.force;
    ctx.ntFamily = c.nt;
    CloseSystem(ctx, c.turnOff);
    ASSERT_EQ(fresh.exitCalls.size(), 1u);
    EXPECT_EQ(fresh.exitCalls[0].flags, c.flags) << c.turnOff << c.force << c.nt;
    EXPECT_EQ(fresh.exitCalls[0].reason, 0x80000000u);
    EXPECT_EQ(fresh.privilegeCalls, c.nt ? 1 : 0);  // no privilege step on 9x
  }
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(PowerTest, PrivilegeThenShutdownFailureShowsOneBoxAndEnds) {
  api.privilegeOk = false;
  api.exitOk = false;
  PowerContext ctx = Context();
  // The second error box after the fatal one ends the program at once.
  EXPECT_THROW(CloseSystem(ctx, true), test::HaltCalled);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text, std::wstring(L"SPNP - ") + kShutdownFailureText);
  EXPECT_EQ(shell.boxes[0].caption, L"Error");
  EXPECT_EQ(shell.terminateRequests, 1);
  ASSERT_EQ(log.lines.size(), 2u);
  EXPECT_EQ(log.lines[0], L"Error - SetPrivileges not possible: Access is denied.");
  EXPECT_EQ(log.lines[1], L"Error - ExitWindowsEx failed: A system shutdown has already been scheduled.");
  EXPECT_EQ(api.exitCalls.size(), 1u);  // the shutdown was still attempted
}

// The log lines quote the system's text alone; its number is not part of
// the line, whatever the code.
TEST_F(PowerTest, FailureLinesCarryTheSystemsTextWithoutItsNumber) {
  struct Case {
    uint32_t code;
    const wchar_t* text;
  } cases[] = {
      {1, L"Invalid function."},
      {5, L"Access is denied."},
      {1190, L"A system shutdown has already been scheduled."},
  };
  for (const auto& c : cases) {
    for (bool privilegeRefused : {true, false}) {
      SCOPED_TRACE(testing::Message() << c.code << (privilegeRefused ? " privilege" : " exit"));
      ResetProgramClosingForTest();
      test::FakePowerApi fresh;
      fresh.privilegeOk = !privilegeRefused;
      fresh.privilegeCode = c.code;
      fresh.privilegeText = c.text;
      fresh.exitOk = privilegeRefused;
      fresh.exitCode = c.code;
      fresh.exitText = c.text;
      test::FakeAppShell boxes;
      test::RecordingLog lines;
      PowerContext ctx{fresh, boxes};
      ctx.log = &lines;
      CloseSystem(ctx, true);
      const std::wstring expected =
          (privilegeRefused ? L"Error - SetPrivileges not possible: " : L"Error - ExitWindowsEx failed: ") +
          std::wstring(c.text);
      EXPECT_EQ(lines.lines, std::vector<std::wstring>{expected});
    }
  }
}

TEST_F(PowerTest, ShutdownFailureTextDependsOnForce) {
  api.exitOk = false;
  for (bool force : {true, false}) {
    shell.boxes.clear();
    PowerContext ctx = Context();
    ctx.force = force;
    CloseSystem(ctx, true);
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, force ? kShutdownFailureText : L"System shutdown aborted.");
  }
  EXPECT_EQ(optionsShown, 2);
  EXPECT_FALSE(ProgramIsClosing());
}

TEST_F(PowerTest, SuspendFallbacksAndReports) {
  struct Case {
    const char* name;
    bool hibernate, privilegeOk, hasSetSuspendState, suspendOk, powerStateOk, win2000;
    const wchar_t* caption;  // nullptr: no box
    size_t suspendCalls, powerStateCalls;
  } cases[] = {
      {"standby ok", false, true, true, true, true, true, nullptr, 1, 0},
      {"fallback ok", false, true, true, false, true, true, nullptr, 1, 1},
      {"both refuse", false, true, true, false, false, true, L"Error1", 1, 1},
      {"no library", false, true, false, true, false, true, L"Error2", 0, 1},
      {"older system", false, true, true, true, false, false, L"Error2", 0, 1},
      {"no privilege", false, false, true, true, true, true, L"Error0", 0, 0},
      {"hibernate refused", true, true, true, false, false, true, L"Error1", 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    test::FakePowerApi fresh;
    fresh.privilegeOk = c.privilegeOk;
    fresh.hasSetSuspendState = c.hasSetSuspendState;
    fresh.setSuspendStateOk = c.suspendOk;
    fresh.setSystemPowerStateOk = c.powerStateOk;
    test::FakeAppShell boxes;
    bool possible = true;
    PowerContext ctx{fresh, boxes};
    ctx.hibernationPossible = &possible;
    ctx.win2000OrLater = c.win2000;
    SuspendSystem(ctx, c.hibernate);
    EXPECT_EQ(fresh.suspendCalls.size(), c.suspendCalls);
    EXPECT_EQ(fresh.powerStateCalls.size(), c.powerStateCalls);
    if (!fresh.suspendCalls.empty()) {
      EXPECT_EQ(fresh.suspendCalls[0].hibernate, c.hibernate);
      EXPECT_TRUE(fresh.suspendCalls[0].forceCritical);
      EXPECT_FALSE(fresh.suspendCalls[0].disableWake);
    }
    if (!fresh.powerStateCalls.empty()) {
      EXPECT_EQ(fresh.powerStateCalls[0].suspend, !c.hibernate);
      EXPECT_TRUE(fresh.powerStateCalls[0].force);
    }
    if (c.caption) {
      ASSERT_EQ(boxes.boxes.size(), 1u);
      EXPECT_EQ(boxes.boxes[0].caption, c.caption);
      EXPECT_EQ(boxes.boxes[0].text, L"The system could not be hibernated / switched to standby mode.");
    } else {
      EXPECT_TRUE(boxes.boxes.empty());
    }
    // A failed hibernation leaves standby as the action for the rest of the run.
    EXPECT_EQ(possible, !(c.hibernate && c.caption));
  }
}

TEST_F(PowerTest, HibernationNotAvailable) {
  hibernationPossible = false;
  PowerContext ctx = Context();
  SuspendSystem(ctx, true);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text, L"\"Hibernate\" option is disabled in your system!");
  EXPECT_EQ(api.privilegeCalls, 0);
  EXPECT_TRUE(api.suspendCalls.empty());
}

}  // namespace
}  // namespace quellon
