#include "app/window_actions.h"

#include <utility>

#include "actions/power.h"

namespace quellon::app {
namespace {

void Run(const std::function<void()>& action) {
  if (action) action();
}

}  // namespace

WindowActions::WindowActions(TZUBSettings& settings, WindowActionsEnv env)
    : settings_(settings), env_(std::move(env)) {}

void WindowActions::CloseSystem(bool turnOff) {
  PowerContext ctx{env_.power, env_.shell, env_.log, settings_.Force(), nullptr,
                   env_.ntFamily, env_.win2000OrLater, env_.showOptionsPage};
  quellon::CloseSystem(ctx, turnOff);
}

void WindowActions::SuspendSystem(bool hibernate) {
  bool possible = settings_.IsHibernationPossible();
  PowerContext ctx{env_.power, env_.shell, env_.log, settings_.Force(), &possible,
                   env_.ntFamily, env_.win2000OrLater, env_.showOptionsPage};
  if (env_.mainWindow) ctx.mainWindow = env_.mainWindow();
  quellon::SuspendSystem(ctx, hibernate);
  settings_.SetIsHibernationPossible(possible);
}

void WindowActions::ModemDisconnect() { Run(env_.modemDisconnect); }
void WindowActions::BlockWindowsUser() { Run(env_.blockWindowsUser); }
void WindowActions::TurnOffMonitor() { Run(env_.turnOffMonitor); }

}  // namespace quellon::app
