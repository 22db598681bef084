#include "ui/popup_menu.h"

#include "ui/action.h"
#include "ui/form.h"

namespace quellon::ui {

PopupMenu::PopupMenu(Form& form, std::wstring name) : Component(form, ControlKind::PopupMenu, std::move(name)) {}

int PopupMenu::AddItem(Action& action, bool isDefault) {
  Item item;
  item.action = &action;
  item.isDefault = isDefault;
  items_.push_back(std::move(item));
  return static_cast<int>(items_.size() - 1);
}

int PopupMenu::AddItem(const std::wstring& caption, Handler onClick, bool isDefault) {
  Item item;
  item.caption = caption;
  item.onClick = std::move(onClick);
  item.isDefault = isDefault;
  items_.push_back(std::move(item));
  return static_cast<int>(items_.size() - 1);
}

int PopupMenu::AddSeparator() {
  Item item;
  item.separator = true;
  items_.push_back(std::move(item));
  return static_cast<int>(items_.size() - 1);
}

std::wstring PopupMenu::ItemCaption(size_t index) const {
  const Item& item = items_.at(index);
  return item.action ? item.action->Caption() : item.caption;
}

bool PopupMenu::ItemEnabled(size_t index) const {
  const Item& item = items_.at(index);
  return !item.separator && (item.action ? item.action->Enabled() : item.enabled);
}

bool PopupMenu::ItemVisible(size_t index) const {
  const Item& item = items_.at(index);
  return item.action ? item.action->Visible() : true;
}

void PopupMenu::Popup(Point at) {
  if (!HandleAllocated()) return;
  if (OnPopup) OnPopup();
  last_ = at;
  int chosen = GetBackend().TrackPopup(*this, at);
  if (chosen >= 0) ChooseItem(static_cast<size_t>(chosen));
}

void PopupMenu::ChooseItem(size_t index) {
  if (index >= items_.size() || !ItemEnabled(index) || !ItemVisible(index)) return;
  const Item& item = items_[index];
  if (item.action) {
    item.action->Execute();
  } else if (item.onClick) {
    Handler h = item.onClick;  // the handler may change the menu
    h();
  }
}

}  // namespace quellon::ui
