// A number box with up/down arrows. A value set by the code, and a typed
// value once the box loses the focus, is brought into the limits (when the
// limits are not both 0); a text that is not a number reads as the lower
// limit. OnChange runs whenever the shown text changes.
#pragma once
#include "ui/edit.h"

namespace quellon::ui {

class SpinEdit : public Edit {
 public:
  SpinEdit(Form& form, std::wstring name, Control* parent);

  int MinValue() const { return min_; }
  int MaxValue() const { return max_; }
  void SetRange(int minValue, int maxValue);
  int Increment() const { return increment_; }
  void SetIncrement(int step) { increment_ = step; }

  int Value() const;
  void SetValue(int value);

  // Backend side: an arrow was pressed (+1 up, -1 down), or focus left.
  void NativeStep(int direction);
  void NativeFocusLost() override;

 protected:
  // The value instead of a caption.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  int Clamp(int value) const;

  int min_ = 0;
  int max_ = 0;
  int increment_ = 1;
};

}  // namespace quellon::ui
