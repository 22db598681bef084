// The watch: Begin and Cancel, arming the trigger, the pages of a watch,
// the countdown against its deadline, the action at zero, and the user
// values Begin and Cancel save.
#include "app/yarb_form.h"
#include "core/time_text.h"
#include "install/error_box.h"

namespace quellon::app {
namespace {

constexpr int kSecondMs = 1000;  // timerSec's interval

// lblMainActionDesc (the application watch) and lblRemainingTimeDesc (the
// others) per action; nullptr keeps what the label shows.
struct ActionCaptions {
  const wchar_t* mainActionDesc;
  const wchar_t* remainingTimeDesc;
};

ActionCaptions CaptionsFor(TZUBCommand action) {
  switch (action) {
    case TZUBCommand::scmdShutdownComputer:
    case TZUBCommand::scmdHibernation:
      return {L"The system will be shut down!", L"Time remaining to shutdown:"};
    case TZUBCommand::scmdCloseProgram: return {L"The following application will be closed:", nullptr};
    case TZUBCommand::scmdModemDisconnect:
      return {L"Modem connection will be broken.", L"Time remaining to break modem connection:"};
    case TZUBCommand::scmdBlockWindowsUser:
      return {L"The workstation will be locked.", L"Time remaining to lock the workstation:"};
    case TZUBCommand::scmdTurnOffMonitor:
      return {L"The monitor will be shut off.", L"Time remaining to shut the monitor off:"};
    case TZUBCommand::scmdSuspend:
      return {L"The system will be switched to standby mode.",
              L"Time remaining to put the system to standby mode:"};
    case TZUBCommand::scmdRestartComputer: return {nullptr, nullptr};
  }
  return {nullptr, nullptr};
}

}  // namespace

// ------------------------------------------------------------ Begin/Cancel

void TYARBForm::btnStartClick(ui::Control* sender) {
  if (tabctrlMain->ActivePage() == tabOptions) {
    if (env_.releaseInstanceMutex) env_.releaseInstanceMutex();
    if (!StartWatching()) return;
  }
  if (sender) SaveUISettings();
  ui::TabSheet* shown = tabctrlMain->ActivePage();
  if (shown == tabTime || shown == PrgPage) {
    ShowPage(tabOptions);
    return;
  }
  const int tag = GetTriggerTag();
  if (CountsOnTimePage(tag))
    ShowPage(tabTime);
  else if (tag == trgMonitoredApp)
    ShowPage(PrgPage);
  else
    ShowErrorBox(env_.shell, L"FnI" + std::to_wstring(tag) + L" - Function not implemented.", false);
}

bool TYARBForm::StartWatching() {
  const int tag = GetTriggerTag();
  const ActionCaptions captions = CaptionsFor(FSettings->MainAction());
  if (tag == trgMonitoredApp) {
    if (captions.mainActionDesc) lblMainActionDesc->SetCaption(captions.mainActionDesc);
    return ResolveMonitoredApp(cbxMonitoredApp->Text()) && ArmAppCloseDetection();
  }
  if (captions.remainingTimeDesc) lblRemainingTimeDesc->SetCaption(captions.remainingTimeDesc);
  if (tag == trgTime) {
    SetRemaining(FormatOrFatal(TimeOfDayRemaining(TimeFieldText(), env_.clock.Now())));
    return true;
  }
  SetRemaining(FormatOrFatal(dtpStartTime->Value()));
  if (tag == trgComputerIdle) return ArmIdleDetection();
  if (tag == trgNoSound) return ArmSilenceDetection();
  return true;
}

void TYARBForm::ShowPage(ui::TabSheet* page) { SwitchPage(page, tabctrlMain->ActivePage(), true); }

void TYARBForm::SwitchPage(ui::TabSheet* newPage, ui::TabSheet* oldPage, bool show) {
  const bool newWatch = newPage == tabTime || newPage == PrgPage;
  const bool oldWatch = oldPage == tabTime || oldPage == PrgPage;
  if (oldPage == tabOptions && newWatch) {
    actShowApp->SetEnabled(true);
    if (FSettings->AppWindowState() == 1) Minimize();
    // State 2 (the tray) needs the tray icon; without it the window stays.
    if (newPage == tabTime) {
      tabctrlMain->SetActivePage(newPage);
      StartCountdown();
    }
  } else if (newPage == tabOptions && oldWatch) {
    StopCountdown();
    StopDetectors();
    actShowApp->SetEnabled(false);
  }

  actAdvenced->SetEnabled(!actShowApp->Enabled());
  const bool closeApp = FSettings->MainAction() == TZUBCommand::scmdCloseProgram;
  lblRemainingTimeDesc->SetVisible(!closeApp);
  lblAppCloseDesc->SetVisible(closeApp);
  if (newWatch) {
    lblAppClose->SetCaption(FSettings->CloseApp());
    lblAppClose->SetVisible(closeApp);
    if (lblAppClose->Parent() != newPage) lblAppClose->SetParent(*newPage);
  }
  if (show) {
    const bool begin = newPage == tabOptions;
    btnStart->SetVisible(begin);
    btnCancel->SetVisible(!begin);
    ClearFocus();
    tabctrlMain->SetActivePage(newPage);
  }
}

// --------------------------------------------------------------- countdown

void TYARBForm::SetRemaining(const std::wstring& caption) { lblRemainingTime->SetCaption(caption); }

std::wstring TYARBForm::FormatOrFatal(TDateTime value) {
  auto text = FormatDuration(value);
  if (text) return *text;
  Log(L"Error - DateTime outside 2008!");
  ShowErrorBox(env_.shell, L"Internal fatal error.", true);
  return L"";
}

bool TYARBForm::CountdownRunning() const { return timerSec->Enabled(); }

void TYARBForm::StartCountdown() {
  // The warning beeps are decided here; the tone generator plays them.
  alarmActive_ = FSettings->SoundWarning();
  countdown_.StartFromCaption(env_.clock.MonotonicMs(), lblRemainingTime->Caption());
  timerSec->SetInterval(kSecondMs);
  timerSec->SetEnabled(true);
  if (env_.win7OrLater && FSettings->ProgressOnTaskbar()) {
    taskbar_ = env_.createTaskbarProgress ? env_.createTaskbarProgress(*this) : nullptr;
    if (!taskbar_ || !taskbar_->SetIndeterminate()) {
      taskbar_.reset();
      Log(L"Warning - Taskbar init failed.");
    }
  }
}

void TYARBForm::StopCountdown() {
  timerSec->SetEnabled(false);
  countdown_.Stop();
  alarmActive_ = false;
  if (taskbar_) taskbar_->SetNoProgress();
}

void TYARBForm::PlayWarningBeep() {
  if (!alarmActive_) return;
  ++beeps_;
}

// One tick: it does its work and returns. It lets no other message run:
// the message loop delivers them between ticks, so a flood of messages
// can neither hold the tick nor make it drop the ticks that fall due
// meanwhile.
void TYARBForm::Second() {
  if (inSecond_) return;  // a box shown by the tick runs a loop of its own
  inSecond_ = true;
  const int tag = GetTriggerTag();
  TickInput in;
  in.nowMs = env_.clock.MonotonicMs();
  in.caption = lblRemainingTime->Caption();
  if (tag == trgComputerIdle && FActiveCount != 0) {
    in.waiting = true;
    FActiveCount = 0;
  } else if (tag == trgNoSound && FActiveCount < FSettings->SilenceDetectionCounter()) {
    in.waiting = true;
  }
  try {
    in.fullSeconds = TimeOfDayMs(dtpStartTime->Value()) / kSecondMs;
    in.soundWarning = FSettings->SoundWarning();
    in.alarm = FSettings->Alarm();
    in.trayVisible = false;  // the tray icon comes with the window's presentation
    in.hasTaskbarProgress = taskbar_ != nullptr;
    TickOutcome out = countdown_.Tick(in);
    SetRemaining(out.caption);
    if (!in.waiting) {
      if (out.setProgress && taskbar_) taskbar_->SetValue(out.progressCompleted, out.progressTotal);
      if (out.beep) PlayWarningBeep();
      if (out.balloonSeconds) balloons_.push_back(out.balloonSeconds);
      if (out.act) PerformAction();
    }
  } catch (const std::exception&) {
    // Back to the full time, counted from now.
    SetRemaining(FormatDuration(dtpStartTime->Value()).value_or(L"0:00:00"));
    countdown_.StartFromCaption(env_.clock.MonotonicMs(), lblRemainingTime->Caption());
  }
  inSecond_ = false;
}

void TYARBForm::PerformAction() {
  StopCountdown();
  StopDetectors();
  const TZUBCommand action = FSettings->MainAction();
  if (!FSettings->Screenshot().empty() && TakesScreenshotBefore(action) && env_.takeScreenshot)
    env_.takeScreenshot(FSettings->Screenshot());
  if (EndsUserWork(action)) {
    SaveWindowPosition();
    FSystemIsClosing = true;
  }
  Log(std::wstring(L"Executing the action ") + ZUBCommandIdent(action));
  if (!actions_ && env_.makeActions) actions_ = env_.makeActions(*this);
  if (actions_) DispatchAction(action, FSettings->IsHibernationPossible(), *actions_);
  env_.shell.Terminate();
}

void TYARBForm::EventFired() {
  StopDetectors();
  const int secs = FSettings->SecToShutdown();
  SetRemaining(FormatDuration(DurationFromSeconds(secs < 0 ? 0 : secs)).value_or(L"0:00:00"));
  if (secs > 0) ShowPage(tabTime);
  StartCountdown();
}

// ---------------------------------------------------------------- registry

void TYARBForm::SaveUISettings() {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Full, true);
  bool ok = static_cast<bool>(key);
  if (ok) {
    os::RegKey& k = *key.value();
    const int tag = GetTriggerTag();
    ok = k.WriteDword(L"Position - Left", static_cast<uint32_t>(Left())) &&
         k.WriteDword(L"Position - Top", static_cast<uint32_t>(Top())) &&
         k.WriteDword(L"MenuTip", static_cast<uint32_t>(lblTip1->Tag()));
    if (ok && tag == trgMonitoredApp) ok = static_cast<bool>(k.WriteString(L"cbxMonitoredApp", cbxMonitoredApp->Text()));
    if (ok && CountsOnTimePage(tag)) ok = static_cast<bool>(k.WriteString(TimeValueName(tag), TimeFieldText()));
    if (ok) ok = static_cast<bool>(k.WriteDword(L"Time", static_cast<uint32_t>(tag)));
  }
  if (!ok) ShowRegistryWriteError(std::wstring(L"HCU\\") + kSettingsKeyPath);
}

void TYARBForm::SaveWindowPosition() {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Full, true);
  if (!key) return;
  (void)key.value()->WriteDword(L"Position - Left", static_cast<uint32_t>(Left()));
  (void)key.value()->WriteDword(L"Position - Top", static_cast<uint32_t>(Top()));
}

}  // namespace quellon::app
