// A check box (BUTTON, BS_CHECKBOX). The system never toggles it by
// itself: a click reaches the control, whose state the window then shows.
#pragma once
#include "ui/check_box.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class CheckBoxWindow final : public WindowPeer {
 public:
  CheckBoxWindow(Win32Backend& backend, CheckBox& box);
  void Changed(Property what) override;
  bool OnCommand(WORD code) override;

 private:
  CheckBox& box_;
};

}  // namespace quellon::ui
