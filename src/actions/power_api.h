// Power port: the system calls behind shutdown, restart, hibernation and
// standby. Each returns whether the call succeeded; on failure the system's
// text for the calling thread's last error is in the error out-parameter.
#pragma once
#include <cstdint>
#include <string>

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
  virtual bool EnableShutdownPrivilege(std::wstring& error) = 0;
  virtual bool ExitWindowsWithFlags(uint32_t flags, uint32_t reason, std::wstring& error) = 0;
  // False when PowrProf.dll or its SetSuspendState cannot be loaded.
  virtual bool HasSetSuspendState() = 0;
  virtual bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) = 0;
  virtual bool SetSystemPowerState(bool suspend, bool force) = 0;
};

// The process's real power calls.
PowerApi& SystemPowerApi();

}  // namespace quellon
