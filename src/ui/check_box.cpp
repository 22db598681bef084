#include "ui/check_box.h"

#include "ui/control_table.h"

namespace quellon::ui {

CheckBox::CheckBox(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::CheckBox, std::move(name), parent) {}

void CheckBox::ApplyDesc(const ControlDesc& desc) {
  Control::ApplyDesc(desc);
  SetChecked((desc.flags & kChecked) != 0);
}

void CheckBox::SetChecked(bool checked) {
  if (checked == checked_) return;
  checked_ = checked;
  Changed(Property::Checked);
  Run(OnClick);
}

void CheckBox::Click() {
  if (!Enabled()) return;
  SetChecked(!checked_);
}

}  // namespace quellon::ui
