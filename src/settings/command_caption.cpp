#include "settings/command_caption.h"

namespace quellon {

std::wstring GetCommandCaption(TZUBCommand command) {
  switch (command) {
    case TZUBCommand::scmdShutdownComputer: return L"Shut down:";
    case TZUBCommand::scmdHibernation: return L"Hibernate:";
    case TZUBCommand::scmdCloseProgram: return L"Close selected application:";
    case TZUBCommand::scmdModemDisconnect: return L"Break modem connection:";
    case TZUBCommand::scmdBlockWindowsUser: return L"Lock workstation / switch user:";
    case TZUBCommand::scmdTurnOffMonitor: return L"Shut the monitor off:";
    case TZUBCommand::scmdSuspend: return L"Put system to standby mode:";
    case TZUBCommand::scmdRestartComputer: return L"Restart:";
  }
  return L"";
}

}  // namespace quellon
