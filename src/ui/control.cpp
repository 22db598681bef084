#include "ui/control.h"

#include <algorithm>
#include <stdexcept>

#include "ui/control_table.h"
#include "ui/form.h"
#include "ui/kinds.h"
#include "util/text.h"

namespace quellon::ui {

Control::Control(Form& form, ControlKind kind, std::wstring name, Control* parent)
    : Component(form, kind, std::move(name)), parent_(parent) {
  if (parent_) parent_->AddChild(this);
}

Control::~Control() {
  if (parent_) parent_->RemoveChild(this);
  for (Control* child : children_) child->parent_ = nullptr;
}

bool Control::IsContainer() const { return Describe(Kind()).holds != Holds::Nothing; }

void Control::ApplyDesc(const ControlDesc& desc) {
  Component::ApplyDesc(desc);
  SetBounds(desc.bounds);
  if (desc.flags & kHidden) SetVisible(false);
  if (desc.flags & kDisabled) SetEnabled(false);
  SetFont(desc.font);
  SetCaption(desc.caption ? desc.caption : L"");
}

void Control::AddChild(Control* child) { children_.push_back(child); }

void Control::RemoveChild(Control* child) {
  children_.erase(std::remove(children_.begin(), children_.end(), child), children_.end());
}

void Control::SetParent(Control& parent) {
  if (&parent == parent_) return;
  // Only controls move, and only into what holds controls (pages stay in
  // their page control).
  if (Describe(parent.Kind()).holds != Holds::Controls || Describe(Kind()).sitsIn != Holds::Controls)
    throw std::logic_error("ui: " + WideToUtf8(parent.Name()) + " cannot hold " +
                           WideToUtf8(Name()));
  for (const Control* p = &parent; p; p = p->Parent())
    if (p == this) throw std::logic_error("ui: " + WideToUtf8(Name()) + " cannot hold itself");
  if (parent_) parent_->RemoveChild(this);
  parent_ = &parent;
  parent_->AddChild(this);
  Changed(Property::Parent);
}

void Control::SetCaption(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  Changed(Property::Text);
  TextChanged();
}

void Control::NativeTextChanged(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
}

void Control::StoreText(const std::wstring& text) {
  if (text == text_) return;
  text_ = text;
  Changed(Property::Text);
}

void Control::SetBounds(Rect bounds) {
  if (bounds.width < 0) bounds.width = 0;
  if (bounds.height < 0) bounds.height = 0;
  if (bounds == bounds_) return;
  bounds_ = bounds;
  Changed(Property::Bounds);
  BoundsChanged();
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  Changed(Property::Visible);
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->Parent())
    if (!c->Visible()) return false;
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Changed(Property::Enabled);
}

bool Control::CanReceiveInput() const {
  if (!Showing() || !HandleAllocated()) return false;
  if (OwnerForm().GetWindowState() == WindowState::Minimized) return false;
  for (const Control* c = this; c; c = c->Parent())
    if (!c->Enabled()) return false;
  return true;
}

void Control::SetFont(const Font& font) {
  if (font == font_) return;
  font_ = font;
  Changed(Property::Font);
  FontChanged();
}

void Control::SetFontSize(int points) {
  Font f = font_;
  f.SetSize(points);
  SetFont(f);
}

void Control::SetColor(Color color) {
  if (color == color_) return;
  color_ = color;
  Changed(Property::Color);
}

void Control::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed(Property::Hint);
}

int Control::TabOrder() const {
  if (!parent_) return -1;
  const auto& s = parent_->children_;
  return static_cast<int>(std::find(s.begin(), s.end(), this) - s.begin());
}

void Control::SetTabOrder(int order) {
  if (!parent_) return;
  auto& s = parent_->children_;
  s.erase(std::remove(s.begin(), s.end(), this), s.end());
  if (order < 0 || order > static_cast<int>(s.size())) order = static_cast<int>(s.size());
  s.insert(s.begin() + order, this);
  // Each peer restacks after the sibling before it, so the windows end up
  // in the same order.
  for (Control* sibling : s) sibling->Changed(Property::TabOrder);
}

void Control::SetFocus() {
  OwnerForm().SetFocusedControl(this);
}

void Control::Click() {
  if (!Enabled()) return;
  Run(OnClick);
}

}  // namespace quellon::ui
