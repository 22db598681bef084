// A message timer: while enabled with a positive interval, OnTimer runs
// each time the interval has passed and the message loop gets to it. Each
// change of Enabled or Interval starts the interval anew; late ticks are
// merged, never queued up.
#pragma once
#include "ui/component.h"

namespace quellon::ui {

class Timer : public Component {
 public:
  Timer(Form& form, std::wstring name);

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  int Interval() const { return interval_; }
  void SetInterval(int ms);
  // Enabled with a positive interval.
  bool Active() const { return enabled_ && interval_ > 0; }

  Handler OnTimer;

  // Backend side: the interval has passed.
  void Fire();

 protected:
  // kDisabled; the interval when positive.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  bool enabled_ = true;
  int interval_ = 1000;
};

}  // namespace quellon::ui
