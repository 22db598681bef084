// The main window's start-up in the normal mode: the menu pictures, the
// start check, the settings, the installation records, the saved user
// values and the last trigger.
#include "app/user_values.h"
#include "app/window_place.h"
#include "app/yarb_form.h"
#include "install/error_box.h"
#include "install/special_programs.h"
#include "settings/command_caption.h"

namespace quellon::app {

bool TYARBForm::FormCreate() {
  if (env_.loadPicture) {
    FMenuIcon1 = env_.loadPicture(L"XMenu1");
    FMenuIcon2 = env_.loadPicture(L"XMenu2");
  }
  if (env_.checkAtStart && env_.checkAtStart(*this)) return false;
  actShowApp->SetCaption(L"Hide window");
  FCreate = false;
  // The tip shows only once its counter has been read below 3.
  lblTip1->SetVisible(false);
  cbNoSound->SetEnabled(env_.vistaOrLater);

  FSettings = std::make_unique<TZUBSettings>(env_.registry, env_.settings);
  FSettings->LoadFromRegistry();
  FSettings->SaveToLog();
  lblMainEvent->SetCaption(GetCommandCaption(FSettings->MainAction()));

  UserValues values;
  try {
    SpecialPrograms() = LoadSpecialPrograms(env_.registry);
  } catch (const MissingInstallInfoError& e) {
    try {
      MissingInstallInfo(e.code, env_.shell, env_.log);
    } catch (const SilentAbort&) {
      return false;
    }
  }
  values = ReadUserValues(env_.registry, SpecialPrograms(), env_.vistaOrLater);
  if (!values.keyOpened) {
    env_.shell.Terminate();
    return false;
  }
  if (values.complete) {
    PlaceWindow(values.left, values.top);
    lblTip1->SetTag(values.menuTip);
    lblTip1->SetVisible(lblTip1->Tag() < 3);
  } else {
    // A first start (no position yet) or damaged values: the user key
    // starts afresh.
    const bool ok = ResetUserKey(env_.registry);
    lblTip1->SetTag(0);
    FSettings->SetForce(true);
    if (!ok) ShowRegistryWriteError(std::wstring(L"HKCU\\") + kSettingsKeyPath);
  }
  positionRead_ = true;
  // Applied once the reading is over: whatever the box's handler does
  // cannot be taken for a damaged value.
  cbxMonitoredApp->SetText(values.complete ? values.monitoredApp : L"");

  SelectTrigger(values.time, true);

  if (env_.log) {
    std::wstring line = L"Command line (" + std::to_wstring(env_.paramCount) + L"): ";
    for (const auto& a : env_.arguments) line += a + L" ";
    Log(line);
  }

  FCreate = true;
  return true;
}

// The stored position, moved only as far as needed to keep the caption on
// a monitor's work area.
void TYARBForm::PlaceWindow(int left, int top) {
  std::vector<ui::Rect> areas = env_.workAreas ? env_.workAreas() : std::vector<ui::Rect>{};
  if (areas.empty()) areas.push_back(GetBackend().WorkArea());
  const ui::Point at = PlaceOnScreen({left, top, Width(), Height()}, areas);
  SetPosition(at.x, at.y);
}

void TYARBForm::ShowRegistryWriteError(const std::wstring& where) {
  std::wstring text = L"Failed writing to Registry (\"%s\"), contact your administrator.";
  text.replace(text.find(L"%s"), 2, where);
  ShowErrorBox(env_.shell, text, false);
}

}  // namespace quellon::app
