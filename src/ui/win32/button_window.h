// A push button (the system's BUTTON class).
#pragma once
#include "ui/button.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class ButtonWindow final : public WindowPeer {
 public:
  ButtonWindow(Win32Backend& backend, Button& button);
  void Changed(Property what) override;
  bool OnCommand(WORD code) override;

 private:
  Button& button_;
};

}  // namespace quellon::ui
