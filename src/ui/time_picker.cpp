#include "ui/time_picker.h"

#include <cmath>

namespace quellon::ui {

TimePicker::TimePicker(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::TimePicker, std::move(name), parent) {}

void TimePicker::SetValue(double value) {
  if (value == value_) return;
  value_ = value;
  Changed(Property::Value);
  Run(OnChange);
}

void TimePicker::SetFormat(const std::wstring& format) {
  if (format == format_) return;
  format_ = format;
  Changed(Property::Format);
}

void TimePicker::NativeTimePicked(int64_t msOfDay) {
  if (!Enabled()) return;
  double day = std::floor(value_);
  double value = day + static_cast<double>(msOfDay) / 86400000.0;
  if (value == value_) return;
  value_ = value;
  Run(OnChange);
}

}  // namespace quellon::ui
