#include "ui/action.h"

#include <algorithm>

#include "ui/button.h"
#include "ui/control_table.h"

namespace quellon::ui {

Action::Action(Form& form, std::wstring name) : Component(form, ControlKind::Action, std::move(name)) {}

Action::~Action() {
  std::vector<Button*> clients;
  clients.swap(clients_);
  for (Button* b : clients) b->SetAction(nullptr);
}

void Action::ApplyDesc(const ControlDesc& desc) {
  Component::ApplyDesc(desc);
  SetCaption(desc.caption ? desc.caption : L"");
  SetEnabled((desc.flags & kDisabled) == 0);
  SetShortCut({desc.value, kNoShift});
}

void Action::SetCaption(const std::wstring& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Notify();
}

void Action::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Notify();
}

void Action::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  Notify();
}

void Action::SetVisible(bool on) {
  if (on == visible_) return;
  visible_ = on;
  Notify();
}

bool Action::Execute() {
  if (!enabled_ || !OnExecute) return false;
  OnExecute();
  return true;
}

void Action::AddClient(Button* button) {
  if (std::find(clients_.begin(), clients_.end(), button) == clients_.end())
    clients_.push_back(button);
}

void Action::RemoveClient(Button* button) {
  clients_.erase(std::remove(clients_.begin(), clients_.end(), button), clients_.end());
}

void Action::Notify() {
  for (Button* b : clients_) b->ActionChanged();
}

}  // namespace quellon::ui
