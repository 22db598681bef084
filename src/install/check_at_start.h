// The check made before the main window is shown: the program refuses
// systems it does not support, and systems that run it in a compatibility
// mode (which report a false version).
#pragma once
#include <functional>

#include "install/version_info.h"
#include "os/app_shell.h"

namespace quellon {

// The maker's web page, offered when the system is not supported.
extern const wchar_t kMakerWebPage[];

struct StartCheckEnv {
  OsVersion version;
  // True when the per-user compatibility-layer list names this program's
  // long path.
  std::function<bool()> runsInCompatibilityLayer;
  os::AppShell& shell;
  std::function<void()> openWebPage;
};

// True when the program must not run: the user has been asked whether to
// look for a new version and the application has been asked to terminate.
bool CheckAtStart(StartCheckEnv& env);

}  // namespace quellon
