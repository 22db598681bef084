// A text label. With AutoSize (the default) it takes the size of its text
// as the backend measures it; a right-aligned label keeps its right edge.
// An optional shadow copy of the text is drawn first, offset by the shadow
// size (used for the big texts of the main window).
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class Label : public Control {
 public:
  Label(Form& form, std::wstring name, Control* parent);

  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment a);
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool on);
  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool on);
  // "&" marks an accelerator unless this is off.
  bool ShowAccelChar() const { return showAccelChar_; }
  void SetShowAccelChar(bool on);
  const Shadow& GetShadow() const { return shadow_; }
  void SetShadow(const Shadow& shadow);

  // Only a label with one of these follows the pointer (watching for it to
  // leave costs the system a timer while the pointer rests on the label);
  // they may be set at any time, and count from the next time it enters.
  Handler OnMouseEnter;
  Handler OnMouseLeave;
  bool TracksMouse() const { return OnMouseEnter || OnMouseLeave; }
  bool MouseInControl() const { return mouseIn_; }

  // Backend side: the pointer entered or left the label.
  void NativeMouseEnter();
  void NativeMouseLeave();

  // Re-fits the size to the text when AutoSize is on.
  void AdjustBounds();

 protected:
  // Alignment (kCenter, kRight), kWordWrap, kNoAccelChar, the shadow; the
  // size is fitted once, from the final text, font and alignment, unless
  // kFixedSize.
  void ApplyDesc(const ControlDesc& desc) override;
  void TextChanged() override { AdjustBounds(); }
  void FontChanged() override { AdjustBounds(); }

 private:
  Alignment alignment_ = Alignment::Left;
  bool autoSize_ = true;
  bool wordWrap_ = false;
  bool showAccelChar_ = true;
  bool mouseIn_ = false;
  Shadow shadow_;
};

}  // namespace quellon::ui
