// A radio button; the radio buttons with the same parent form one group.
// Checking one (from the code or by a click) first unchecks the others of
// its group, which run nothing, then runs its own OnClick. Unchecking runs
// nothing, and checking a checked button does nothing.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class RadioButton : public Control {
 public:
  RadioButton(Form& form, std::wstring name, Control* parent);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // A user's click checks the button.
  void Click() override;

 protected:
  // kChecked.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  bool checked_ = false;
};

}  // namespace quellon::ui
