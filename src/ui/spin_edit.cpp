#include "ui/spin_edit.h"

#include <cwchar>
#include <cwctype>
#include <string>

#include "ui/control_table.h"

namespace quellon::ui {

namespace {

// Decimal integer with optional blanks and sign; false for anything else.
bool ParseInt(const std::wstring& text, int& out) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == L'-' || text[i] == L'+')) negative = text[i++] == L'-';
  if (i >= text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    v = v * 10 + (text[i] - L'0');
    if (v > 2147483648LL) return false;
  }
  v = negative ? -v : v;
  if (v > 2147483647LL || v < -2147483648LL) return false;
  out = static_cast<int>(v);
  return true;
}

}  // namespace

SpinEdit::SpinEdit(Form& form, std::wstring name, Control* parent)
    : Edit(form, ControlKind::SpinEdit, std::move(name), parent) {
  StoreText(L"0");
}

void SpinEdit::ApplyDesc(const ControlDesc& desc) {
  Edit::ApplyDesc(desc);
  SetValue(desc.value);
}

void SpinEdit::SetRange(int minValue, int maxValue) {
  min_ = minValue;
  max_ = maxValue;
  Changed(Property::Range);
}

int SpinEdit::Clamp(int value) const {
  if (min_ == 0 && max_ == 0) return value;
  if (value < min_) return min_;
  if (value > max_) return max_;
  return value;
}

int SpinEdit::Value() const {
  int v = 0;
  if (!ParseInt(Text(), v)) return min_;
  return v;
}

void SpinEdit::SetValue(int value) { SetText(std::to_wstring(Clamp(value))); }

void SpinEdit::NativeStep(int direction) {
  if (!Enabled() || ReadOnly()) return;
  SetValue(Value() + direction * increment_);
}

void SpinEdit::NativeFocusLost() {
  int v = Value();
  if (std::to_wstring(Clamp(v)) != Text()) SetValue(v);
  Edit::NativeFocusLost();
}

}  // namespace quellon::ui
