// A combo box: an editable one (DropDown, the default) or a pick list
// (DropDownList). Setting the text from the code runs OnChange when the
// text changes, as a user's typing or choice does; choosing an item from
// the code (SetItemIndex) changes the text without OnChange. Clearing the
// items also empties the text, without OnChange. A pick list only shows
// the text of one of its items: any other text becomes empty.
#pragma once
#include <string>
#include <vector>

#include "ui/control.h"

namespace quellon::ui {

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public Control {
 public:
  ComboBox(Form& form, std::wstring name, Control* parent);

  ComboStyle Style() const { return style_; }
  void SetStyle(ComboStyle style);
  // Sorted lists keep their items in case-insensitive order.
  bool Sorted() const { return sorted_; }
  void SetSorted(bool on);

  const std::vector<std::wstring>& Items() const { return items_; }
  void SetItems(std::vector<std::wstring> items);
  // Returns the index the item got.
  int AddItem(const std::wstring& item);
  void ClearItems();
  // Index of the item equal to text, ignoring case; -1 if none.
  int IndexOf(const std::wstring& text) const;

  int ItemIndex() const { return itemIndex_; }
  void SetItemIndex(int index);

  // Width of the open list in pixels (0: the box's width).
  int DropDownWidth() const { return dropDownWidth_; }
  void SetDropDownWidth(int width);

  Handler OnChange;

  // Backend side: the user typed into the box or chose an item.
  void NativeTextChanged(const std::wstring& text) override;
  void NativeItemSelected(int index);

 protected:
  // kPickList and kSorted, before the caption (a pick list shows only an
  // item's text).
  void ApplyDesc(const ControlDesc& desc) override;
  void TextChanged() override;

 private:
  void SortItems();
  void SetTextQuietly(const std::wstring& text);

  ComboStyle style_ = ComboStyle::DropDown;
  bool sorted_ = false;
  std::vector<std::wstring> items_;
  int itemIndex_ = -1;
  int dropDownWidth_ = 0;
  bool quiet_ = false;
};

}  // namespace quellon::ui
