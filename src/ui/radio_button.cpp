#include "ui/radio_button.h"

#include "ui/control_table.h"

namespace quellon::ui {

RadioButton::RadioButton(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::RadioButton, std::move(name), parent) {}

void RadioButton::ApplyDesc(const ControlDesc& desc) {
  Control::ApplyDesc(desc);
  SetChecked((desc.flags & kChecked) != 0);
}

void RadioButton::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Property::Checked);
  if (!checked) return;
  if (Parent()) {
    for (Control* sibling : Parent()->Controls())
      if (sibling != this && sibling->Kind() == ControlKind::RadioButton)
        static_cast<RadioButton*>(sibling)->SetChecked(false);
  }
  Run(OnClick);
}

void RadioButton::Click() {
  if (!Enabled()) return;
  SetChecked(true);
}

}  // namespace quellon::ui
