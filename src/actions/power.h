// Shutdown, restart, hibernation and standby, with the shutdown privilege
// and the force rule, and their failure reports.
#pragma once
#include <functional>
#include <string>

#include "actions/power_api.h"
#include "log/log_sink.h"
#include "os/app_shell.h"

namespace quellon {

// Failure text of a shutdown; the address is the maker's support address.
extern const wchar_t kShutdownFailureText[];

struct PowerContext {
  PowerApi& api;
  os::AppShell& shell;
  LogSink* log = nullptr;            // null while logging is off
  bool force = true;                 // the settings' Force
  bool* hibernationPossible = nullptr;  // the settings' IsHibernationPossible, cleared on failure
  bool ntFamily = true;
  bool win2000OrLater = true;
  // Enables the main window and shows its options page after a failure.
  std::function<void()> showOptionsPage;
  // The main window: the owner of the standby and hibernation failure box,
  // so the window is disabled while the box is up.
  os::WindowHandle mainWindow = os::kApplicationWindow;
};

// ExitWindowsEx flags for a shutdown (turnOff) or a restart.
uint32_t CloseSystemFlags(bool turnOff, bool force, bool ntFamily);

// Enables the shutdown privilege; the error's SystemText() is what the log
// line quotes.
Status SetPrivileges(PowerContext& ctx);
void CloseSystem(PowerContext& ctx, bool turnOff);
void SuspendSystem(PowerContext& ctx, bool hibernate);
void ReportSuspendFailure(PowerContext& ctx, int code, bool hibernate);

}  // namespace quellon
