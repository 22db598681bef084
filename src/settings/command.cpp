#include "settings/command.h"

namespace quellon {

const wchar_t* ZUBCommandIdent(TZUBCommand command) {
  static const wchar_t* const kNames[kZUBCommandCount] = {
      L"scmdShutdownComputer", L"scmdHibernation",      L"scmdCloseProgram",
      L"scmdModemDisconnect",  L"scmdBlockWindowsUser", L"scmdTurnOffMonitor",
      L"scmdSuspend",          L"scmdRestartComputer",
  };
  auto i = static_cast<unsigned>(command);
  return i < kZUBCommandCount ? kNames[i] : L"";
}

bool ZUBCommandFromOrdinal(int ordinal, TZUBCommand& command) {
  if (ordinal < 0 || ordinal >= kZUBCommandCount) return false;
  command = static_cast<TZUBCommand>(ordinal);
  return true;
}

}  // namespace quellon
