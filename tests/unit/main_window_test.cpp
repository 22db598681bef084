// The main window's behaviour on the headless backend: start-up, the
// triggers and the time field, Begin and Cancel, the countdown, the action
// and the end of the program.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/window_messages.h"
#include "core/time_text.h"
#include "main_window_fixture.h"
#include "settings/command.h"
#include "util/text.h"

namespace quellon::app {
namespace {

using os::RegAccess;
using os::RootKey;

class WatchTest : public ::testing::Test, public test::MainWindowFixture {
 protected:
  TYARBForm& Form() { return *form; }
};

TEST_F(WatchTest, FirstStartResetsTheUserKey) {
  PutUser(L"Stale", L"x");
  Create();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(form->FCreate);
  EXPECT_EQ(UserString(L"Stale"), L"<none>");  // key deleted and made anew
  auto k = registry.OpenKey(RootKey::CurrentUser, kSettingsKeyPath, RegAccess::Read, false);
  EXPECT_EQ(k.value()->ReadDword(L"MenuTip").value(), 0u);
  EXPECT_TRUE(form->FSettings->Force());
  EXPECT_FALSE(form->lblTip1->Visible());  // not read on a first start
  EXPECT_TRUE(form->cbPeriodOfTime->Checked());
  EXPECT_EQ(form->TimeFieldText(), L"01:00:00.000");
  EXPECT_EQ(form->lblMainEvent->Caption(), L"Shut down:");
  EXPECT_TRUE(shell.boxes.empty());
}

TEST_F(WatchTest, MissingInstallationRecordsEndTheStart) {
  ASSERT_TRUE(registry.DeleteKeyTree(RootKey::LocalMachine, kSpecProgramsKey).ok());
  Create();
  EXPECT_FALSE(shown);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.terminateRequests, 1);
  EXPECT_EQ(log.lines.back(), L"Error 1 - Missed installation info");
}

TEST_F(WatchTest, SavedTriggerAndTimeAreRestored) {
  Returning();
  PutUser(L"Time", 3);
  PutUser(L"Time3", L"21:15:00.000");
  PutUser(L"Time1", L"00:30:00.000");
  Create();
  EXPECT_TRUE(form->cbTime->Checked());
  EXPECT_EQ(form->TimeFieldText(), L"21:15:00.000");
  EXPECT_EQ(form->lblTip1->Tag(), 3);
  EXPECT_FALSE(form->lblTip1->Visible());
  // The user picks the idle trigger: Time2 is absent, so Time1 is used.
  form->cbComputerIdle->Click();
  EXPECT_EQ(form->TimeFieldText(), L"00:30:00.000");
  EXPECT_FALSE(form->cbxMonitoredApp->Enabled());
  EXPECT_TRUE(form->grTime->Enabled());
}

TEST_F(WatchTest, OlderBinaryTimesAndMalformedTexts) {
  Returning();
  double t = EncodeTime(2, 15, 0, 0);
  std::vector<uint8_t> bytes(sizeof t);
  std::memcpy(bytes.data(), &t, sizeof t);
  auto k = registry.OpenKey(RootKey::CurrentUser, kSettingsKeyPath, RegAccess::Full, true);
  ASSERT_TRUE(k.value()->WriteBinary(L"Time1", bytes).ok());
  ASSERT_TRUE(k.value()->WriteString(L"Time5", L"2:00").ok());
  Create();
  EXPECT_EQ(form->TimeFieldText(), L"02:15:00.000");
  EXPECT_EQ(form->ReadTimeSetting(L"Time5", L"00:02:00.000"), L"2:00");  // returned as stored
  form->cbNoSound->SetEnabled(true);
  EXPECT_THROW(form->cbNoSound->Click(), ConvertError);
  EXPECT_EQ(form->TimeFieldText(), L"02:15:00.000");  // the field keeps its value
}

TEST_F(WatchTest, SetTimePartRules) {
  Create();
  SetPeriod(1, 0, 0);
  form->SetTimePart(-5, tpHours);
  form->SetTimePart(60, tpMinutes);
  EXPECT_EQ(form->TimeFieldText(), L"01:00:00.000");
  form->SetTimePart(30, tpMinutes);
  EXPECT_EQ(form->TimeFieldText(), L"01:30:00.000");
  EXPECT_THROW(form->SetTimePart(24, tpHours), ConvertError);
}

TEST_F(WatchTest, PeriodCountsDownAndDispatchesAtZero) {
  Returning();
  PutUser(L"MainAction", static_cast<uint32_t>(TZUBCommand::scmdTurnOffMonitor));
  Create();
  SetPeriod(0, 0, 3);
  form->btnStartClick(form->btnStart);
  EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabTime);
  EXPECT_TRUE(form->btnCancel->Visible());
  EXPECT_FALSE(form->btnStart->Visible());
  EXPECT_EQ(form->lblRemainingTimeDesc->Caption(), L"Time remaining to shut the monitor off:");
  EXPECT_EQ(Remaining(), L"0:00:03");
  EXPECT_TRUE(form->CountdownRunning());
  EXPECT_EQ(UserString(L"Time1"), L"00:00:03.000");  // saved on the user's Begin

  Tick();
  EXPECT_EQ(Remaining(), L"0:00:02");
  Tick();
  EXPECT_EQ(Remaining(), L"0:00:01");
  EXPECT_TRUE(actions.calls.empty());
  Tick();
  EXPECT_EQ(actions.calls, std::vector<std::wstring>{L"monitor off"});
  EXPECT_EQ(shell.terminateRequests, 1);
  EXPECT_FALSE(form->CountdownRunning());
  EXPECT_FALSE(form->FSystemIsClosing);  // monitor off does not end the user's work
}

TEST_F(WatchTest, PeriodZeroActsAtTheFirstTick) {
  Returning();
  Create();
  SetPeriod(0, 0, 0);
  form->btnStartClick(nullptr);  // from the command line: nothing saved
  EXPECT_EQ(UserString(L"Time1"), L"<none>");
  Tick();
  EXPECT_EQ(actions.calls, std::vector<std::wstring>{L"shutdown"});
  EXPECT_TRUE(form->FSystemIsClosing);
  auto k = registry.OpenKey(RootKey::CurrentUser, kSettingsKeyPath, RegAccess::Read, false);
  EXPECT_TRUE(k.value()->ValueExists(L"Position - Left"));
}

TEST_F(WatchTest, ScreenshotOnlyBeforeShutdownTypeActions) {
  struct Case {
    TZUBCommand action;
    bool shot;
  } cases[] = {{TZUBCommand::scmdShutdownComputer, true},
               {TZUBCommand::scmdRestartComputer, true},
               {TZUBCommand::scmdSuspend, false},
               {TZUBCommand::scmdTurnOffMonitor, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(ZUBCommandIdent(c.action));
    Returning();
    PutUser(L"MainAction", static_cast<uint32_t>(c.action));
    PutUser(L"Screenshot", L"C:\\shots\\desk.jpg");
    screenshots.clear();
    Create();
    SetPeriod(0, 0, 0);
    form->btnStartClick(nullptr);
    Tick();
    EXPECT_EQ(screenshots.size(), c.shot ? 1u : 0u);
    ResetProgramClosingForTest();
  }
}

TEST_F(WatchTest, TimeOfDayTrigger) {
  struct Case {
    const char* name;
    TDateTime target;  // relative to the clock's time of day
    int64_t ticksToAct;
  };
  Returning();
  Create();
  const Case cases[] = {
      {"now", 0, 1},
      {"in five seconds", 5 * kOneSecond, 5},
      {"a second ago: tomorrow", -kOneSecond, 86399},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const TDateTime nowTime = static_cast<double>(TimeOfDayMs(clock.Now()) / 1000 * 1000) / kMsPerDay;
    actions.calls.clear();
    form->cbTime->Click();
    form->dtpStartTime->SetValue(nowTime + c.target);
    form->btnStartClick(form->btnStart);
    EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabTime);
    // The remaining time is fixed at Begin: moving the wall clock changes nothing.
    clock.SetWallClock(clock.Now() + 0.25);
    int64_t ticks = 0;
    while (actions.calls.empty() && ticks < 90000) {
      Tick();
      ++ticks;
    }
    EXPECT_EQ(ticks, c.ticksToAct);
    form->btnStartClick(form->btnCancel);  // back to the options page for the next case
    clock.SetWallClock(clock.Now() - 0.25);
  }
}

TEST_F(WatchTest, LateAndMergedTicksDoNotDelayTheAction) {
  Returning();
  Create();
  SetPeriod(0, 1, 0);
  form->btnStartClick(form->btnStart);
  // A busy machine: ticks arrive 1.7 s apart.
  int64_t elapsed = 0;
  while (actions.calls.empty()) {
    Tick(1700);
    elapsed += 1700;
  }
  EXPECT_EQ(elapsed, 61200);  // the first tick at or after 60 s
}

TEST_F(WatchTest, CancelReturnsToTheOptionsAndSaves) {
  Returning();
  Create();
  SetPeriod(0, 0, 10);
  form->btnStartClick(form->btnStart);
  Tick();
  form->btnStartClick(form->btnCancel);
  EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabOptions);
  EXPECT_TRUE(form->btnStart->Visible());
  EXPECT_FALSE(form->btnCancel->Visible());
  EXPECT_FALSE(form->CountdownRunning());
  EXPECT_TRUE(actions.calls.empty());
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_TRUE(actions.calls.empty());
}

TEST_F(WatchTest, WarningBeepsAndBalloonDecisions) {
  Returning();
  PutUser(L"Alarm", 15);
  Create();
  SetPeriod(0, 0, 20);
  form->btnStartClick(form->btnStart);
  while (actions.calls.empty()) Tick();
  EXPECT_EQ(form->BeepsPlayed(), 16);  // 15 down to 0 seconds left
  EXPECT_TRUE(form->BalloonsShown().empty());  // the window is not in the tray
}

TEST_F(WatchTest, UntriggerableWatchesStayOnTheOptionsPage) {
  Returning();
  Create();
  // The user is told why, not only the log.
  struct Case {
    ui::RadioButton* trigger;
    const wchar_t* box;
  };
  form->cbNoSound->SetEnabled(true);
  for (const Case& c : {Case{form->cbComputerIdle, L"Idle detection - Function not implemented."},
                        Case{form->cbNoSound, L"Silence detection - Function not implemented."},
                        Case{form->cbMonitoredApp, L"Watching an application - Function not implemented."}}) {
    shell.boxes.clear();
    c.trigger->Click();
    form->btnStartClick(form->btnStart);
    EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabOptions);
    EXPECT_FALSE(form->CountdownRunning());
    ASSERT_EQ(shell.boxes.size(), 1u);
    EXPECT_EQ(shell.boxes[0].text, c.box);
  }
  EXPECT_EQ(log.lines.back(), L"Error - InitSH(AppClosed) failed.");
}

TEST_F(WatchTest, EventFiredStartsTheFinalCountdown) {
  Returning();
  PutUser(L"Time4", 90);
  Create();
  form->EventFired();
  EXPECT_EQ(Remaining(), L"0:01:30");
  EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabTime);
  EXPECT_TRUE(form->CountdownRunning());
}

TEST_F(WatchTest, RegistryWriteFailureOnBeginIsReportedAndTheWatchGoesOn) {
  Returning();
  Create();
  registry.FailOn(RootKey::CurrentUser, kSettingsKeyPath, test::FakeRegistry::Op::Write);
  SetPeriod(0, 0, 5);
  form->btnStartClick(form->btnStart);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text,
            L"Failed writing to Registry (\"HCU\\SOFTWARE\\Tarnwick\\YARB\"), contact your administrator.");
  EXPECT_TRUE(form->CountdownRunning());
}

TEST_F(WatchTest, LogoffQueryKeepsThePositionUnsaved) {
  Returning();
  Create();
  form->SetPosition(222, 111);
  intptr_t result = 0;
  form->DeliverMessage({kWmQueryEndSession, 0, 0}, result);
  EXPECT_TRUE(form->FSystemIsClosing);
  form->DestroyWindows();
  auto k = registry.OpenKey(RootKey::CurrentUser, kSettingsKeyPath, RegAccess::Read, false);
  EXPECT_EQ(k.value()->ReadDword(L"Position - Left").value(), 100u);  // as stored before
}

TEST_F(WatchTest, ClosingIsRefusedOnlyDuringInstallation) {
  Create();
  bool canClose = false;
  form->FormCloseQuery(canClose);
  EXPECT_TRUE(canClose);
  form->tabctrlMain->SetActivePage(form->InstallPage3);
  form->FormCloseQuery(canClose);
  EXPECT_FALSE(canClose);
}

// ------------------------------------------------- damaged saved values

// A saved trigger time that is not a time text, or a trigger number that
// is none, must not leave the time field at the zero it starts with: Begin
// would then act one second later.
TEST_F(WatchTest, DamagedSavedTriggerValuesNeverLeaveAZeroPeriod) {
  struct Case {
    const char* name;
    uint32_t time;
    const wchar_t* time1;  // nullptr: not stored
    bool reported;
  };
  const Case cases[] = {
      {"malformed Time1", 1, L"garbage", true},
      {"Time1 of 70,000 characters", 1, nullptr, true},
      {"Time 0", 0, L"00:20:00.000", false},
      {"Time 9", 9, L"00:20:00.000", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    (void)registry.DeleteKeyTree(RootKey::CurrentUser, kSettingsKeyPath);
    shell.boxes.clear();
    actions.calls.clear();
    Returning();
    PutUser(L"Time", c.time);
    PutUser(L"Time1", c.time1 ? std::wstring(c.time1) : std::wstring(70000, L'7'));
    Create();
    ASSERT_TRUE(shown);
    EXPECT_EQ(shell.boxes.size(), c.reported ? 1u : 0u);
    EXPECT_TRUE(form->cbPeriodOfTime->Checked());
    EXPECT_EQ(form->TimeFieldText(), c.time1 && !c.reported ? c.time1 : L"01:00:00.000");
    // A consistent options page: the period's controls, not the application box.
    EXPECT_FALSE(form->cbxMonitoredApp->Enabled());
    EXPECT_FALSE(form->actMonitoredAppRefresh->Enabled());
    EXPECT_TRUE(form->dtpStartTime->Enabled());
    form->btnStartClick(form->btnStart);
    for (int i = 0; i < 5; ++i) Tick();
    EXPECT_TRUE(actions.calls.empty());
    EXPECT_NE(UserString(L"Time1"), L"00:00:00.000");
    form->btnStartClick(form->btnCancel);
  }
}

// The saved values are read first and applied after: a handler that fails
// while they are applied is not taken for a damaged registry, which would
// wipe the user's key.
TEST_F(WatchTest, AFailingHandlerWhileApplyingSavedValuesKeepsTheUserKey) {
  Returning();
  PutUser(L"cbxMonitoredApp", L"Notepad");
  PutUser(L"Time3", L"21:15:00.000");
  Create(false);
  form->cbxMonitoredApp->OnChange = [] { throw std::runtime_error("the list could not be filled"); };
  EXPECT_THROW(form->FormCreate(), std::runtime_error);
  EXPECT_EQ(UserString(L"Time3"), L"21:15:00.000");
  EXPECT_EQ(UserString(L"cbxMonitoredApp"), L"Notepad");
  EXPECT_EQ(UserDword(L"MenuTip"), 3);
}

// ------------------------------------------------------- window position

TEST_F(WatchTest, AStoredPositionOffEveryScreenIsBroughtBack) {
  workAreas = {{0, 0, 1280, 994}, {1280, 0, 1024, 738}};
  struct Case {
    const char* name;
    uint32_t left, top;
    int expectLeft, expectTop;  // -1: anywhere on the first work area
  };
  const Case cases[] = {
      {"on the primary", 100, 80, 100, 80},
      {"on the second monitor", 1500, 200, 1500, 200},
      {"far right", 100000, 80, -1, 80},
      {"minimised marker", static_cast<uint32_t>(-32000), static_cast<uint32_t>(-32000), -1, -1},
      {"largest integer", 0x7fffffffu, 0x7fffffffu, -1, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    form.reset();  // the last window saves its position as it goes
    PutUser(L"Position - Left", c.left);
    PutUser(L"Position - Top", c.top);
    PutUser(L"MenuTip", 3);
    Create();
    const ui::Rect& primary = workAreas.front();
    if (c.expectLeft >= 0) {
      EXPECT_EQ(form->Left(), c.expectLeft);
    }
    if (c.expectTop >= 0) {
      EXPECT_EQ(form->Top(), c.expectTop);
    }
    EXPECT_GE(form->Left(), primary.left);
    EXPECT_LE(form->Left() + form->Width(), workAreas.back().Right());
    EXPECT_GE(form->Top(), primary.top);
    EXPECT_LE(form->Top() + form->Height(), primary.Bottom());
  }
}

// The program ends through Terminate after every action that does not
// switch the computer off; the window position is saved at that end.
TEST_F(WatchTest, EveryEndAfterAnActionSavesThePosition) {
  const TZUBCommand actionsThatKeepTheWork[] = {TZUBCommand::scmdTurnOffMonitor, TZUBCommand::scmdModemDisconnect,
                                                TZUBCommand::scmdCloseProgram};
  for (TZUBCommand action : actionsThatKeepTheWork) {
    SCOPED_TRACE(ZUBCommandIdent(action));
    Returning();
    PutUser(L"MainAction", static_cast<uint32_t>(action));
    shell.terminateRequests = 0;
    Create();
    SetPeriod(0, 0, 1);
    form->btnStartClick(form->btnStart);
    form->SetPosition(321, 123);  // moved during the watch
    Tick();
    ASSERT_EQ(shell.terminateRequests, 1);
    form.reset();  // the message loop has ended: the window goes
    EXPECT_EQ(UserDword(L"Position - Left"), 321);
    EXPECT_EQ(UserDword(L"Position - Top"), 123);
  }
  // A shutdown saves it before the action and not again at the end.
  Returning();
  Create();
  SetPeriod(0, 0, 1);
  form->btnStartClick(form->btnStart);
  form->SetPosition(222, 111);
  Tick();
  PutUser(L"Position - Left", 5);
  form.reset();
  EXPECT_EQ(UserDword(L"Position - Left"), 5);
  EXPECT_EQ(UserDword(L"Position - Top"), 111);
}

// A start that ends before the saved values were read leaves them alone.
TEST_F(WatchTest, AStartEndedByItsChecksDoesNotOverwriteThePosition) {
  Returning();
  Create(false);
  ASSERT_TRUE(registry.DeleteKeyTree(RootKey::LocalMachine, kSpecProgramsKey).ok());
  EXPECT_FALSE(form->FormCreate());
  form.reset();
  EXPECT_EQ(UserDword(L"Position - Left"), 100);
  EXPECT_EQ(UserDword(L"Position - Top"), 80);
}

// --------------------------------------------------------------- logoff

TEST_F(WatchTest, TheLogoffQueryAsksTheCloseQuery) {
  Returning();
  Create();
  intptr_t result = -1;
  form->DeliverMessage({kWmQueryEndSession, 0, 0}, result);
  EXPECT_EQ(result, 1);
  form->tabctrlMain->SetActivePage(form->InstallPage3);  // the installer copies its files
  form->DeliverMessage({kWmQueryEndSession, 0, 0}, result);
  EXPECT_EQ(result, 0);
}

TEST_F(WatchTest, ACancelledLogoffSavesThePositionAgainAtTheEnd) {
  Returning();
  Create();
  form->SetPosition(222, 111);
  intptr_t result = 0;
  form->DeliverMessage({kWmQueryEndSession, 0, 0}, result);
  form->DeliverMessage({kWmEndSession, 0, 0}, result);  // another program refused: the logon goes on
  EXPECT_FALSE(form->FSystemIsClosing);
  form.reset();
  EXPECT_EQ(UserDword(L"Position - Left"), 222);
}

// --------------------------------------------------------------- ticks

// A tick that falls due while a slow message is handled is not lost: the
// tick lets no message run inside it, so it cannot be re-entered and drop
// the next one.
TEST_F(WatchTest, ATickDueDuringASlowMessageIsNotDropped) {
  Returning();
  Create();
  SetPeriod(0, 0, 10);
  form->btnStartClick(form->btnStart);
  constexpr unsigned kSlow = kWmUser + 100;
  auto previous = form->OnMessage;
  form->OnMessage = [&](const ui::Message& m, intptr_t& r) {
    if (m.msg != kSlow) return previous(m, r);
    clock.Advance(1500);  // a handler that keeps the thread busy
    return true;
  };
  // A message waiting as the first tick comes.
  ui::Timer poster(*form, L"poster");
  poster.SetInterval(990);
  poster.OnTimer = [&] {
    form->Post(kSlow);
    poster.SetEnabled(false);
  };
  poster.SetEnabled(true);
  poster.CreatePeer();
  Tick();  // the first tick, then the slow message: 1.5 s pass
  EXPECT_EQ(Remaining(), L"0:00:09");
  backend.ProcessMessages();  // the tick due meanwhile runs now
  EXPECT_EQ(Remaining(), L"0:00:08");
}

// ------------------------------------------------ not built yet

// What the window offers before its feature exists says so when used.
TEST_F(WatchTest, CommandsWhoseFeatureIsNotBuiltSaySo) {
  Returning();
  Create();
  form->cbMonitoredApp->Click();  // Refresh is for the application watch
  struct Case {
    std::function<void()> use;
    const wchar_t* text;
  };
  const Case cases[] = {
      {[&] { form->actAdvenced->Execute(); }, L"Advanced options - Function not implemented."},
      {[&] { form->actShowHelp->Execute(); }, L"Help - Function not implemented."},
      {[&] { form->actShowMenu->Execute(); }, L"Menu - Function not implemented."},
      {[&] { form->btnMenu->Click(); }, L"Menu - Function not implemented."},
      {[&] { form->lblProgramName->Click(); }, L"About - Function not implemented."},
      {[&] { form->btnMonitoredAppRefresh->Click(); }, L"Running applications list - Function not implemented."},
  };
  for (const Case& c : cases) {
    shell.boxes.clear();
    c.use();
    ASSERT_EQ(shell.boxes.size(), 1u) << WideToUtf8(c.text);
    EXPECT_EQ(shell.boxes[0].text, c.text);
  }
}

}  // namespace
}  // namespace quellon::app
