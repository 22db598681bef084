#include "ui/combo_box.h"

#include <algorithm>

#include "ui/control_table.h"
#include "util/text.h"

namespace quellon::ui {

ComboBox::ComboBox(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::ComboBox, std::move(name), parent) {}

void ComboBox::ApplyDesc(const ControlDesc& desc) {
  SetStyle((desc.flags & kPickList) ? ComboStyle::DropDownList : ComboStyle::DropDown);
  SetSorted((desc.flags & kSorted) != 0);
  Control::ApplyDesc(desc);
}

void ComboBox::SetStyle(ComboStyle style) {
  if (style == style_) return;
  style_ = style;
  Changed(Property::Items);
}

void ComboBox::SetSorted(bool on) {
  if (on == sorted_) return;
  sorted_ = on;
  if (sorted_) {
    std::wstring current = itemIndex_ >= 0 ? items_[static_cast<size_t>(itemIndex_)] : L"";
    SortItems();
    if (itemIndex_ >= 0) itemIndex_ = IndexOf(current);
    Changed(Property::Items);
  }
}

void ComboBox::SortItems() {
  std::stable_sort(items_.begin(), items_.end(), [](const std::wstring& a, const std::wstring& b) {
    return UpperCase(a) < UpperCase(b);
  });
}

void ComboBox::SetItems(std::vector<std::wstring> items) {
  items_ = std::move(items);
  if (sorted_) SortItems();
  itemIndex_ = IndexOf(Text());
  Changed(Property::Items);
}

int ComboBox::AddItem(const std::wstring& item) {
  size_t at = items_.size();
  if (sorted_) {
    std::wstring key = UpperCase(item);
    at = static_cast<size_t>(
        std::upper_bound(items_.begin(), items_.end(), key,
                         [](const std::wstring& k, const std::wstring& e) { return k < UpperCase(e); }) -
        items_.begin());
  }
  items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), item);
  if (itemIndex_ >= static_cast<int>(at)) ++itemIndex_;
  Changed(Property::Items);
  return static_cast<int>(at);
}

void ComboBox::SetTextQuietly(const std::wstring& text) {
  quiet_ = true;
  try {
    SetCaption(text);
  } catch (...) {
    quiet_ = false;
    throw;
  }
  quiet_ = false;
}

void ComboBox::ClearItems() {
  items_.clear();
  itemIndex_ = -1;
  Changed(Property::Items);
  // The text goes with the list, as in the system's box; code that
  // refills the list puts the text back itself.
  SetTextQuietly(L"");
}

int ComboBox::IndexOf(const std::wstring& text) const {
  std::wstring key = UpperCase(text);
  for (size_t i = 0; i < items_.size(); ++i)
    if (UpperCase(items_[i]) == key) return static_cast<int>(i);
  return -1;
}

void ComboBox::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(items_.size())) index = -1;
  if (index != itemIndex_) {
    itemIndex_ = index;
    Changed(Property::ItemIndex);
  }
  SetTextQuietly(index >= 0 ? items_[static_cast<size_t>(index)] : std::wstring());
}

void ComboBox::SetDropDownWidth(int width) {
  if (width == dropDownWidth_) return;
  dropDownWidth_ = width;
  Changed(Property::DropDownWidth);
}

void ComboBox::TextChanged() {
  int index = IndexOf(Text());
  if (style_ == ComboStyle::DropDownList) {
    // Only an item's own text can show in a pick list.
    StoreText(index >= 0 ? items_[static_cast<size_t>(index)] : std::wstring());
  } else if (index >= 0 && items_[static_cast<size_t>(index)] != Text()) {
    index = -1;  // an editable box selects only an exact match
  }
  if (index != itemIndex_) {
    itemIndex_ = index;
    Changed(Property::ItemIndex);
  }
  if (!quiet_) Run(OnChange);
}

void ComboBox::NativeTextChanged(const std::wstring& text) {
  if (style_ == ComboStyle::DropDownList) return;  // a pick list is not typed into
  Control::NativeTextChanged(text);
}

void ComboBox::NativeItemSelected(int index) {
  if (index < 0 || index >= static_cast<int>(items_.size())) return;
  itemIndex_ = index;
  const std::wstring& text = items_[static_cast<size_t>(index)];
  if (text == Text()) {
    // Choosing the item already shown still tells the form.
    Run(OnChange);
    return;
  }
  Control::NativeTextChanged(text);
}

}  // namespace quellon::ui
