#include "actions/system_actions.h"

namespace quellon {

void DispatchAction(TZUBCommand command, bool hibernationPossible, SystemActions& actions) {
  switch (command) {
    case TZUBCommand::scmdShutdownComputer: actions.CloseSystem(true); break;
    case TZUBCommand::scmdHibernation:
      if (hibernationPossible) actions.SuspendSystem(true);
      break;
    case TZUBCommand::scmdCloseProgram: actions.CloseProgram(); break;
    case TZUBCommand::scmdModemDisconnect: actions.ModemDisconnect(); break;
    case TZUBCommand::scmdBlockWindowsUser: actions.BlockWindowsUser(); break;
    case TZUBCommand::scmdTurnOffMonitor: actions.TurnOffMonitor(); break;
    case TZUBCommand::scmdSuspend: actions.SuspendSystem(false); break;
    case TZUBCommand::scmdRestartComputer: actions.CloseSystem(false); break;
  }
}

bool EndsUserWork(TZUBCommand command) {
  return command != TZUBCommand::scmdCloseProgram && command != TZUBCommand::scmdModemDisconnect &&
         command != TZUBCommand::scmdTurnOffMonitor;
}

bool TakesScreenshotBefore(TZUBCommand command) {
  return command == TZUBCommand::scmdShutdownComputer || command == TZUBCommand::scmdHibernation ||
         command == TZUBCommand::scmdRestartComputer;
}

}  // namespace quellon
