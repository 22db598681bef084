#include "install/check_at_start.h"

#include <string>

namespace quellon {

const wchar_t kMakerWebPage[] = L"https://www.tarnwick.example/quellon/";

bool CheckAtStart(StartCheckEnv& env) {
  bool unsupported = env.runsInCompatibilityLayer && env.runsInCompatibilityLayer();
  if (!unsupported) unsupported = !IsSupportedSystem(env.version);
  if (!unsupported) return false;
  std::wstring text = std::wstring(L"Unsupported operating system.\r\nDo you want to check ") +
                      kMakerWebPage + L" for a new version of the program?";
  if (env.shell.ShowMessageBox(text, L"Error", os::BoxButtons::YesNo, os::BoxIcon::Warning) ==
          os::BoxResult::Yes &&
      env.openWebPage)
    env.openWebPage();
  env.shell.Terminate();
  return true;
}

}  // namespace quellon
