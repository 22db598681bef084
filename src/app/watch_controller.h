// The main window's controller: start-up in the normal mode, the trigger
// selection and the time field, Begin and Cancel, the watch with its
// countdown, and the action at zero. It works on the window's controls by
// name, so it runs alike on the Win32 and the headless backend.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "actions/system_actions.h"
#include "core/countdown.h"
#include "core/datetime.h"
#include "imaging/image.h"
#include "log/log_sink.h"
#include "os/app_shell.h"
#include "os/clock.h"
#include "os/registry.h"
#include "os/taskbar.h"
#include "settings/settings.h"

namespace quellon::ui {
class Control;
class TabSheet;
}  // namespace quellon::ui

namespace quellon::app {

class TYARBForm;

extern const wchar_t kUserKeyPath[];  // SOFTWARE\Tarnwick\YARB

// What the controller needs from outside the window.
struct WatchEnv {
  os::Registry& registry;
  os::Clock& clock;
  os::AppShell& shell;
  SystemActions& actions;
  LogSink* log = nullptr;
  bool vistaOrLater = true;
  bool win7OrLater = true;
  // The start check; true: the program must not run (already asked to end).
  std::function<bool()> checkAtStart;
  // The taskbar button's progress object; null when there is none.
  std::function<std::unique_ptr<os::TaskbarProgress>()> createTaskbarProgress;
  // The process's arguments as the platform splits them, for the log.
  std::vector<std::wstring> arguments;
  int paramCount = 0;
  // Saves the desktop picture to the file (errors swallowed); empty: none.
  std::function<void(const std::wstring&)> takeScreenshot;
  // Loads a PNG picture of the program's resources; none when it cannot.
  std::function<std::optional<imaging::RgbaImage>(const wchar_t*)> loadPicture;
  // Releases the instance mutex when it is still held.
  std::function<void()> releaseInstanceMutex;
};

class WatchController {
 public:
  WatchController(TYARBForm& form, TZUBSettings& settings, WatchEnv env);
  ~WatchController();

  // Start-up, normal mode. True when the main window is to be shown.
  bool FormCreate();
  bool FCreate = false;
  bool FSystemIsClosing = false;
  // The menu button's normal and hover pictures; none when not loaded.
  std::optional<imaging::RgbaImage> FMenuIcon1, FMenuIcon2;
  // Input or silence reported by the detectors.
  uint32_t FActiveCount = 0;

  // Begin and Cancel.
  void btnStartClick(ui::Control* sender);
  bool StartWatching();
  void ShowPage(ui::TabSheet* page);
  void SwitchPage(ui::TabSheet* newPage, ui::TabSheet* oldPage, bool show);

  // The countdown.
  void StartCountdown();
  void StopCountdown();
  void PlayWarningBeep();
  void StopDetectors();
  void Second();
  void EventFired();
  bool CountdownRunning() const;
  bool TaskbarProgressActive() const { return taskbar_ != nullptr; }
  // Beeps and balloons decided so far (they sound and show once the tone
  // generator and the tray icon exist).
  int BeepsPlayed() const { return beeps_; }
  const std::vector<int>& BalloonsShown() const { return balloons_; }

  // Registry.
  void SaveUISettings();
  void SaveWindowPosition();

  // The triggers and the time field.
  void cbPeriodOfTimeClick();
  void cbComputerIdleClick();
  void cbTimeClick();
  void cbMonitoredAppClick();
  void cbNoSoundClick();
  void UpdateTriggerControls();
  void SelectTrigger(int tag, bool load);
  int GetTriggerTag() const;
  std::wstring ReadTimeSetting(const std::wstring& name, const std::wstring& defaultText);
  std::wstring ReadTimeSetting(const std::wstring& name, TDateTime defaultTime);
  void SetTimePart(int value, int part);
  std::wstring TimeFieldText() const;     // AsString
  void SetTimeFieldText(const std::wstring& text);  // throws ConvertError

 private:
  void PerformAction();
  void SetRemaining(const std::wstring& caption);
  std::wstring FormatOrFatal(TDateTime value);
  void Log(const std::wstring& line) const {
    if (env_.log) env_.log->LogEvent(line);
  }
  void ShowRegistryWriteError(const std::wstring& where);
  void ReadUserValues(int& time);

  TYARBForm& form_;
  TZUBSettings& settings_;
  WatchEnv env_;
  Countdown countdown_;
  std::unique_ptr<os::TaskbarProgress> taskbar_;
  bool alarmActive_ = false;
  bool inSecond_ = false;
  int beeps_ = 0;
  std::vector<int> balloons_;
};

}  // namespace quellon::app
