#include "ui/timer.h"

#include "ui/control_table.h"

namespace quellon::ui {

Timer::Timer(Form& form, std::wstring name) : Component(form, ControlKind::Timer, std::move(name)) {}

void Timer::ApplyDesc(const ControlDesc& desc) {
  Component::ApplyDesc(desc);
  SetEnabled((desc.flags & kDisabled) == 0);
  if (desc.value > 0) SetInterval(desc.value);
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Changed(Property::Enabled);
}

void Timer::SetInterval(int ms) {
  if (ms < 0) ms = 0;
  if (ms == interval_) return;
  interval_ = ms;
  Changed(Property::Interval);
}

void Timer::Fire() {
  if (Active() && OnTimer) OnTimer();
}

}  // namespace quellon::ui
