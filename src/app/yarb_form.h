// The main window: its controls, built from the layout table, its fields
// and every handler the program's logic runs on it. One class, its code
// split by concern:
//   yarb_form.cpp      building, binding, window messages, closing
//   yarb_startup.cpp   FormCreate in the normal mode, the saved user values
//   yarb_triggers.cpp  the triggers and the time field
//   yarb_watch.cpp     Begin and Cancel, the countdown, the action
// Decisions that need no window live in the portable core (Countdown, the
// time text, the window placement, the user values' reader); the form
// applies them to its controls. It reaches the system only through the
// ports in its MainWindowEnv, so host tests drive it on the headless
// backend with fakes.
#pragma once
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "actions/system_actions.h"
#include "apps/watch_target.h"
#include "app/triggers.h"
#include "core/countdown.h"
#include "core/datetime.h"
#include "imaging/image.h"
#include "log/log_sink.h"
#include "os/app_shell.h"
#include "os/clock.h"
#include "os/registry.h"
#include "os/taskbar.h"
#include "os/window_system.h"
#include "settings/settings.h"
#include "ui/action.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/radio_button.h"
#include "ui/time_picker.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"

namespace quellon::app {

class TYARBForm;

// What the main window needs from outside: the ports and the process's
// facts. The entry passes the real adapters; tests pass fakes.
struct MainWindowEnv {
  os::Registry& registry;
  os::Clock& clock;
  os::AppShell& shell;
  LogSink* log = nullptr;
  SettingsEnv settings;
  bool vistaOrLater = true;
  bool win7OrLater = true;
  // What needs the window itself gets it as the argument.
  // The actions a watch ends with, made for this window when the first
  // action is due (a failing action may show its message over the window
  // and bring back its options page).
  std::function<std::unique_ptr<SystemActions>(TYARBForm&)> makeActions;
  // The start check; true: the program must not run (already asked to end).
  std::function<bool(TYARBForm&)> checkAtStart;
  // The taskbar button's progress object; null when there is none.
  std::function<std::unique_ptr<os::TaskbarProgress>(TYARBForm&)> createTaskbarProgress;
  // The process's arguments as the platform splits them, for the log.
  std::vector<std::wstring> arguments;
  int paramCount = 0;
  // Saves the desktop picture to the file (errors swallowed); empty: none.
  std::function<void(const std::wstring&)> takeScreenshot;
  // Loads a PNG picture of the program's resources; none when it cannot.
  std::function<std::optional<imaging::RgbaImage>(const wchar_t*)> loadPicture;
  // Releases the instance mutex when it is still held.
  std::function<void()> releaseInstanceMutex;
  // The work areas of the monitors, the primary first; empty: the
  // backend's work area alone.
  std::function<std::vector<ui::Rect>()> workAreas;
  // The desktop's windows and processes (the application lists, the close
  // monitoring, closing an application).
  os::WindowSystem* windows = nullptr;
};

class TYARBForm : public ui::Form {
 public:
  TYARBForm(ui::Backend& backend, MainWindowEnv env);
  ~TYARBForm() override;

  // Controls, filled by their rows of the layout table.
  ui::Label* btnMenu;
  ui::Label* lblTip1;
  ui::Label* lblProgramName;
  ui::PageControl* tabctrlMain;
  ui::TabSheet* tabOptions;
  ui::TabSheet* tabTime;
  ui::TabSheet* PrgPage;
  ui::TabSheet* tabInstall1;
  ui::TabSheet* InstallPage2;
  ui::TabSheet* InstallPage3;
  ui::TabSheet* InstallPage4;
  ui::Label* lblMainEvent;
  ui::RadioButton* cbPeriodOfTime;
  ui::RadioButton* cbComputerIdle;
  ui::RadioButton* cbTime;
  ui::RadioButton* cbMonitoredApp;
  ui::RadioButton* cbNoSound;
  ui::GroupBox* grTime;
  ui::TimePicker* dtpStartTime;
  ui::ComboBox* cbxMonitoredApp;
  ui::Button* btnMonitoredAppRefresh;
  ui::Label* lblRemainingTimeDesc;
  ui::Label* lblRemainingTime;
  ui::Label* lblAppCloseDesc;
  ui::Label* lblAppClose;
  ui::Label* lblMonitoredAppNameDesc;
  ui::Label* lblMonitoredAppName;
  ui::Label* lblMainActionDesc;
  ui::Edit* edtLastClosedApp;
  ui::PageControl* tabctrlButtons;
  ui::TabSheet* PrgBtnPage;
  ui::TabSheet* InstallBtnsPage;
  ui::Button* btnStart;
  ui::Button* btnCancel;
  ui::Timer* timerSec;
  ui::Timer* timerWaitForEvent;
  ui::Action* actCloseProgram;
  ui::Action* actAdvenced;
  ui::Action* actShowHelp;
  ui::Action* actShowMenu;
  ui::Action* actMonitoredAppRefresh;
  ui::Action* actShowApp;
  ui::PopupMenu* PopupMenu;
  ui::PopupMenu* TrayMenu;
  ui::TrayIcon* TrayIcon;

  // Fields.
  bool FCreate = false;           // true once the window is ready for the user
  bool FSystemIsClosing = false;  // Windows ends the logon, or an action ends the user's work
  std::optional<imaging::RgbaImage> FMenuIcon1, FMenuIcon2;  // the menu button's pictures
  std::unique_ptr<TZUBSettings> FSettings;                   // exists in the normal mode
  uint32_t FActiveCount = 0;      // input or silence reported by the detectors
  // The application watch's target (resolved by Begin).
  TWhoIsClosed FMonType = TWhoIsClosed::wicProgramName;
  std::wstring FHookPrg, FHookClass;

  // ---- start-up and end (yarb_startup.cpp, yarb_form.cpp)
  // The normal mode's start-up. True when the main window is to be shown.
  bool FormCreate();
  void FormCloseQuery(bool& canClose);
  void FormDestroy();

  // ---- triggers and the time field (yarb_triggers.cpp)
  // The trigger radio button with the Tag; none for another number.
  ui::RadioButton* TriggerButton(int tag) const;
  int GetTriggerTag() const;
  void SelectTrigger(int tag, bool load);
  void UpdateTriggerControls();
  void cbPeriodOfTimeClick();
  void cbComputerIdleClick();
  void cbTimeClick();
  void cbMonitoredAppClick();
  void cbNoSoundClick();
  std::wstring ReadTimeSetting(const std::wstring& name, const std::wstring& defaultText);
  void SetTimePart(int value, TimePart part);
  std::wstring TimeFieldText() const;               // AsString
  void SetTimeFieldText(const std::wstring& text);  // throws ConvertError

  // ---- the watch (yarb_watch.cpp). Sender is none when the code presses Begin.
  void btnStartClick(ui::Control* sender);
  bool StartWatching();
  void ShowPage(ui::TabSheet* page);
  void SwitchPage(ui::TabSheet* newPage, ui::TabSheet* oldPage, bool show);
  void StartCountdown();
  void StopCountdown();
  void PlayWarningBeep();
  void StopDetectors();
  void Second();
  void EventFired();
  void SaveUISettings();

  // ---- the running applications (yarb_apps.cpp)
  // The target of the user's text, shown on the application page; false
  // when refused (the user has been told).
  bool ResolveMonitoredApp(const std::wstring& text);

  // ---- the detectors (yarb_detectors.cpp): true when armed; otherwise
  // the user has been told why and the watch does not start.
  bool ArmAppCloseDetection();
  bool ArmIdleDetection();
  bool ArmSilenceDetection();
  void SaveWindowPosition();
  bool CountdownRunning() const;
  bool TaskbarProgressActive() const { return taskbar_ != nullptr; }
  // Beeps and balloons decided so far (they sound and show once the tone
  // generator and the tray icon's part in the watch exist).
  int BeepsPlayed() const { return beeps_; }
  const std::vector<int>& BalloonsShown() const { return balloons_; }

  // ---- presentation: handlers whose features come with the window's
  // presentation; each tells the user so when used.
  void cbxMonitoredAppChange();
  void actCloseProgramExecute();
  void actAdvencedExecute();
  void actShowHelpExecute();
  void actShowMenuExecute();
  void actMonitoredAppRefreshExecute();
  void actShowAppExecute();
  void btnMenuClick();
  void lblTip1Click();
  void lblProgramNameClick();
  void TrayIconDblClick();

 private:
  void BindHandlers();
  bool WMQueryEndSession();
  void WMEndSession(bool ending);
  void ApplyUserValues();
  void PlaceWindow(int left, int top);
  void ShowRegistryWriteError(const std::wstring& where);
  void NotBuiltYet(const wchar_t* feature);
  void PerformAction();
  void SetRemaining(const std::wstring& caption);
  std::wstring FormatOrFatal(TDateTime value);
  void Log(const std::wstring& line) const {
    if (env_.log) env_.log->LogEvent(line);
  }

  MainWindowEnv env_;
  std::unique_ptr<SystemActions> actions_;
  Countdown countdown_;
  std::unique_ptr<os::TaskbarProgress> taskbar_;
  bool alarmActive_ = false;
  bool inSecond_ = false;
  bool positionRead_ = false;  // the stored position was applied: it may be saved back
  int beeps_ = 0;
  std::vector<int> balloons_;
};

}  // namespace quellon::app
