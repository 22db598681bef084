// A time field (the system's date-time picker in time mode). The value is a
// date-time (days since 1899-12-30, the time of day as the fraction).
// Setting it from the code runs OnChange when it changes, as the user's
// change does; the user changes only the time of day, the date part stays.
#pragma once
#include <string>

#include "ui/control.h"

namespace quellon::ui {

class TimePicker : public Control {
 public:
  TimePicker(Form& form, std::wstring name, Control* parent);

  double Value() const { return value_; }
  void SetValue(double value);

  // Display format in the picker's notation ("HH:mm:ss"); empty: the
  // system's time format.
  const std::wstring& Format() const { return format_; }
  void SetFormat(const std::wstring& format);

  Handler OnChange;

  // Backend side: the user set the time of day (milliseconds since
  // midnight).
  void NativeTimePicked(int64_t msOfDay);

 private:
  double value_ = 0.0;
  std::wstring format_;
};

}  // namespace quellon::ui
