// A time field: the system's date-time picker in time mode.
#pragma once
#include "ui/time_picker.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class TimePickerWindow final : public WindowPeer {
 public:
  TimePickerWindow(Win32Backend& backend, TimePicker& picker);
  void Changed(Property what) override;
  bool OnNotify(NMHDR* header, LRESULT& result) override;

 private:
  void ShowValue();
  void ShowFormat();
  TimePicker& picker_;
};

}  // namespace quellon::ui
