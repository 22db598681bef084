// The control layer's contract: the event rules the forms rely on, run on
// the headless backend (host and Wine) and on the Win32 backend (Wine).
// A driver per backend plays the user the way that backend gets input:
// headless through HeadlessUser, Win32 through the real messages
// (BM_CLICK, the controls' notifications, keys through the message loop).
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/combo_box.h"
#include "ui/control.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/spin_edit.h"
#include "ui/popup_menu.h"
#include "ui/time_picker.h"
#include "ui/tray_icon.h"

namespace quellon::test {

class UiDriver {
 public:
  virtual ~UiDriver() = default;
  virtual ui::Backend& GetBackend() = 0;

  // The user's input.
  virtual void UserClick(ui::Control& control) = 0;
  virtual void UserType(ui::Control& editOrCombo, const std::wstring& text) = 0;
  virtual void UserChoose(ui::ComboBox& combo, int index) = 0;
  virtual void UserPickTime(ui::TimePicker& picker, int64_t msOfDay) = 0;
  virtual void UserStep(ui::SpinEdit& spin, int direction) = 0;
  virtual void UserLeave(ui::Edit& edit, ui::Control& next) = 0;
  virtual void UserPressKey(ui::Form& form, int key) = 0;
  virtual void UserClose(ui::Form& form) = 0;
  // The notification-area icon.
  virtual void UserDoubleClick(ui::TrayIcon& icon) = 0;
  virtual void UserClickBalloon(ui::TrayIcon& icon) = 0;
  // What the user does in the next popup menu that opens: choose the
  // index-th shown item (counting separators too), or dismiss it (-1).
  virtual void UserWillChooseInMenu(ui::PopupMenu& menu, int index) = 0;
  // Real or virtual time passes while the message loop runs.
  virtual void LetTimePass(int ms) = 0;

  // What the screen shows.
  virtual std::wstring ShownText(ui::Control& control) = 0;
  virtual bool ShownVisible(ui::Control& control) = 0;
  virtual bool ShownEnabled(ui::Control& control) = 0;
  virtual bool ShownChecked(ui::Control& control) = 0;
  // Bounds in the parent's client area.
  virtual ui::Rect ShownBounds(ui::Control& control) = 0;
  virtual bool WindowExists(ui::Form& form) = 0;
};

struct UiContractParam {
  const char* name;
  std::function<std::unique_ptr<UiDriver>()> make;
};

class UiContract : public ::testing::TestWithParam<UiContractParam> {
 protected:
  void SetUp() override;
  void TearDown() override;

  template <typename T>
  T& Get(const wchar_t* name) {
    return form->Get<T>(name);
  }
  // Every handler of the test form appends its component's name here.
  std::vector<std::wstring> log;

  std::unique_ptr<UiDriver> driver;
  std::unique_ptr<ui::Form> form;
};

// Shown in test names and messages.
inline void PrintTo(const UiContractParam& p, std::ostream* os) { *os << p.name; }

std::string UiContractName(const ::testing::TestParamInfo<UiContractParam>& info);

}  // namespace quellon::test
