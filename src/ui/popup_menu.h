// A popup menu. Items linked to an action show its caption and follow its
// enabled state and visibility; choosing one executes the action. Other
// items run their own handler. Popup() shows the menu at a screen point
// and returns when the user has chosen or dismissed it.
#pragma once
#include <string>
#include <vector>

#include "ui/component.h"

namespace quellon::ui {

class Action;

class PopupMenu : public Component {
 public:
  PopupMenu(Form& form, std::wstring name);

  // Returns the item's index.
  int AddItem(Action& action, bool isDefault = false);
  int AddItem(const std::wstring& caption, Handler onClick, bool isDefault = false);
  int AddSeparator();

  size_t Count() const { return items_.size(); }
  std::wstring ItemCaption(size_t index) const;
  bool ItemEnabled(size_t index) const;
  bool ItemVisible(size_t index) const;
  bool ItemDefault(size_t index) const { return items_.at(index).isDefault; }
  bool ItemSeparator(size_t index) const { return items_.at(index).separator; }
  void SetItemEnabled(size_t index, bool on) { items_.at(index).enabled = on; }

  // Runs before the menu opens (a chance to update the items).
  Handler OnPopup;
  void Popup(Point at);
  // Where the last Popup opened it.
  Point LastPopupPoint() const { return last_; }

  // Backend side: the user chose the item; a disabled, hidden or
  // separator item does nothing.
  void ChooseItem(size_t index);

 private:
  struct Item {
    std::wstring caption;
    Action* action = nullptr;
    Handler onClick;
    bool enabled = true;
    bool isDefault = false;
    bool separator = false;
  };
  std::vector<Item> items_;
  Point last_;
};

}  // namespace quellon::ui
