#include "ui/label.h"

#include "ui/control_table.h"
#include "ui/form.h"

namespace quellon::ui {

Label::Label(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::Label, std::move(name), parent) {}

void Label::ApplyDesc(const ControlDesc& desc) {
  SetAutoSize(false);
  Control::ApplyDesc(desc);
  SetAlignment((desc.flags & kCenter)  ? Alignment::Center
               : (desc.flags & kRight) ? Alignment::Right
                                       : Alignment::Left);
  SetWordWrap((desc.flags & kWordWrap) != 0);
  SetShowAccelChar((desc.flags & kNoAccelChar) == 0);
  SetShadow(desc.shadow);
  SetAutoSize((desc.flags & kFixedSize) == 0);
}

void Label::SetAlignment(Alignment a) {
  if (a == alignment_) return;
  alignment_ = a;
  Changed(Property::Alignment);
}

void Label::SetAutoSize(bool on) {
  if (on == autoSize_) return;
  autoSize_ = on;
  AdjustBounds();
}

void Label::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  Changed(Property::Alignment);
  AdjustBounds();
}

void Label::SetShowAccelChar(bool on) {
  if (on == showAccelChar_) return;
  showAccelChar_ = on;
  Changed(Property::Alignment);
}

void Label::SetShadow(const Shadow& shadow) {
  bool resize = shadow.size != shadow_.size;
  shadow_ = shadow;
  Changed(Property::Shadow);
  if (resize) AdjustBounds();
}

void Label::AdjustBounds() {
  if (!autoSize_) return;
  // An empty caption still measures one line, so the label keeps its height.
  Extent e = GetBackend().MeasureText(Caption().empty() ? std::wstring(L" ") : Caption(), GetFont());
  // A shadow to the right or below widens the label; one to the left or
  // above is clipped at the label's edge instead.
  int s = shadow_.size;
  bool right = shadow_.position == ShadowPosition::RightBottom ||
               shadow_.position == ShadowPosition::RightTop;
  bool below = shadow_.position == ShadowPosition::RightBottom ||
               shadow_.position == ShadowPosition::LeftBottom;
  int width = e.width + (right ? s : 0) + 2;
  int height = e.height + (below ? s : 0) + 2;
  Rect b = Bounds();
  int left = alignment_ == Alignment::Right ? b.left + b.width - width : b.left;
  SetBounds({left, b.top, width, height});
}

void Label::NativeMouseEnter() {
  if (mouseIn_ || !Enabled() || !TracksMouse()) return;
  mouseIn_ = true;
  Run(OnMouseEnter);
}

void Label::NativeMouseLeave() {
  if (!mouseIn_) return;
  mouseIn_ = false;
  Run(OnMouseLeave);
}

}  // namespace quellon::ui
