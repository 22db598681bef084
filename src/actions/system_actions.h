// The actions a watch ends with, and their dispatch from the main action.
#pragma once
#include "settings/command.h"

namespace quellon {

class SystemActions {
 public:
  virtual ~SystemActions() = default;
  virtual void CloseSystem(bool turnOff) = 0;       // shut down, or restart
  virtual void SuspendSystem(bool hibernate) = 0;   // hibernate, or standby
  virtual void CloseProgram() = 0;
  virtual void ModemDisconnect() = 0;
  virtual void BlockWindowsUser() = 0;
  virtual void TurnOffMonitor() = 0;
};

// Calls the action for the command. Hibernation runs only while it is
// possible; otherwise nothing is done.
void DispatchAction(TZUBCommand command, bool hibernationPossible, SystemActions& actions);

// Actions that end the user's work: the window position is saved before
// them, not at the end.
bool EndsUserWork(TZUBCommand command);
// Actions before which the desktop screenshot is taken.
bool TakesScreenshotBefore(TZUBCommand command);

}  // namespace quellon
