// System actions that record which one was called.
#pragma once
#include <string>
#include <vector>

#include "actions/system_actions.h"

namespace quellon::test {

class RecordingActions final : public SystemActions {
 public:
  void CloseSystem(bool turnOff) override { calls.push_back(turnOff ? L"shutdown" : L"restart"); }
  void SuspendSystem(bool hibernate) override { calls.push_back(hibernate ? L"hibernate" : L"standby"); }
  void CloseProgram() override { calls.push_back(L"close program"); }
  void ModemDisconnect() override { calls.push_back(L"hang up"); }
  void BlockWindowsUser() override { calls.push_back(L"lock"); }
  void TurnOffMonitor() override { calls.push_back(L"monitor off"); }
  std::vector<std::wstring> calls;
};

}  // namespace quellon::test
