#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "actions/system_actions.h"
#include "fakes/recording_actions.h"

namespace quellon {
namespace {

using test::RecordingActions;

TEST(SystemActionsTest, DispatchTable) {
  struct Case {
    TZUBCommand command;
    bool hibernationPossible;
    const wchar_t* call;  // nullptr: nothing
    bool endsUserWork, screenshot;
  } cases[] = {
      {TZUBCommand::scmdShutdownComputer, true, L"shutdown", true, true},
      {TZUBCommand::scmdHibernation, true, L"hibernate", true, true},
      {TZUBCommand::scmdHibernation, false, nullptr, true, true},
      {TZUBCommand::scmdCloseProgram, true, L"close program", false, false},
      {TZUBCommand::scmdModemDisconnect, true, L"hang up", false, false},
      {TZUBCommand::scmdBlockWindowsUser, true, L"lock", true, false},
      {TZUBCommand::scmdTurnOffMonitor, true, L"monitor off", false, false},
      {TZUBCommand::scmdSuspend, true, L"standby", true, false},
      {TZUBCommand::scmdRestartComputer, true, L"restart", true, true},
  };
  for (const auto& c : cases) {
    RecordingActions actions;
    DispatchAction(c.command, c.hibernationPossible, actions);
    SCOPED_TRACE(static_cast<int>(c.command));
    if (c.call) {
      EXPECT_EQ(actions.calls, std::vector<std::wstring>{c.call});
    } else {
      EXPECT_TRUE(actions.calls.empty());
    }
    EXPECT_EQ(EndsUserWork(c.command), c.endsUserWork);
    EXPECT_EQ(TakesScreenshotBefore(c.command), c.screenshot);
  }
}

}  // namespace
}  // namespace quellon
