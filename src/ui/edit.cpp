#include "ui/edit.h"

#include "ui/control_table.h"

namespace quellon::ui {

Edit::Edit(Form& form, std::wstring name, Control* parent)
    : Edit(form, ControlKind::Edit, std::move(name), parent) {}

Edit::Edit(Form& form, ControlKind kind, std::wstring name, Control* parent)
    : Control(form, kind, std::move(name), parent) {}

void Edit::ApplyDesc(const ControlDesc& desc) {
  Control::ApplyDesc(desc);
  SetReadOnly((desc.flags & kReadOnly) != 0);
}

void Edit::SetReadOnly(bool on) {
  if (on == readOnly_) return;
  readOnly_ = on;
  Changed(Property::ReadOnly);
}

void Edit::SetEditLabel(const std::wstring& caption) {
  if (caption == editLabel_) return;
  editLabel_ = caption;
  Changed(Property::EditLabel);
}

void Edit::NativeTextChanged(const std::wstring& text) {
  Control::NativeTextChanged(text);
}

void Edit::NativeFocusLost() { Run(OnExit); }

}  // namespace quellon::ui
