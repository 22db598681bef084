// Power calls that record what they were asked and answer as told.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "actions/power_api.h"

namespace quellon::test {

class FakePowerApi final : public PowerApi {
 public:
  Status EnableShutdownPrivilege() override {
    ++privilegeCalls;
    if (privilegeOk) return {};
    return SystemError(L"AdjustTokenPrivileges", privilegeCode, privilegeText);
  }
  Status ExitWindowsWithFlags(uint32_t flags, uint32_t reason) override {
    exitCalls.push_back({flags, reason});
    if (exitOk) return {};
    return SystemError(L"ExitWindowsEx", exitCode, exitText);
  }
  bool HasSetSuspendState() override { return hasSetSuspendState; }
  bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWake) override {
    suspendCalls.push_back({hibernate, forceCritical, disableWake});
    return setSuspendStateOk;
  }
  bool SetSystemPowerState(bool suspend, bool force) override {
    powerStateCalls.push_back({suspend, force});
    return setSystemPowerStateOk;
  }

  struct Exit {
    uint32_t flags, reason;
  };
  struct Suspend {
    bool hibernate, forceCritical, disableWake;
  };
  struct PowerState {
    bool suspend, force;
  };
  bool privilegeOk = true, exitOk = true, hasSetSuspendState = true;
  // The system's code and text a refused call gives.
  uint32_t privilegeCode = 5;
  std::wstring privilegeText = L"Access is denied.";
  uint32_t exitCode = 1190;
  std::wstring exitText = L"A system shutdown has already been scheduled.";
  bool setSuspendStateOk = true, setSystemPowerStateOk = true;
  int privilegeCalls = 0;
  std::vector<Exit> exitCalls;
  std::vector<Suspend> suspendCalls;
  std::vector<PowerState> powerStateCalls;
};

}  // namespace quellon::test
