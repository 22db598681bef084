// The detectors of the watch: the application-close monitoring through the
// hook library, the idle and the silence detection.
#include "app/yarb_form.h"

namespace quellon::app {

bool TYARBForm::ArmAppCloseDetection() {
  // The application watch needs the hook library's close monitoring.
  Log(L"Error - InitSH(AppClosed) failed.");
  NotBuiltYet(L"Watching an application");
  return false;
}

bool TYARBForm::ArmIdleDetection() {
  // Input activity comes from the hook library.
  Log(L"Error - InitSH(Idle) failed.");
  NotBuiltYet(L"Idle detection");
  return false;
}

bool TYARBForm::ArmSilenceDetection() {
  Log(L"Error - Init sillent detection failed: the sound meter is not available");
  NotBuiltYet(L"Silence detection");
  return false;
}

void TYARBForm::StopDetectors() { timerWaitForEvent->SetEnabled(false); }

}  // namespace quellon::app
