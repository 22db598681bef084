#include "ui/headless/headless_user.h"

#include <exception>

#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"
#include "ui/tray_icon.h"

namespace quellon::ui {

template <typename F>
bool HeadlessUser::Act(F&& action) {
  // The handlers run as from the message loop: an escaping exception goes
  // to the application's error handling.
  try {
    action();
  } catch (...) {
    backend_.ReportException(std::current_exception());
  }
  return true;
}

bool HeadlessUser::Click(Control& control) {
  if (!control.CanReceiveInput()) return false;
  return Act([&] { control.Click(); });
}

bool HeadlessUser::Type(Control& control, const std::wstring& text) {
  if (!control.CanReceiveInput()) return false;
  if (auto* edit = dynamic_cast<Edit*>(&control)) {
    if (edit->ReadOnly()) return false;
    return Act([&] { edit->NativeTextChanged(text); });
  }
  auto* combo = dynamic_cast<ComboBox*>(&control);
  if (!combo || combo->Style() != ComboStyle::DropDown) return false;
  return Act([&] { combo->NativeTextChanged(text); });
}

bool HeadlessUser::Choose(ComboBox& combo, int index) {
  if (!combo.CanReceiveInput() || index < 0 || index >= static_cast<int>(combo.Items().size()))
    return false;
  return Act([&] { combo.NativeItemSelected(index); });
}

bool HeadlessUser::PickTime(TimePicker& picker, int64_t msOfDay) {
  if (!picker.CanReceiveInput()) return false;
  return Act([&] { picker.NativeTimePicked(msOfDay); });
}

bool HeadlessUser::Step(SpinEdit& spin, int direction) {
  if (!spin.CanReceiveInput() || spin.ReadOnly()) return false;
  return Act([&] { spin.NativeStep(direction); });
}

bool HeadlessUser::Leave(Edit& edit) {
  if (!edit.CanReceiveInput()) return false;
  return Act([&] {
    edit.OwnerForm().NativeFocusChanged(nullptr);
    edit.NativeFocusLost();
  });
}

bool HeadlessUser::PressKey(Form& form, int key, unsigned shift) {
  if (!form.CanReceiveInput()) return false;
  bool ran = false;
  Act([&] {
    if (shift == kNoShift && (key == keys::kReturn || key == keys::kEscape))
      ran = form.DialogKey(key);
    else
      ran = form.ShortCut(key, shift);
  });
  return ran;
}

bool HeadlessUser::CloseButton(Form& form) {
  if (!form.CanReceiveInput()) return false;
  return Act([&] { form.Close(); });
}

bool HeadlessUser::MinimizeButton(Form& form) {
  if (!form.CanReceiveInput() || !(form.BorderIcons() & kMinimizeBox)) return false;
  return Act([&] { form.NativeWindowState(WindowState::Minimized); });
}

bool HeadlessUser::RestoreFromTaskbar(Form& form) {
  if (!form.Showing() || form.GetWindowState() != WindowState::Minimized) return false;
  return Act([&] { form.NativeWindowState(WindowState::Normal); });
}

bool HeadlessUser::HoverOnto(Label& label) {
  if (!label.Showing()) return false;
  return Act([&] { label.NativeMouseEnter(); });
}

bool HeadlessUser::HoverOff(Label& label) {
  return Act([&] { label.NativeMouseLeave(); });
}

bool HeadlessUser::DoubleClick(TrayIcon& icon) {
  if (!icon.Visible()) return false;
  return Act([&] { icon.NativeDoubleClick(); });
}

bool HeadlessUser::ClickBalloon(TrayIcon& icon) {
  if (!icon.Visible() || icon.BalloonsShown() == 0) return false;
  return Act([&] { icon.NativeBalloonClick(); });
}

bool HeadlessUser::RightClick(TrayIcon& icon, Point at) {
  if (!icon.Visible()) return false;
  return Act([&] { icon.NativeContextMenu(at); });
}

bool HeadlessUser::RightClick(Form& form, Point at) {
  if (!form.CanReceiveInput()) return false;
  return Act([&] { form.NativeContextMenu(at); });
}

}  // namespace quellon::ui
