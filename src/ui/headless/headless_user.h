// The user of the headless backend: clicks, types, chooses and presses
// keys as a person at the screen would, so only what is showing and
// enabled can be reached. Each action enters the controls through the
// same entry points the Win32 backend's notifications use. Returns false
// when the user could not reach the control.
#pragma once
#include <cstdint>
#include <string>

#include "ui/types.h"

namespace quellon::ui {

class Backend;
class ComboBox;
class Control;
class Edit;
class Form;
class Label;
class SpinEdit;
class TimePicker;
class TrayIcon;

class HeadlessUser {
 public:
  explicit HeadlessUser(Backend& backend) : backend_(backend) {}

  bool Click(Control& control);
  // Replaces the text of an edit, spin edit or editable combo box.
  bool Type(Control& control, const std::wstring& text);
  bool Choose(ComboBox& combo, int index);
  bool PickTime(TimePicker& picker, int64_t msOfDay);
  bool Step(SpinEdit& spin, int direction);
  // Moves the focus away from an edit box.
  bool Leave(Edit& edit);
  // A key pressed in the form: Enter and Escape reach the default and
  // cancel buttons, other keys the actions' shortcuts.
  bool PressKey(Form& form, int key, unsigned shift = kNoShift);
  // The title bar's close and minimise buttons, the taskbar's restore.
  bool CloseButton(Form& form);
  bool MinimizeButton(Form& form);
  bool RestoreFromTaskbar(Form& form);
  bool HoverOnto(Label& label);
  bool HoverOff(Label& label);
  // The notification area's icon: double click, balloon click, right click.
  bool DoubleClick(TrayIcon& icon);
  bool ClickBalloon(TrayIcon& icon);
  bool RightClick(TrayIcon& icon, Point at);
  // A right click into the form (its context menu).
  bool RightClick(Form& form, Point at);

 private:
  template <typename F>
  bool Act(F&& action);

  Backend& backend_;
};

}  // namespace quellon::ui
