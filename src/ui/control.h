// A visible control: a child window of its parent with a caption, bounds,
// visibility, enabled state and font. Its state lives here; the backend's
// peer shows it.
#pragma once
#include <string>
#include <vector>

#include "ui/component.h"

namespace quellon::ui {

class Control : public Component {
 public:
  Control(Form& form, ControlKind kind, std::wstring name, Control* parent);
  ~Control() override;

  Control* Parent() const { return parent_; }
  // Children in tab order (which is also their stacking order).
  const std::vector<Control*>& Controls() const { return children_; }
  // Moves the control onto another container, keeping its bounds.
  void SetParent(Control& parent);
  bool IsContainer() const;

  // Caption and text are one value, as the window has one text.
  const std::wstring& Caption() const { return text_; }
  void SetCaption(const std::wstring& text);
  const std::wstring& Text() const { return text_; }
  void SetText(const std::wstring& text) { SetCaption(text); }

  Rect Bounds() const { return bounds_; }
  void SetBounds(Rect bounds);
  int Left() const { return bounds_.left; }
  int Top() const { return bounds_.top; }
  int Width() const { return bounds_.width; }
  int Height() const { return bounds_.height; }
  void SetLeft(int v) { SetBounds({v, bounds_.top, bounds_.width, bounds_.height}); }
  void SetTop(int v) { SetBounds({bounds_.left, v, bounds_.width, bounds_.height}); }
  void SetWidth(int v) { SetBounds({bounds_.left, bounds_.top, v, bounds_.height}); }
  void SetHeight(int v) { SetBounds({bounds_.left, bounds_.top, bounds_.width, v}); }
  virtual int ClientWidth() const { return bounds_.width; }
  virtual int ClientHeight() const { return bounds_.height; }

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }
  // Visible here and in every parent up to and including the form.
  bool Showing() const;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // What a user can reach: showing, and enabled here and in every parent.
  bool CanReceiveInput() const;

  // The font as set; height 0 means the system's control font.
  const Font& GetFont() const { return font_; }
  void SetFont(const Font& font);
  void SetFontSize(int points);
  int FontSize() const { return font_.Size(); }

  // Background colour (kDefaultColor: the system's).
  Color GetColor() const { return color_; }
  void SetColor(Color color);

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);

  int HelpContext() const { return helpContext_; }
  void SetHelpContext(int topic) { helpContext_ = topic; }

  // Position among the parent's children; -1 leaves it last.
  int TabOrder() const;
  void SetTabOrder(int order);

  void SetFocus();

  // The user (or the code, through the same rule) clicks the control. A
  // disabled control does nothing.
  virtual void Click();
  Handler OnClick;

  // Backend side: the window's text changed by the user.
  virtual void NativeTextChanged(const std::wstring& text);

 protected:
  // Bounds, hidden, disabled, font and caption.
  void ApplyDesc(const ControlDesc& desc) override;
  // After the text changed, from the code or the user.
  virtual void TextChanged() {}
  virtual void FontChanged() {}
  virtual void BoundsChanged() {}
  // Replaces the text and shows it, without TextChanged.
  void StoreText(const std::wstring& text);
  // Records bounds the window already has.
  void StoreBounds(Rect bounds) { bounds_ = bounds; }
  // Runs a handler if one is set.
  static void Run(const Handler& h) {
    if (h) h();
  }

 private:
  void AddChild(Control* child);
  void RemoveChild(Control* child);

  Control* parent_;
  std::vector<Control*> children_;
  std::wstring text_;
  Rect bounds_;
  bool visible_ = true;
  bool enabled_ = true;
  Font font_;
  Color color_ = kDefaultColor;
  std::wstring hint_;
  int helpContext_ = 0;
};

}  // namespace quellon::ui
