// TZUBSettings: the user's options, loaded from and saved to the current
// user's settings key, plus the autostart entry of this instance under the
// Run key.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "log/log_sink.h"
#include "os/registry.h"
#include "settings/command.h"

namespace quellon {

class TConfig;

// HKEY_CURRENT_USER keys.
extern const wchar_t kSettingsKeyPath[];  // "SOFTWARE\\Tarnwick\\YARB"
extern const wchar_t kRunKeyPath[];       // "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run"

// What the settings need from the rest of the process.
struct SettingsEnv {
  int instanceNumber = 1;
  std::wstring exePath;                 // the executable's full path
  std::function<bool()> hibernationQuery;  // asked once at construction; none: not possible
  LogSink* log = nullptr;               // the process-wide logger; null while logging is off
  // The keys, below HKEY_CURRENT_USER; tests on a real registry move them.
  std::wstring settingsKey = kSettingsKeyPath;
  std::wstring runKey = kRunKeyPath;
};

class TZUBSettings {
 public:
  // Sets the defaults and asks whether hibernation is possible.
  TZUBSettings(os::Registry& registry, SettingsEnv env);

  // True when the settings key was opened and read to the end.
  bool LoadFromRegistry();
  // AMainActionIdx is the trigger mode 1..5 chosen in the main window; it
  // only goes into the autostart command line. True when everything was
  // written (an unopenable Run key clears AutoStartup and still counts).
  bool SaveToRegistry(int AMainActionIdx);
  // One line with the settings to the logger, when there is one.
  void SaveToLog() const;
  std::wstring LogLine() const;

  // The Run value's name and command line for this instance.
  std::wstring AutoStartValueName() const;
  std::wstring AutoStartCommandLine(int triggerMode) const;

  // 0 show window, 1 minimise, 2 hide to the tray.
  int32_t AppWindowState() const { return FAppWindowState; }
  void SetAppWindowState(int32_t v) { FAppWindowState = v; }
  // 0 off, else 2..60: the countdown second at which beeping starts.
  int32_t Alarm() const { return FAlarm; }
  void SetAlarm(int32_t v) { FAlarm = v; }
  bool SoundWarning() const { return FAlarm > 0; }
  bool AutoStartup() const { return FAutoStartup; }
  void SetAutoStartup(bool v) { FAutoStartup = v; }
  const std::wstring& CloseApp() const { return FCloseApp; }
  void SetCloseApp(const std::wstring& v) { FCloseApp = v; }
  bool ExactProgramName() const { return FExactProgramName; }
  void SetExactProgramName(bool v) { FExactProgramName = v; }
  bool Force() const { return FForce; }
  void SetForce(bool v) { FForce = v; }
  // The effective action: scmdSuspend for a stored scmdHibernation while
  // hibernation is not possible.
  TZUBCommand MainAction() const;
  void SetMainAction(TZUBCommand v) { FMainAction = v; }
  TZUBCommand StoredMainAction() const { return FMainAction; }
  bool MinimizeToTray() const { return FMinimizeToTray; }
  void SetMinimizeToTray(bool v) { FMinimizeToTray = v; }
  const std::wstring& Screenshot() const { return FScreenshot; }
  void SetScreenshot(const std::wstring& v) { FScreenshot = v; }
  bool ShowWindowsClasses() const { return FShowWindowsClasses; }
  void SetShowWindowsClasses(bool v) { FShowWindowsClasses = v; }
  bool WatchInternalWindows() const { return FWatchInternalWindows; }
  void SetWatchInternalWindows(bool v) { FWatchInternalWindows = v; }
  int32_t SecToShutdown() const { return FSecToShutdown; }
  void SetSecToShutdown(int32_t v) { FSecToShutdown = v; }
  bool IsHibernationPossible() const { return FIsHibernationPossible; }
  void SetIsHibernationPossible(bool v) { FIsHibernationPossible = v; }
  uint32_t SilenceDetectionCounter() const { return FSilenceDetectionCounter; }
  void SetSilenceDetectionCounter(uint32_t v) { FSilenceDetectionCounter = v; }
  // Only loading changes it.
  bool ProgressOnTaskbar() const { return FProgressOnTaskbar; }

 private:
  Status ReadSettingsKey(TConfig& cfg);
  void Log(const std::wstring& line) const;

  os::Registry& registry_;
  SettingsEnv env_;

  int32_t FAppWindowState = 0;
  int32_t FAlarm = 0;
  bool FAutoStartup = false;
  std::wstring FCloseApp;
  bool FExactProgramName = false;
  bool FForce = true;
  TZUBCommand FMainAction = TZUBCommand::scmdShutdownComputer;
  bool FMinimizeToTray = false;
  std::wstring FScreenshot;
  bool FShowWindowsClasses = false;
  bool FWatchInternalWindows = false;
  int32_t FSecToShutdown = 10;
  bool FIsHibernationPossible = false;
  uint32_t FSilenceDetectionCounter = 10;
  bool FProgressOnTaskbar = true;
};

// A stored count: optional blanks, an optional plus sign and decimal
// digits, 0..4294967295. False for anything else.
bool ParseCount(const std::wstring& text, uint32_t& value);

}  // namespace quellon
