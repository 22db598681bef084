#include "ui/button.h"

#include "ui/action.h"
#include "ui/control_table.h"
#include "ui/form.h"

namespace quellon::ui {

Button::Button(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::Button, std::move(name), parent) {}

Button::~Button() {
  if (action_) action_->RemoveClient(this);
}

void Button::ApplyDesc(const ControlDesc& desc) {
  Control::ApplyDesc(desc);
  SetDefault((desc.flags & kDefault) != 0);
  SetCancel((desc.flags & kCancel) != 0);
  SetModalResult(desc.value);
}

void Button::SetDefault(bool on) {
  if (on == default_) return;
  default_ = on;
  Changed(Property::Default);
}

void Button::SetCancel(bool on) { cancel_ = on; }

void Button::SetAction(Action* action) {
  if (action == action_) return;
  if (action_) action_->RemoveClient(this);
  action_ = action;
  if (action_) {
    action_->AddClient(this);
    ActionChanged();
  }
}

void Button::ActionChanged() {
  if (!action_) return;
  SetEnabled(action_->Enabled());
  SetVisible(action_->Visible());
  SetHint(action_->Hint());
  if (!action_->Caption().empty()) SetCaption(action_->Caption());
}

void Button::Click() {
  if (!Enabled()) return;
  if (modalResult_ != 0) OwnerForm().SetModalResult(modalResult_);
  if (action_) {
    action_->Execute();
    return;
  }
  Run(OnClick);
}

}  // namespace quellon::ui
