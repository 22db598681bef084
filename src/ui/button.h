// A push button. The default button answers Enter and the cancel button
// Escape anywhere in its form. Linked to an action, it follows the action's
// enabled state and hint and a click executes the action.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class Action;

class Button : public Control {
 public:
  Button(Form& form, std::wstring name, Control* parent);
  ~Button() override;

  bool Default() const { return default_; }
  void SetDefault(bool on);
  bool Cancel() const { return cancel_; }
  void SetCancel(bool on);
  // A click sets this result on the form (before OnClick, which may take
  // it back); 0: none.
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }

  Action* GetAction() const { return action_; }
  void SetAction(Action* action);
  // The linked action changed.
  void ActionChanged();

  void Click() override;

 protected:
  // kDefault, kCancel, the modal result.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  bool default_ = false;
  bool cancel_ = false;
  int modalResult_ = 0;
  Action* action_ = nullptr;
};

}  // namespace quellon::ui
