// The actions of a watch as the main window performs them: the power
// actions with the settings' force rule and hibernation flag, their failure
// box owned by the main window, the others as the system carries them out.
#pragma once
#include <functional>

#include "actions/power_api.h"
#include "actions/system_actions.h"
#include "log/log_sink.h"
#include "os/app_shell.h"
#include "settings/settings.h"

namespace quellon::app {

// What the window's actions need besides the settings.
struct WindowActionsEnv {
  PowerApi& power;
  os::AppShell& shell;
  LogSink* log = nullptr;  // null while logging is off
  bool ntFamily = true;
  bool win2000OrLater = true;
  // The main window, asked at the time of the action: the owner of the
  // standby and hibernation failure box.
  std::function<os::WindowHandle()> mainWindow;
  // Enables the main window and shows its options page after a failure.
  std::function<void()> showOptionsPage;
  // The actions that leave the computer running; none: nothing is done.
  std::function<void()> modemDisconnect;
  std::function<void()> blockWindowsUser;
  std::function<void()> turnOffMonitor;
};

class WindowActions final : public SystemActions {
 public:
  // The settings are read at each action (the advanced options may have
  // changed them since).
  WindowActions(TZUBSettings& settings, WindowActionsEnv env);

  void CloseSystem(bool turnOff) override;
  // A failed hibernation clears the settings' IsHibernationPossible.
  void SuspendSystem(bool hibernate) override;
  // Closing an application comes with the running-applications list.
  void CloseProgram() override {}
  void ModemDisconnect() override;
  void BlockWindowsUser() override;
  void TurnOffMonitor() override;

 private:
  TZUBSettings& settings_;
  WindowActionsEnv env_;
};

}  // namespace quellon::app
