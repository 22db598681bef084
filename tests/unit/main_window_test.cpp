#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/watch_controller.h"
#include "app/yarb_form.h"
#include "core/time_text.h"
#include "fakes/fake_app_shell.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_registry.h"
#include "fakes/recording_actions.h"
#include "fakes/recording_log.h"
#include "install/error_box.h"
#include "install/special_programs.h"
#include "ui/headless/headless_backend.h"

namespace quellon::app {
namespace {

using os::RegAccess;
using os::RootKey;

using test::RecordingActions;

// A main window on the headless backend with its controller, over a fake
// registry holding the installer's records.
class WatchTest : public ::testing::Test {
 protected:
  WatchTest() {
    EXPECT_TRUE(WriteSpecPrograms(registry, BuiltInSpecialPrograms()).ok());
  }
  void TearDown() override { ResetProgramClosingForTest(); }

  void Create(bool runFormCreate = true) {
    watch.reset();
    settings.reset();
    form.reset();
    form = std::make_unique<TYARBForm>(backend);
    SettingsEnv senv;
    senv.log = &log;
    settings = std::make_unique<TZUBSettings>(registry, senv);
    WatchEnv env{registry, clock, shell, actions, &log};
    env.takeScreenshot = [this](const std::wstring& file) { screenshots.push_back(file); };
    watch = std::make_unique<WatchController>(*form, *settings, env);
    form->AttachController(watch.get());
    if (runFormCreate) shown = watch->FormCreate();
  }
  void PutUser(const std::wstring& name, uint32_t v) {
    auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Full, true);
    ASSERT_TRUE(k.value()->WriteDword(name, v).ok());
  }
  void PutUser(const std::wstring& name, const std::wstring& v) {
    auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Full, true);
    ASSERT_TRUE(k.value()->WriteString(name, v).ok());
  }
  std::wstring UserString(const std::wstring& name) {
    auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Read, false);
    if (!k) return L"<no key>";
    auto v = k.value()->ReadString(name);
    return v ? v.value() : L"<none>";
  }
  // A second start: position and tip exist, so the user key is kept.
  void Returning() {
    PutUser(L"Position - Left", 100);
    PutUser(L"Position - Top", 80);
    PutUser(L"MenuTip", 3);
  }
  void SetPeriod(int h, int m, int s) { form->dtpStartTime->SetValue(EncodeTime(h, m, s, 0)); }
  // Time passes and the message loop runs: the timer ticks when due.
  void Tick(int64_t ms = 1000) {
    clock.Advance(ms);
    backend.ProcessMessages();
  }
  std::wstring Remaining() const { return form->lblRemainingTime->Caption(); }

  test::FakeClock clock;
  ui::HeadlessBackend backend{clock};
  test::FakeRegistry registry;
  test::FakeAppShell shell;
  RecordingActions actions;
  test::RecordingLog log;
  std::unique_ptr<TYARBForm> form;
  std::unique_ptr<TZUBSettings> settings;
  std::unique_ptr<WatchController> watch;
  bool shown = false;
  std::vector<std::wstring> screenshots;
};

TEST_F(WatchTest, FirstStartResetsTheUserKey) {
  PutUser(L"Stale", L"x");
  Create();
  EXPECT_TRUE(shown);
  EXPECT_TRUE(watch->FCreate);
  EXPECT_EQ(UserString(L"Stale"), L"<none>");  // key deleted and made anew
  auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Read, false);
  EXPECT_EQ(k.value()->ReadDword(L"MenuTip").value(), 0u);
  EXPECT_TRUE(settings->Force());
  EXPECT_FALSE(form->lblTip1->Visible());  // not read on a first start
  EXPECT_TRUE(form->cbPeriodOfTime->Checked());
  EXPECT_EQ(watch->TimeFieldText(), L"01:00:00.000");
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
  EXPECT_EQ(watch->TimeFieldText(), L"21:15:00.000");
  EXPECT_EQ(form->lblTip1->Tag(), 3);
  EXPECT_FALSE(form->lblTip1->Visible());
  // The user picks the idle trigger: Time2 is absent, so Time1 is used.
  form->cbComputerIdle->Click();
  EXPECT_EQ(watch->TimeFieldText(), L"00:30:00.000");
  EXPECT_FALSE(form->cbxMonitoredApp->Enabled());
  EXPECT_TRUE(form->grTime->Enabled());
}

TEST_F(WatchTest, OlderBinaryTimesAndMalformedTexts) {
  Returning();
  double t = EncodeTime(2, 15, 0, 0);
  std::vector<uint8_t> bytes(sizeof t);
  std::memcpy(bytes.data(), &t, sizeof t);
  auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Full, true);
  ASSERT_TRUE(k.value()->WriteBinary(L"Time1", bytes).ok());
  ASSERT_TRUE(k.value()->WriteString(L"Time5", L"2:00").ok());
  Create();
  EXPECT_EQ(watch->TimeFieldText(), L"02:15:00.000");
  EXPECT_EQ(watch->ReadTimeSetting(L"Time5", L"00:02:00.000"), L"2:00");  // returned as stored
  form->cbNoSound->SetEnabled(true);
  EXPECT_THROW(form->cbNoSound->Click(), ConvertError);
  EXPECT_EQ(watch->TimeFieldText(), L"02:15:00.000");  // the field keeps its value
}

TEST_F(WatchTest, SetTimePartRules) {
  Create();
  SetPeriod(1, 0, 0);
  watch->SetTimePart(-5, 0);
  watch->SetTimePart(60, 1);
  EXPECT_EQ(watch->TimeFieldText(), L"01:00:00.000");
  watch->SetTimePart(30, 1);
  EXPECT_EQ(watch->TimeFieldText(), L"01:30:00.000");
  EXPECT_THROW(watch->SetTimePart(24, 0), ConvertError);
}

TEST_F(WatchTest, PeriodCountsDownAndDispatchesAtZero) {
  Returning();
  PutUser(L"MainAction", 5);  // monitor off
  Create();
  SetPeriod(0, 0, 3);
  watch->btnStartClick(form->btnStart);
  EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabTime);
  EXPECT_TRUE(form->btnCancel->Visible());
  EXPECT_FALSE(form->btnStart->Visible());
  EXPECT_EQ(form->lblRemainingTimeDesc->Caption(), L"Time remaining to shut the monitor off:");
  EXPECT_EQ(Remaining(), L"0:00:03");
  EXPECT_TRUE(watch->CountdownRunning());
  EXPECT_EQ(UserString(L"Time1"), L"00:00:03.000");  // saved on the user's Begin

  Tick();
  EXPECT_EQ(Remaining(), L"0:00:02");
  Tick();
  EXPECT_EQ(Remaining(), L"0:00:01");
  EXPECT_TRUE(actions.calls.empty());
  Tick();
  EXPECT_EQ(actions.calls, std::vector<std::wstring>{L"monitor off"});
  EXPECT_EQ(shell.terminateRequests, 1);
  EXPECT_FALSE(watch->CountdownRunning());
  EXPECT_FALSE(watch->FSystemIsClosing);  // monitor off does not end the user's work
}

TEST_F(WatchTest, PeriodZeroActsAtTheFirstTick) {
  Returning();
  Create();
  SetPeriod(0, 0, 0);
  watch->btnStartClick(nullptr);  // from the command line: nothing saved
  EXPECT_EQ(UserString(L"Time1"), L"<none>");
  Tick();
  EXPECT_EQ(actions.calls, std::vector<std::wstring>{L"shutdown"});
  EXPECT_TRUE(watch->FSystemIsClosing);
  auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Read, false);
  EXPECT_TRUE(k.value()->ValueExists(L"Position - Left"));
}

TEST_F(WatchTest, ScreenshotOnlyBeforeShutdownTypeActions) {
  struct Case {
    uint32_t action;
    bool shot;
  } cases[] = {{0, true}, {7, true}, {6, false}, {5, false}};
  for (const auto& c : cases) {
    Returning();
    PutUser(L"MainAction", c.action);
    PutUser(L"Screenshot", L"C:\\shots\\desk.jpg");
    screenshots.clear();
    Create();
    SetPeriod(0, 0, 0);
    watch->btnStartClick(nullptr);
    Tick();
    EXPECT_EQ(screenshots.size(), c.shot ? 1u : 0u) << c.action;
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
    watch->btnStartClick(form->btnStart);
    EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabTime);
    // The remaining time is fixed at Begin: moving the wall clock changes nothing.
    clock.SetWallClock(clock.Now() + 0.25);
    int64_t ticks = 0;
    while (actions.calls.empty() && ticks < 90000) {
      Tick();
      ++ticks;
    }
    EXPECT_EQ(ticks, c.ticksToAct);
    watch->btnStartClick(form->btnCancel);  // back to the options page for the next case
    clock.SetWallClock(clock.Now() - 0.25);
  }
}

TEST_F(WatchTest, LateAndMergedTicksDoNotDelayTheAction) {
  Returning();
  Create();
  SetPeriod(0, 1, 0);
  watch->btnStartClick(form->btnStart);
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
  watch->btnStartClick(form->btnStart);
  Tick();
  watch->btnStartClick(form->btnCancel);
  EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabOptions);
  EXPECT_TRUE(form->btnStart->Visible());
  EXPECT_FALSE(form->btnCancel->Visible());
  EXPECT_FALSE(watch->CountdownRunning());
  EXPECT_TRUE(actions.calls.empty());
  for (int i = 0; i < 20; ++i) Tick();
  EXPECT_TRUE(actions.calls.empty());
}

TEST_F(WatchTest, WarningBeepsAndBalloonDecisions) {
  Returning();
  PutUser(L"Alarm", 15);
  Create();
  SetPeriod(0, 0, 20);
  watch->btnStartClick(form->btnStart);
  while (actions.calls.empty()) Tick();
  EXPECT_EQ(watch->BeepsPlayed(), 16);  // 15 down to 0 seconds left
  EXPECT_TRUE(watch->BalloonsShown().empty());  // the window is not in the tray
}

TEST_F(WatchTest, UntriggerableWatchesStayOnTheOptionsPage) {
  Returning();
  Create();
  for (ui::RadioButton* trigger : {form->cbComputerIdle, form->cbMonitoredApp}) {
    trigger->Click();
    watch->btnStartClick(form->btnStart);
    EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabOptions);
    EXPECT_FALSE(watch->CountdownRunning());
  }
  EXPECT_EQ(log.lines.back(), L"Error - InitSH(AppClosed) failed.");
}

TEST_F(WatchTest, EventFiredStartsTheFinalCountdown) {
  Returning();
  PutUser(L"Time4", 90);
  Create();
  watch->EventFired();
  EXPECT_EQ(Remaining(), L"0:01:30");
  EXPECT_EQ(form->tabctrlMain->ActivePage(), form->tabTime);
  EXPECT_TRUE(watch->CountdownRunning());
}

TEST_F(WatchTest, RegistryWriteFailureOnBeginIsReportedAndTheWatchGoesOn) {
  Returning();
  Create();
  registry.FailOn(RootKey::CurrentUser, kUserKeyPath, test::FakeRegistry::Op::Write);
  SetPeriod(0, 0, 5);
  watch->btnStartClick(form->btnStart);
  ASSERT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.boxes[0].text,
            L"Failed writing to Registry (\"HCU\\SOFTWARE\\Tarnwick\\YARB\"), contact your administrator.");
  EXPECT_TRUE(watch->CountdownRunning());
}

}  // namespace
}  // namespace quellon::app

namespace quellon::app {
namespace {

TEST_F(WatchTest, LogoffQueryKeepsThePositionUnsaved) {
  Returning();
  Create();
  form->SetPosition(222, 111);
  intptr_t result = 0;
  form->DeliverMessage({0x0011, 0, 0}, result);  // WM_QUERYENDSESSION
  EXPECT_TRUE(watch->FSystemIsClosing);
  form->DestroyWindows();
  auto k = registry.OpenKey(RootKey::CurrentUser, kUserKeyPath, RegAccess::Read, false);
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

}  // namespace
}  // namespace quellon::app
