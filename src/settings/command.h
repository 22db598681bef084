// The main action a watch ends with, stored in the registry as its ordinal
// ("MainAction"), so the order is fixed.
#pragma once
#include <cstdint>

namespace quellon {

enum class TZUBCommand : uint8_t {
  scmdShutdownComputer = 0,
  scmdHibernation = 1,
  scmdCloseProgram = 2,
  scmdModemDisconnect = 3,
  scmdBlockWindowsUser = 4,
  scmdTurnOffMonitor = 5,
  scmdSuspend = 6,
  scmdRestartComputer = 7,
};

constexpr int kZUBCommandCount = 8;

// The value's identifier, e.g. L"scmdShutdownComputer"; L"" for an ordinal
// outside the enumeration.
const wchar_t* ZUBCommandIdent(TZUBCommand command);

// The command with the given ordinal; false outside 0..7.
bool ZUBCommandFromOrdinal(int ordinal, TZUBCommand& command);

}  // namespace quellon
