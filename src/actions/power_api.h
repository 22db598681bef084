// Power port: the system calls behind shutdown, restart, hibernation and
// standby. The privilege and the exit report a failure as the failed call's
// error (its code, and "<call> failed: <system text>"); the suspend calls
// only whether they succeeded, which is all their callers tell.
#pragma once
#include <cstdint>

#include "util/result.h"

namespace quellon {

constexpr uint32_t kEwxShutdown = 1;
constexpr uint32_t kEwxReboot = 2;
constexpr uint32_t kEwxForce = 4;
constexpr uint32_t kEwxPowerOff = 8;
constexpr uint32_t kShutdownReasonPlanned = 0x80000000u;

class PowerApi {
 public:
  virtual ~PowerApi() = default;
  // Enables SeShutdownPrivilege in the process token.
  virtual Status EnableShutdownPrivilege() = 0;
  virtual Status ExitWindowsWithFlags(uint32_t flags, uint32_t reason) = 0;
  // False when PowrProf.dll or its SetSuspendState cannot be loaded.
  virtual bool HasSetSuspendState() = 0;
  virtual bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
  virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
};

// The process's real power calls.
PowerApi& SystemPowerApi();

}  // namespace quellon
