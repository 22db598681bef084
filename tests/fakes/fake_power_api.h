// Power calls that record what they were asked and answer as told.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "actions/power_api.h"

namespace quellon::test {

class FakePowerApi final : public PowerApi {
 public:
  bool EnableShutdownPrivilege(std::wstring& error) override {
    ++privilegeCalls;
    if (!privilegeOk) error = L"Error 5: Access is denied.";
    return privilegeOk;
  }
  bool ExitWindowsWithFlags(uint32_t flags, uint32_t reason, std::wstring& error) override {
    exitCalls.push_back({flags, reason});
    if (!exitOk) error = L"Error 1190: A system shutdown has already been scheduled.";
    return exitOk;
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
  bool setSuspendStateOk = true, setSystemPowerStateOk = true;
  int privilegeCalls = 0;
  std::vector<Exit> exitCalls;
  std::vector<Suspend> suspendCalls;
  std::vector<PowerState> powerStateCalls;
};

}  // namespace quellon::test
