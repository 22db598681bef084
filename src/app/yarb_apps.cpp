// The running applications: the list of the application trigger, its
// colours, and the target the chosen text resolves to.
#include "app/yarb_form.h"

namespace quellon::app {

bool TYARBForm::ResolveMonitoredApp(const std::wstring& text) {
  // The text as it stands, a caption, until the resolution is built.
  FMonType = TWhoIsClosed::wicProgramName;
  FHookPrg = text;
  FHookClass.clear();
  return true;
}

}  // namespace quellon::app
