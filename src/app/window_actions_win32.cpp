#include "actions/other_actions.h"
#include "actions/power.h"
#include "app/window_actions.h"

namespace quellon::app {

WindowActions::WindowActions(PowerApi& power, os::AppShell& shell, TZUBSettings& settings, LogSink* log,
                             bool ntFamily, bool win2000OrLater, std::function<void()> showOptionsPage)
    : power_(power),
      shell_(shell),
      settings_(settings),
      log_(log),
      nt_(ntFamily),
      win2000_(win2000OrLater),
      showOptionsPage_(std::move(showOptionsPage)) {}

void WindowActions::CloseSystem(bool turnOff) {
  PowerContext ctx{power_, shell_, log_, settings_.Force(), nullptr, nt_, win2000_, showOptionsPage_};
  quellon::CloseSystem(ctx, turnOff);
}

void WindowActions::SuspendSystem(bool hibernate) {
  bool possible = settings_.IsHibernationPossible();
  PowerContext ctx{power_, shell_, log_, settings_.Force(), &possible, nt_, win2000_, showOptionsPage_};
  quellon::SuspendSystem(ctx, hibernate);
  settings_.SetIsHibernationPossible(possible);
}

void WindowActions::ModemDisconnect() { quellon::ModemDisconnect(); }
void WindowActions::BlockWindowsUser() { quellon::BlockWindowsUser(); }
void WindowActions::TurnOffMonitor() { quellon::TurnOffMonitor(); }

}  // namespace quellon::app
