// The control layer's contract on the headless backend.
#include "contract/ui_contract.h"
#include "fakes/fake_clock.h"
#include "ui/check_box.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_user.h"
#include "ui/radio_button.h"

namespace quellon::test {
namespace {

class HeadlessDriver final : public UiDriver {
 public:
  HeadlessDriver() : backend_(clock_), user_(backend_) {}

  ui::Backend& GetBackend() override { return backend_; }
  void UserClick(ui::Control& c) override { user_.Click(c); }
  void UserType(ui::Control& c, const std::wstring& text) override { user_.Type(c, text); }
  void UserChoose(ui::ComboBox& combo, int index) override { user_.Choose(combo, index); }
  void UserPickTime(ui::TimePicker& p, int64_t ms) override { user_.PickTime(p, ms); }
  void UserStep(ui::SpinEdit& s, int direction) override { user_.Step(s, direction); }
  void UserLeave(ui::Edit& edit, ui::Control&) override { user_.Leave(edit); }
  void UserPressKey(ui::Form& form, int key) override { user_.PressKey(form, key); }
  void UserClose(ui::Form& form) override { user_.CloseButton(form); }
  void UserDoubleClick(ui::TrayIcon& icon) override { user_.DoubleClick(icon); }
  void UserClickBalloon(ui::TrayIcon& icon) override { user_.ClickBalloon(icon); }
  void UserWillChooseInMenu(ui::PopupMenu&, int index) override {
    backend_.OnPopupMenu = [this, index](ui::PopupMenu&, ui::Point) {
      backend_.OnPopupMenu = nullptr;
      return index;
    };
  }
  void LetTimePass(int ms) override {
    // In small steps, as a real message loop would see the time go by.
    backend_.ProcessMessages();
    for (int passed = 0; passed < ms; passed += 10) {
      clock_.Advance(10);
      backend_.ProcessMessages();
    }
  }
  std::wstring ShownText(ui::Control& c) override { return c.HandleAllocated() ? c.Caption() : L""; }
  bool ShownVisible(ui::Control& c) override { return c.HandleAllocated() && c.Showing(); }
  bool ShownEnabled(ui::Control& c) override { return c.Enabled(); }
  bool ShownChecked(ui::Control& c) override {
    if (auto* b = dynamic_cast<ui::CheckBox*>(&c)) return b->Checked();
    if (auto* r = dynamic_cast<ui::RadioButton*>(&c)) return r->Checked();
    return false;
  }
  ui::Rect ShownBounds(ui::Control& c) override { return c.Bounds(); }
  bool WindowExists(ui::Form& form) override { return form.HandleAllocated(); }

 private:
  FakeClock clock_;
  ui::HeadlessBackend backend_;
  ui::HeadlessUser user_;
};

INSTANTIATE_TEST_SUITE_P(Headless, UiContract,
                         ::testing::Values(UiContractParam{
                             "Headless", [] { return std::unique_ptr<UiDriver>(new HeadlessDriver); }}),
                         UiContractName);

}  // namespace
}  // namespace quellon::test
