// A progress bar from Min to Max.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class ProgressBar : public Control {
 public:
  ProgressBar(Form& form, std::wstring name, Control* parent)
      : Control(form, ControlKind::ProgressBar, std::move(name), parent) {}

  int Min() const { return min_; }
  int Max() const { return max_; }
  void SetRange(int minValue, int maxValue) {
    min_ = minValue;
    max_ = maxValue < minValue ? minValue : maxValue;
    Changed(Property::Range);
    SetPosition(position_);
  }
  int Position() const { return position_; }
  void SetPosition(int position) {
    if (position < min_) position = min_;
    if (position > max_) position = max_;
    if (position == position_) return;
    position_ = position;
    Changed(Property::Value);
  }
  bool Smooth() const { return smooth_; }
  void SetSmooth(bool on) {
    smooth_ = on;
    Changed(Property::Range);
  }

 private:
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
  bool smooth_ = false;
};

}  // namespace quellon::ui
