// A spin edit: an edit box with the system's up-down arrows beside it.
#pragma once
#include "ui/spin_edit.h"
#include "ui/win32/edit_window.h"

namespace quellon::ui {

class SpinEditWindow final : public EditWindow {
 public:
  SpinEditWindow(Win32Backend& backend, SpinEdit& spin);
  ~SpinEditWindow() override;
  void Changed(Property what) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;

 private:
  void PlaceArrows();
  SpinEdit& spin_;
  HWND arrows_ = nullptr;
  win32::UniqueWindow arrowsOwner_;
};

}  // namespace quellon::ui
