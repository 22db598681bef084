// A radio button (BUTTON, BS_RADIOBUTTON): the control decides the group's
// states, the windows show them.
#pragma once
#include "ui/radio_button.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class RadioButtonWindow final : public WindowPeer {
 public:
  RadioButtonWindow(Win32Backend& backend, RadioButton& button);
  void Changed(Property what) override;
  bool OnCommand(WORD code) override;

 private:
  RadioButton& button_;
};

}  // namespace quellon::ui
