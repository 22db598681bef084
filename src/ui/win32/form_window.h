// The top-level window of a form.
#pragma once
#include "ui/form.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class FormWindow final : public WindowPeer {
 public:
  FormWindow(Win32Backend& backend, Form& form);
  ~FormWindow() override;

  void Changed(Property what) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void ApplyShow();
  Form& form_;
};

}  // namespace quellon::ui
