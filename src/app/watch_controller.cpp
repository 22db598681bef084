#include "app/watch_controller.h"

#include <cstring>

#include "app/yarb_form.h"
#include "core/time_text.h"
#include "install/error_box.h"
#include "install/special_programs.h"
#include "settings/command_caption.h"
#include "util/text.h"

namespace quellon::app {

const wchar_t kUserKeyPath[] = L"SOFTWARE\\Tarnwick\\YARB";

namespace {

const wchar_t kRegistryWriteError[] = L"Failed writing to Registry (\"%s\"), contact your administrator.";

std::wstring RegistryWriteError(const std::wstring& where) {
  std::wstring text = kRegistryWriteError;
  text.replace(text.find(L"%s"), 2, where);
  return text;
}

// lblMainActionDesc (trigger 4) and lblRemainingTimeDesc (the others) per
// action; nullptr keeps what the label shows.
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

WatchController::WatchController(TYARBForm& form, TZUBSettings& settings, WatchEnv env)
    : form_(form), settings_(settings), env_(std::move(env)) {}

WatchController::~WatchController() {
  if (form_.Controller() == this) form_.AttachController(nullptr);
}

void WatchController::ShowRegistryWriteError(const std::wstring& where) {
  ShowErrorBox(env_.shell, RegistryWriteError(where), false);
}

// ---------------------------------------------------------------- start-up

void WatchController::ReadUserValues(int& time) {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kUserKeyPath, os::RegAccess::Full, true);
  if (!key) throw std::runtime_error("settings key");
  os::RegKey& k = *key.value();
  auto t = k.ReadDword(L"Time");
  time = t ? static_cast<int>(t.value()) : 1;
  if (time == 5 && !env_.vistaOrLater) time = 1;

  bool failed = false;
  try {
    auto left = k.ReadDword(L"Position - Left");
    auto top = k.ReadDword(L"Position - Top");
    if (!left || !top) throw std::runtime_error("position");
    form_.SetPosition(static_cast<int32_t>(left.value()), static_cast<int32_t>(top.value()));
    auto tip = k.ReadDword(L"MenuTip");
    if (!tip) throw std::runtime_error("menu tip");
    form_.lblTip1->SetTag(static_cast<int32_t>(tip.value()));
    form_.lblTip1->SetVisible(form_.lblTip1->Tag() < 3);
    auto app = k.ReadString(L"cbxMonitoredApp");
    if (!app && !app.Is(os::RegErrc::NotFound)) throw std::runtime_error("monitored application");
    form_.cbxMonitoredApp->SetText(app ? app.value() : L"");
    const std::wstring learned = std::wstring(kUserKeyPath) + L"\\SpecPrograms";
    if (env_.registry.KeyExists(os::RootKey::CurrentUser, learned)) {
      auto sp = env_.registry.OpenKey(os::RootKey::CurrentUser, learned, os::RegAccess::Full, false);
      if (!sp) throw std::runtime_error("learned captions");
      auto mark = sp.value()->ReadString(L"");
      if (!mark || mark.value().empty()) {
        sp = os::RegError{};
        if (!env_.registry.DeleteKeyTree(os::RootKey::CurrentUser, learned))
          throw std::runtime_error("learned captions");
      } else {
        for (TSpecPrg& row : SpecialPrograms()) {
          auto sub = env_.registry.OpenKey(os::RootKey::CurrentUser, learned + L"\\" + row.szukana_klasa,
                                           os::RegAccess::Read, false);
          if (!sub) continue;
          auto names = sub.value()->ValueNames();
          if (!names) continue;
          for (const auto& n : names.value())
            if (auto v = sub.value()->ReadString(n)) row.naglowki.push_back(UpperCase(v.value()));
        }
      }
    }
  } catch (const std::runtime_error&) {
    failed = true;
  }
  if (!failed) return;

  // A first start (no position yet) or damaged values: start the user key
  // afresh.
  key = os::RegError{};
  bool ok = static_cast<bool>(env_.registry.DeleteKeyTree(os::RootKey::CurrentUser, kUserKeyPath)) ||
            !env_.registry.KeyExists(os::RootKey::CurrentUser, kUserKeyPath);
  if (ok) {
    auto fresh = env_.registry.OpenKey(os::RootKey::CurrentUser, kUserKeyPath, os::RegAccess::Full, true);
    ok = fresh && fresh.value()->WriteDword(L"MenuTip", 0);
  }
  form_.lblTip1->SetTag(0);
  settings_.SetForce(true);
  if (!ok) ShowRegistryWriteError(L"HKCU\\SOFTWARE\\Tarnwick\\YARB");
  form_.cbxMonitoredApp->SetText(L"");
}

bool WatchController::FormCreate() {
  if (env_.loadPicture) {
    FMenuIcon1 = env_.loadPicture(L"XMenu1");
    FMenuIcon2 = env_.loadPicture(L"XMenu2");
  }
  if (env_.checkAtStart && env_.checkAtStart()) return false;
  form_.actShowApp->SetCaption(L"Hide window");
  FCreate = false;
  // The tip shows only once its counter has been read below 3.
  form_.lblTip1->SetVisible(false);
  form_.cbNoSound->SetEnabled(env_.vistaOrLater);

  settings_.LoadFromRegistry();
  settings_.SaveToLog();
  form_.lblMainEvent->SetCaption(GetCommandCaption(settings_.MainAction()));

  int time = 1;
  try {
    try {
      SpecialPrograms() = LoadSpecialPrograms(env_.registry);
    } catch (const MissingInstallInfoError& e) {
      MissingInstallInfo(e.code, env_.shell, env_.log);
    }
    ReadUserValues(time);
  } catch (const SilentAbort&) {
    return false;
  } catch (const std::exception&) {
    env_.shell.Terminate();
    return false;
  }

  try {
    SelectTrigger(time, true);
  } catch (const ConvertError& e) {
    // A saved time that is not a time text: the user is told, the field
    // keeps its value, and the program starts all the same.
    env_.shell.ShowMessageBox(e.Message(), L"Error", os::BoxButtons::Ok, os::BoxIcon::Error);
  }

  if (env_.log) {
    std::wstring line = L"Command line (" + std::to_wstring(env_.paramCount) + L"): ";
    for (const auto& a : env_.arguments) line += a + L" ";
    Log(line);
  }

  FCreate = true;
  return true;
}

// ---------------------------------------------------------- triggers, time

std::wstring WatchController::TimeFieldText() const {
  TDateTime v = form_.dtpStartTime->Value();
  return TimeToString(v, static_cast<unsigned>(DecodeDateTime(v).hour));
}

void WatchController::SetTimeFieldText(const std::wstring& text) {
  form_.dtpStartTime->SetValue(StringToTime(text));
}

std::wstring WatchController::ReadTimeSetting(const std::wstring& name, const std::wstring& defaultText) {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kUserKeyPath, os::RegAccess::Full, true);
  if (!key) return defaultText;
  auto raw = key.value()->ReadRaw(name);
  if (!raw) return defaultText;
  if (raw.value().type == os::kRegSz) {
    auto s = key.value()->ReadString(name);
    return s ? s.value() : defaultText;
  }
  // The form of earlier versions: an 8-byte date-time.
  if (raw.value().data.size() != sizeof(double)) return defaultText;
  double t = 0;
  std::memcpy(&t, raw.value().data.data(), sizeof t);
  if (!(t > -693594.0 && t < 2958466.0)) return defaultText;
  return TimeToString(t, static_cast<unsigned>(DecodeDateTime(t).hour));
}

std::wstring WatchController::ReadTimeSetting(const std::wstring& name, TDateTime defaultTime) {
  return ReadTimeSetting(name, TimeToString(defaultTime, static_cast<unsigned>(DecodeDateTime(defaultTime).hour)));
}

void WatchController::cbPeriodOfTimeClick() {
  UpdateTriggerControls();
  if (FCreate && form_.cbPeriodOfTime->Checked())
    SetTimeFieldText(ReadTimeSetting(L"Time1", L"01:00:00.000"));
}

void WatchController::cbComputerIdleClick() {
  UpdateTriggerControls();
  if (FCreate && form_.cbComputerIdle->Checked()) {
    std::wstring t1 = ReadTimeSetting(L"Time1", L"01:00:00.000");
    SetTimeFieldText(ReadTimeSetting(L"Time2", t1));
  }
}

void WatchController::cbTimeClick() {
  UpdateTriggerControls();
  if (FCreate && form_.cbTime->Checked()) {
    TDateTime now = env_.clock.Now();
    TDateTime inAnHour = static_cast<double>(TimeOfDayMs(now) + 3600000) / kMsPerDay;
    SetTimeFieldText(ReadTimeSetting(L"Time3", inAnHour));
  }
}

void WatchController::cbMonitoredAppClick() {
  UpdateTriggerControls();
  // The running-applications list comes with the application watch.
}

void WatchController::cbNoSoundClick() {
  UpdateTriggerControls();
  if (FCreate && form_.cbNoSound->Checked())
    SetTimeFieldText(ReadTimeSetting(L"Time5", L"00:02:00.000"));
}

void WatchController::UpdateTriggerControls() {
  const int tag = GetTriggerTag();
  const bool app = tag == 4;
  form_.cbxMonitoredApp->SetEnabled(app);
  if (app != form_.actMonitoredAppRefresh->Enabled()) form_.cbxMonitoredAppChange();
  form_.actMonitoredAppRefresh->SetEnabled(app);
  const bool timed = tag >= 1 && tag <= 3;
  form_.grTime->SetEnabled(timed);
  form_.dtpStartTime->SetEnabled(timed);
  form_.dtpStartTime->SetFormat(tag == 3 ? L"" : L"HH:mm:ss");
}

void WatchController::SelectTrigger(int tag, bool load) {
  const bool saved = FCreate;
  FCreate = load;
  try {
    ui::RadioButton* target = tag >= 1 && tag <= 5 ? form_.TriggerButton(tag) : nullptr;
    const bool alreadySelected = target && target->Checked();
    form_.cbPeriodOfTime->SetChecked(true);
    if (target) target->SetChecked(true);
    // Selecting what is selected runs nothing; a load still wants the
    // trigger's saved time.
    if (alreadySelected && load && target->OnClick) target->OnClick();
  } catch (...) {
    FCreate = saved;
    throw;
  }
  FCreate = saved;
}

int WatchController::GetTriggerTag() const {
  for (int t = 1; t <= 5; ++t)
    if (form_.TriggerButton(t)->Checked()) return form_.TriggerButton(t)->Tag();
  return 1;
}

void WatchController::SetTimePart(int value, int part) {
  if (value < 0) return;
  if ((part == 1 || part == 2) && value > 59) return;
  DateTimeParts p = DecodeDateTime(form_.dtpStartTime->Value());
  int h = p.hour, m = p.minute, s = p.second;
  if (part == 0) h = value;
  if (part == 1) m = value;
  if (part == 2) s = value;
  form_.dtpStartTime->SetValue(EncodeTime(h, m, s, p.millisecond));
}

// ------------------------------------------------------------ Begin/Cancel

void WatchController::btnStartClick(ui::Control* sender) {
  if (form_.tabctrlMain->ActivePage() == form_.tabOptions) {
    if (env_.releaseInstanceMutex) env_.releaseInstanceMutex();
    if (!StartWatching()) return;
  }
  if (sender) SaveUISettings();
  ui::TabSheet* shown = form_.tabctrlMain->ActivePage();
  if (shown == form_.tabTime || shown == form_.PrgPage) {
    ShowPage(form_.tabOptions);
    return;
  }
  const int tag = GetTriggerTag();
  if (tag == 1 || tag == 2 || tag == 3 || tag == 5)
    ShowPage(form_.tabTime);
  else if (tag == 4)
    ShowPage(form_.PrgPage);
  else
    ShowErrorBox(env_.shell, L"FnI" + std::to_wstring(tag) + L" - Function not implemented.", false);
}

bool WatchController::StartWatching() {
  const int tag = GetTriggerTag();
  const ActionCaptions captions = CaptionsFor(settings_.MainAction());
  if (tag == 4) {
    if (captions.mainActionDesc) form_.lblMainActionDesc->SetCaption(captions.mainActionDesc);
    // The application watch needs the hook library's close monitoring.
    Log(L"Error - InitSH(AppClosed) failed.");
    return false;
  }
  if (captions.remainingTimeDesc) form_.lblRemainingTimeDesc->SetCaption(captions.remainingTimeDesc);
  if (tag == 3) {
    SetRemaining(FormatOrFatal(TimeOfDayRemaining(TimeFieldText(), env_.clock.Now())));
    return true;
  }
  SetRemaining(FormatOrFatal(form_.dtpStartTime->Value()));
  if (tag == 2) {
    // Input activity comes from the hook library, not available here.
    Log(L"Error - InitSH(Idle) failed.");
    return false;
  }
  if (tag == 5) {
    Log(L"Error - Init sillent detection failed: the sound meter is not available");
    return false;
  }
  return true;
}

void WatchController::ShowPage(ui::TabSheet* page) {
  SwitchPage(page, form_.tabctrlMain->ActivePage(), true);
}

void WatchController::SwitchPage(ui::TabSheet* newPage, ui::TabSheet* oldPage, bool show) {
  const bool newWatch = newPage == form_.tabTime || newPage == form_.PrgPage;
  const bool oldWatch = oldPage == form_.tabTime || oldPage == form_.PrgPage;
  if (oldPage == form_.tabOptions && newWatch) {
    form_.actShowApp->SetEnabled(true);
    if (settings_.AppWindowState() == 1) form_.Minimize();
    // State 2 (the tray) needs the tray icon; without it the window stays.
    if (newPage == form_.tabTime) {
      form_.tabctrlMain->SetActivePage(newPage);
      StartCountdown();
    }
  } else if (newPage == form_.tabOptions && oldWatch) {
    StopCountdown();
    StopDetectors();
    form_.actShowApp->SetEnabled(false);
  }

  form_.actAdvenced->SetEnabled(!form_.actShowApp->Enabled());
  const bool closeApp = settings_.MainAction() == TZUBCommand::scmdCloseProgram;
  form_.lblRemainingTimeDesc->SetVisible(!closeApp);
  form_.lblAppCloseDesc->SetVisible(closeApp);
  if (newWatch) {
    form_.lblAppClose->SetCaption(settings_.CloseApp());
    form_.lblAppClose->SetVisible(closeApp);
    if (form_.lblAppClose->Parent() != newPage) form_.lblAppClose->SetParent(*newPage);
  }
  if (show) {
    const bool begin = newPage == form_.tabOptions;
    form_.btnStart->SetVisible(begin);
    form_.btnCancel->SetVisible(!begin);
    form_.ClearFocus();
    form_.tabctrlMain->SetActivePage(newPage);
  }
}

// --------------------------------------------------------------- countdown

void WatchController::SetRemaining(const std::wstring& caption) { form_.lblRemainingTime->SetCaption(caption); }

std::wstring WatchController::FormatOrFatal(TDateTime value) {
  auto text = FormatDuration(value);
  if (text) return *text;
  Log(L"Error - DateTime outside 2008!");
  ShowErrorBox(env_.shell, L"Internal fatal error.", true);
  return L"";
}

bool WatchController::CountdownRunning() const { return form_.timerSec->Enabled(); }

void WatchController::StartCountdown() {
  // The warning beeps are decided here; the tone generator plays them.
  alarmActive_ = settings_.SoundWarning();
  countdown_.StartFromCaption(env_.clock.MonotonicMs(), form_.lblRemainingTime->Caption());
  form_.timerSec->SetInterval(1000);
  form_.timerSec->SetEnabled(true);
  if (env_.win7OrLater && settings_.ProgressOnTaskbar()) {
    taskbar_ = env_.createTaskbarProgress ? env_.createTaskbarProgress() : nullptr;
    if (!taskbar_ || !taskbar_->SetIndeterminate()) {
      taskbar_.reset();
      Log(L"Warning - Taskbar init failed.");
    }
  }
}

void WatchController::StopCountdown() {
  form_.timerSec->SetEnabled(false);
  countdown_.Stop();
  alarmActive_ = false;
  if (taskbar_) taskbar_->SetNoProgress();
}

void WatchController::PlayWarningBeep() {
  if (!alarmActive_) return;
  ++beeps_;
}

void WatchController::StopDetectors() { form_.timerWaitForEvent->SetEnabled(false); }

void WatchController::Second() {
  if (inSecond_) return;  // letting messages run below may deliver the next tick
  inSecond_ = true;
  const int tag = GetTriggerTag();
  TickInput in;
  in.nowMs = env_.clock.MonotonicMs();
  in.caption = form_.lblRemainingTime->Caption();
  if (tag == 2 && FActiveCount != 0) {
    in.waiting = true;
    FActiveCount = 0;
  } else if (tag == 5 && FActiveCount < settings_.SilenceDetectionCounter()) {
    in.waiting = true;
  }
  try {
    in.fullSeconds = TimeOfDayMs(form_.dtpStartTime->Value()) / 1000;
    in.soundWarning = settings_.SoundWarning();
    in.alarm = settings_.Alarm();
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
    SetRemaining(FormatDuration(form_.dtpStartTime->Value()).value_or(L"0:00:00"));
    countdown_.StartFromCaption(env_.clock.MonotonicMs(), form_.lblRemainingTime->Caption());
  }
  form_.ProcessMessages();
  inSecond_ = false;
}

void WatchController::PerformAction() {
  StopCountdown();
  StopDetectors();
  const TZUBCommand action = settings_.MainAction();
  if (!settings_.Screenshot().empty() && TakesScreenshotBefore(action) && env_.takeScreenshot)
    env_.takeScreenshot(settings_.Screenshot());
  if (EndsUserWork(action)) {
    SaveWindowPosition();
    FSystemIsClosing = true;
  }
  Log(std::wstring(L"Executing the action ") + ZUBCommandIdent(action));
  DispatchAction(action, settings_.IsHibernationPossible(), env_.actions);
  env_.shell.Terminate();
}

void WatchController::EventFired() {
  StopDetectors();
  const int secs = settings_.SecToShutdown();
  SetRemaining(FormatDuration(DurationFromSeconds(secs < 0 ? 0 : secs)).value_or(L"0:00:00"));
  if (secs > 0) ShowPage(form_.tabTime);
  StartCountdown();
}

// ---------------------------------------------------------------- registry

void WatchController::SaveUISettings() {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kUserKeyPath, os::RegAccess::Full, true);
  bool ok = static_cast<bool>(key);
  if (ok) {
    os::RegKey& k = *key.value();
    const int tag = GetTriggerTag();
    ok = k.WriteDword(L"Position - Left", static_cast<uint32_t>(form_.Left())) &&
         k.WriteDword(L"Position - Top", static_cast<uint32_t>(form_.Top())) &&
         k.WriteDword(L"MenuTip", static_cast<uint32_t>(form_.lblTip1->Tag()));
    if (ok && tag == 4) ok = static_cast<bool>(k.WriteString(L"cbxMonitoredApp", form_.cbxMonitoredApp->Text()));
    if (ok && (tag == 1 || tag == 2 || tag == 3 || tag == 5))
      ok = static_cast<bool>(k.WriteString(L"Time" + std::to_wstring(tag), TimeFieldText()));
    if (ok) ok = static_cast<bool>(k.WriteDword(L"Time", static_cast<uint32_t>(tag)));
  }
  if (!ok) ShowRegistryWriteError(std::wstring(L"HCU\\") + kUserKeyPath);
}

void WatchController::SaveWindowPosition() {
  auto key = env_.registry.OpenKey(os::RootKey::CurrentUser, kUserKeyPath, os::RegAccess::Full, true);
  if (!key) return;
  (void)key.value()->WriteDword(L"Position - Left", static_cast<uint32_t>(form_.Left()));
  (void)key.value()->WriteDword(L"Position - Top", static_cast<uint32_t>(form_.Top()));
}

}  // namespace quellon::app
