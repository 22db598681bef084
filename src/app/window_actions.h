// The actions of a watch as the main window performs them: the power
// actions with the settings' force rule, the others as they are.
#pragma once
#include <functional>

#include "actions/power_api.h"
#include "actions/system_actions.h"
#include "log/log_sink.h"
#include "os/app_shell.h"
#include "settings/settings.h"

namespace quellon::app {

class WindowActions final : public SystemActions {
 public:
  WindowActions(PowerApi& power, os::AppShell& shell, TZUBSettings& settings, LogSink* log, bool ntFamily,
                bool win2000OrLater, std::function<void()> showOptionsPage);

  void CloseSystem(bool turnOff) override;
  void SuspendSystem(bool hibernate) override;
  // Closing an application comes with the running-applications list.
  void CloseProgram() override {}
  void ModemDisconnect() override;
  void BlockWindowsUser() override;
  void TurnOffMonitor() override;

 private:
  PowerApi& power_;
  os::AppShell& shell_;
  TZUBSettings& settings_;
  LogSink* log_;
  bool nt_, win2000_;
  std::function<void()> showOptionsPage_;
};

}  // namespace quellon::app
