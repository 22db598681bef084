// A check box. Setting its state from the code runs OnClick when the state
// changes (and nothing when it does not), exactly as a user's click does.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class CheckBox : public Control {
 public:
  CheckBox(Form& form, std::wstring name, Control* parent);

  bool Checked() const { return checked_; }
  void SetChecked(bool checked);

  // A user's click toggles the state.
  void Click() override;

 protected:
  // kChecked.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  bool checked_ = false;
};

}  // namespace quellon::ui
