// A one-line edit box, optionally with a caption label above it (a
// labelled edit). Setting the text from the code runs OnChange when the
// text changes, as the user's typing does.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class Edit : public Control {
 public:
  Edit(Form& form, std::wstring name, Control* parent);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool on);
  // The caption shown above the box ("" for none); it shows and hides with
  // the box.
  const std::wstring& EditLabel() const { return editLabel_; }
  void SetEditLabel(const std::wstring& caption);

  Handler OnChange;
  // The box lost the keyboard focus.
  Handler OnExit;

  // Backend side.
  void NativeTextChanged(const std::wstring& text) override;
  virtual void NativeFocusLost();

 protected:
  Edit(Form& form, ControlKind kind, std::wstring name, Control* parent);
  // kReadOnly.
  void ApplyDesc(const ControlDesc& desc) override;
  void TextChanged() override { Run(OnChange); }

 private:
  bool readOnly_ = false;
  std::wstring editLabel_;
};

}  // namespace quellon::ui
