#include "contract/ui_contract.h"

#include <set>
#include <stdexcept>

#include "ui/action.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/group_box.h"
#include "ui/kinds.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/radio_button.h"
#include "ui/timer.h"
#include "util/text.h"

namespace quellon::test {

using namespace ui;

namespace {

const FormDesc kContractForm = {L"QuellonContractForm", L"ContractForm", L"Contract", 300, 250,
                                BorderStyle::Single, kSystemMenu | kMinimizeBox, false};

const ControlDesc kContractControls[] = {
    Row(ControlKind::PageControl, L"pages").At(0, 0, 300, 200),
    Row(ControlKind::TabSheet, L"pageA").In(L"pages"),
    Row(ControlKind::TabSheet, L"pageB").In(L"pages"),
    Row(ControlKind::RadioButton, L"r1").In(L"pageA").Caption(L"One").At(8, 8, 100, 17).Tag(1)
        .Flags(kChecked),
    Row(ControlKind::RadioButton, L"r2").In(L"pageA").Caption(L"Two").At(8, 28, 100, 17).Tag(2),
    Row(ControlKind::RadioButton, L"r3").In(L"pageA").Caption(L"Three").At(8, 48, 100, 17).Tag(3),
    Row(ControlKind::GroupBox, L"group").In(L"pageA").Caption(L"Group").At(120, 8, 170, 70),
    Row(ControlKind::RadioButton, L"g1").In(L"group").Caption(L"G one").At(8, 20, 100, 17).Flags(kChecked),
    Row(ControlKind::RadioButton, L"g2").In(L"group").Caption(L"G two").At(8, 40, 100, 17),
    Row(ControlKind::CheckBox, L"check").In(L"pageA").Caption(L"Check").At(8, 80, 100, 17),
    Row(ControlKind::Edit, L"edit").In(L"pageA").Caption(L"start").At(8, 104, 120, 21),
    Row(ControlKind::ComboBox, L"combo").In(L"pageA").At(140, 104, 120, 21),
    Row(ControlKind::SpinEdit, L"spin").In(L"pageA").At(8, 132, 60, 21).Value(5),
    Row(ControlKind::TimePicker, L"time").In(L"pageA").At(140, 132, 100, 23),
    Row(ControlKind::Label, L"label").In(L"pageA").Caption(L"Label").At(8, 160, 0, 0),
    Row(ControlKind::Label, L"right").In(L"pageA").Caption(L"Right").At(150, 160, 100, 0).Flags(kRight),
    Row(ControlKind::Label, L"onB").In(L"pageB").Caption(L"On page B").At(8, 8, 0, 0),
    Row(ControlKind::Button, L"ok").Caption(L"OK").At(8, 212, 75, 25).Flags(kDefault),
    Row(ControlKind::Button, L"cancel").Caption(L"Cancel").At(90, 212, 75, 25).Flags(kCancel),
    Row(ControlKind::Button, L"linked").Caption(L"Linked").At(172, 212, 75, 25),
    Row(ControlKind::ProgressBar, L"progress").At(254, 216, 40, 17),
    Row(ControlKind::Timer, L"timer").Flags(kDisabled).Interval(50),
    Row(ControlKind::Action, L"action").Caption(L"Act").ShortCut(keys::kF5),
    Row(ControlKind::TrayIcon, L"tray").Caption(L"Tip"),
    Row(ControlKind::PopupMenu, L"menu"),
};

constexpr unsigned kWmUser = 0x0400;

}  // namespace

std::string UiContractName(const ::testing::TestParamInfo<UiContractParam>& info) {
  return info.param.name;
}

void UiContract::SetUp() {
  driver = GetParam().make();
  form = std::make_unique<Form>(driver->GetBackend(), kContractForm);
  form->CreateControls(kContractControls);
  for (Component* c : form->Components()) {
    std::wstring name = c->Name();
    auto record = [this, name] { log.push_back(name); };
    if (auto* control = dynamic_cast<Control*>(c)) control->OnClick = record;
    if (auto* edit = dynamic_cast<Edit*>(c)) edit->OnChange = record;
    if (auto* combo = dynamic_cast<ComboBox*>(c)) combo->OnChange = record;
    if (auto* picker = dynamic_cast<TimePicker*>(c)) picker->OnChange = record;
    if (auto* timer = dynamic_cast<Timer*>(c)) timer->OnTimer = record;
    if (auto* action = dynamic_cast<Action*>(c)) action->OnExecute = record;
  }
  Get<TrayIcon>(L"tray").OnDblClick = [this] { log.push_back(L"tray"); };
  Get<TrayIcon>(L"tray").OnBalloonClick = [this] { log.push_back(L"balloon"); };
  Get<ComboBox>(L"combo").SetItems({L"alpha", L"beta", L"gamma"});
  form->Show();
  driver->LetTimePass(0);
}

void UiContract::TearDown() {
  form.reset();
  driver.reset();
}

// The form holds one of every kind a row can make, so each of the
// backend's peer rows is made and used by the tests below.
TEST_P(UiContract, EveryKindARowMakesGetsItsPeer) {
  std::set<ControlKind> made;
  for (Component* c : form->Components()) {
    EXPECT_TRUE(c->HandleAllocated()) << WideToUtf8(c->Name());
    made.insert(c->Kind());
  }
  for (int i = 0; i < kControlKindCount; ++i) {
    auto kind = static_cast<ControlKind>(i);
    if (!Describe(kind).make) continue;
    EXPECT_TRUE(made.count(kind)) << WideToUtf8(KindName(kind)) << " missing";
  }
  EXPECT_TRUE(form->HandleAllocated());
}

TEST_P(UiContract, WindowTextIsTheCaption) {
  const wchar_t* names[] = {L"label", L"ok", L"check", L"r1", L"group", L"edit"};
  for (const wchar_t* name : names) {
    Control& c = Get<Control>(name);
    EXPECT_EQ(driver->ShownText(c), c.Caption()) << name;
    c.SetCaption(std::wstring(L"New ") + name);
    EXPECT_EQ(driver->ShownText(c), std::wstring(L"New ") + name) << name;
  }
  EXPECT_EQ(driver->ShownText(*form), L"Contract");
  form->SetCaption(L"Renamed");
  EXPECT_EQ(driver->ShownText(*form), L"Renamed");
  form->SetCaption(L"");
  EXPECT_EQ(driver->ShownText(*form), L"");
}

TEST_P(UiContract, VisibilityEnabledStateAndPagesAreShown) {
  auto& pages = Get<PageControl>(L"pages");
  auto& onB = Get<Label>(L"onB");
  auto& r1 = Get<RadioButton>(L"r1");
  EXPECT_TRUE(driver->ShownVisible(r1));
  EXPECT_FALSE(driver->ShownVisible(onB));
  pages.SetActivePage(&Get<TabSheet>(L"pageB"));
  EXPECT_TRUE(driver->ShownVisible(onB));
  EXPECT_FALSE(driver->ShownVisible(r1));
  EXPECT_FALSE(Get<TabSheet>(L"pageA").Visible());

  auto& ok = Get<Button>(L"ok");
  ok.Hide();
  EXPECT_FALSE(driver->ShownVisible(ok));
  ok.Show();
  EXPECT_TRUE(driver->ShownVisible(ok));
  ok.SetEnabled(false);
  EXPECT_FALSE(driver->ShownEnabled(ok));
  ok.SetEnabled(true);
  EXPECT_TRUE(driver->ShownEnabled(ok));
  EXPECT_TRUE(log.empty());
}

TEST_P(UiContract, BoundsAreShownAndLabelsSizeToTheirText) {
  auto& ok = Get<Button>(L"ok");
  ok.SetBounds({20, 210, 90, 27});
  Rect shown = driver->ShownBounds(ok);
  EXPECT_EQ(shown, (Rect{20, 210, 90, 27}));

  auto& label = Get<Label>(L"label");
  label.SetCaption(L"A much longer caption than before");
  Extent e = driver->GetBackend().MeasureText(label.Caption(), label.GetFont());
  EXPECT_EQ(label.Width(), e.width + 2);
  EXPECT_EQ(label.Height(), e.height + 2);
  EXPECT_EQ(driver->ShownBounds(label), label.Bounds());

  // A right-aligned label grows to the left.
  auto& right = Get<Label>(L"right");
  int rightEdge = right.Left() + right.Width();
  right.SetCaption(L"Right, but longer");
  EXPECT_EQ(right.Left() + right.Width(), rightEdge);
  EXPECT_GT(right.Width(), driver->GetBackend().MeasureText(L"Right", right.GetFont()).width + 2);
}

TEST_P(UiContract, CheckBoxStateSetByCodeRunsClickOnlyWhenItChanges) {
  auto& check = Get<CheckBox>(L"check");
  check.SetChecked(false);
  EXPECT_TRUE(log.empty());
  check.SetChecked(true);
  EXPECT_EQ(log, std::vector<std::wstring>{L"check"});
  EXPECT_TRUE(driver->ShownChecked(check));
  check.SetChecked(true);
  EXPECT_EQ(log.size(), 1u);
  check.SetChecked(false);
  EXPECT_EQ(log.size(), 2u);
  EXPECT_FALSE(driver->ShownChecked(check));
}

TEST_P(UiContract, CheckingARadioButtonUnchecksItsGroupOnly) {
  auto& r1 = Get<RadioButton>(L"r1");
  auto& r2 = Get<RadioButton>(L"r2");
  auto& r3 = Get<RadioButton>(L"r3");
  auto& g1 = Get<RadioButton>(L"g1");
  std::vector<bool> seen;
  // The handler sees the group already settled.
  r2.OnClick = [&] {
    log.push_back(L"r2");
    seen = {r1.Checked(), r2.Checked(), r3.Checked()};
  };
  r2.SetChecked(true);
  EXPECT_EQ(log, std::vector<std::wstring>{L"r2"});
  EXPECT_EQ(seen, (std::vector<bool>{false, true, false}));
  EXPECT_FALSE(driver->ShownChecked(r1));
  EXPECT_TRUE(driver->ShownChecked(r2));
  EXPECT_TRUE(g1.Checked());
  EXPECT_TRUE(driver->ShownChecked(g1));

  r2.SetChecked(true);  // already checked
  EXPECT_EQ(log.size(), 1u);
  r2.SetChecked(false);  // unchecking runs nothing
  EXPECT_EQ(log.size(), 1u);
  EXPECT_FALSE(driver->ShownChecked(r2));
}

TEST_P(UiContract, UserClicksRunTheSameRules) {
  auto& check = Get<CheckBox>(L"check");
  driver->UserClick(check);
  EXPECT_TRUE(check.Checked());
  EXPECT_TRUE(driver->ShownChecked(check));
  driver->UserClick(check);
  EXPECT_FALSE(check.Checked());
  EXPECT_FALSE(driver->ShownChecked(check));
  EXPECT_EQ(log, (std::vector<std::wstring>{L"check", L"check"}));

  log.clear();
  auto& r3 = Get<RadioButton>(L"r3");
  driver->UserClick(r3);
  EXPECT_TRUE(r3.Checked());
  EXPECT_FALSE(Get<RadioButton>(L"r1").Checked());
  EXPECT_FALSE(driver->ShownChecked(Get<RadioButton>(L"r1")));
  EXPECT_TRUE(driver->ShownChecked(r3));
  driver->UserClick(r3);  // a checked radio button stays as it is
  EXPECT_EQ(log, std::vector<std::wstring>{L"r3"});

  log.clear();
  driver->UserClick(Get<Button>(L"ok"));
  driver->UserClick(Get<Label>(L"label"));
  EXPECT_EQ(log, (std::vector<std::wstring>{L"ok", L"label"}));
}

TEST_P(UiContract, DisabledControlsAndActionsDoNothing) {
  auto& ok = Get<Button>(L"ok");
  auto& check = Get<CheckBox>(L"check");
  auto& r2 = Get<RadioButton>(L"r2");
  for (Control* c : std::initializer_list<Control*>{&ok, &check, &r2}) {
    c->SetEnabled(false);
    driver->UserClick(*c);
    c->Click();
  }
  EXPECT_TRUE(log.empty());
  EXPECT_FALSE(check.Checked());
  EXPECT_FALSE(driver->ShownChecked(check));
  EXPECT_FALSE(r2.Checked());
  EXPECT_TRUE(Get<RadioButton>(L"r1").Checked());

  auto& action = Get<Action>(L"action");
  action.SetEnabled(false);
  EXPECT_FALSE(action.Execute());
  driver->UserPressKey(*form, keys::kF5);
  EXPECT_TRUE(log.empty());
  action.SetEnabled(true);
  EXPECT_TRUE(action.Execute());
  EXPECT_EQ(log, std::vector<std::wstring>{L"action"});
}

TEST_P(UiContract, ButtonLinkedToAnActionFollowsItAndExecutesIt) {
  auto& linked = Get<Button>(L"linked");
  auto& action = Get<Action>(L"action");
  linked.SetAction(&action);
  action.SetEnabled(false);
  EXPECT_FALSE(driver->ShownEnabled(linked));
  driver->UserClick(linked);
  EXPECT_TRUE(log.empty());
  action.SetEnabled(true);
  EXPECT_TRUE(driver->ShownEnabled(linked));
  driver->UserClick(linked);
  EXPECT_EQ(log, std::vector<std::wstring>{L"action"});
  EXPECT_EQ(driver->ShownText(linked), L"Act");
}

TEST_P(UiContract, TextSetByCodeRunsTheChangeHandler) {
  auto& edit = Get<Edit>(L"edit");
  edit.SetText(L"start");  // unchanged
  EXPECT_TRUE(log.empty());
  edit.SetText(L"changed");
  EXPECT_EQ(log, std::vector<std::wstring>{L"edit"});
  EXPECT_EQ(driver->ShownText(edit), L"changed");

  log.clear();
  auto& combo = Get<ComboBox>(L"combo");
  combo.SetText(L"beta");
  EXPECT_EQ(log, std::vector<std::wstring>{L"combo"});
  EXPECT_EQ(combo.ItemIndex(), 1);
  EXPECT_EQ(driver->ShownText(combo), L"beta");
  combo.SetText(L"typed");
  EXPECT_EQ(combo.ItemIndex(), -1);
  EXPECT_EQ(driver->ShownText(combo), L"typed");
  EXPECT_EQ(log.size(), 2u);

  // Choosing by index from the code and clearing the list run nothing.
  combo.SetItemIndex(2);
  EXPECT_EQ(combo.Text(), L"gamma");
  EXPECT_EQ(driver->ShownText(combo), L"gamma");
  combo.ClearItems();
  EXPECT_EQ(combo.Text(), L"");
  EXPECT_EQ(driver->ShownText(combo), L"");
  EXPECT_EQ(log.size(), 2u);
}

TEST_P(UiContract, UserTypingAndChoosingRunTheChangeHandler) {
  auto& edit = Get<Edit>(L"edit");
  driver->UserType(edit, L"typed by hand");
  EXPECT_EQ(edit.Text(), L"typed by hand");
  EXPECT_EQ(log, std::vector<std::wstring>{L"edit"});

  log.clear();
  auto& combo = Get<ComboBox>(L"combo");
  driver->UserType(combo, L"Notepad");
  EXPECT_EQ(combo.Text(), L"Notepad");
  EXPECT_EQ(combo.ItemIndex(), -1);
  ASSERT_FALSE(log.empty());
  EXPECT_EQ(log.back(), L"combo");

  log.clear();
  driver->UserChoose(combo, 2);
  EXPECT_EQ(combo.Text(), L"gamma");
  EXPECT_EQ(combo.ItemIndex(), 2);
  EXPECT_EQ(log, std::vector<std::wstring>{L"combo"});
}

TEST_P(UiContract, SpinEditKeepsItsValueInItsLimits) {
  auto& spin = Get<SpinEdit>(L"spin");
  EXPECT_EQ(spin.Value(), 5);
  spin.SetRange(2, 60);
  spin.SetValue(0);
  EXPECT_EQ(spin.Value(), 2);
  EXPECT_EQ(driver->ShownText(spin), L"2");
  spin.SetValue(100);
  EXPECT_EQ(spin.Value(), 60);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"spin", L"spin"}));

  driver->UserType(spin, L"abc");
  EXPECT_EQ(spin.Value(), 2);  // not a number: the lower limit
  driver->UserType(spin, L"75");
  EXPECT_EQ(spin.Value(), 75);  // typed values wait for the focus to leave
  driver->UserLeave(spin, Get<Edit>(L"edit"));
  EXPECT_EQ(spin.Value(), 60);
  EXPECT_EQ(driver->ShownText(spin), L"60");

  driver->UserStep(spin, -1);
  EXPECT_EQ(spin.Value(), 59);
  driver->UserStep(spin, +1);
  driver->UserStep(spin, +1);
  EXPECT_EQ(spin.Value(), 60);
  EXPECT_EQ(driver->ShownText(spin), L"60");
}

TEST_P(UiContract, TimeValueSetByCodeOrUserRunsTheChangeHandler) {
  auto& time = Get<TimePicker>(L"time");
  time.SetValue(0.5);  // 12:00
  EXPECT_EQ(log, std::vector<std::wstring>{L"time"});
  time.SetValue(0.5);
  EXPECT_EQ(log.size(), 1u);

  time.SetValue(45000.25);  // a date with 06:00
  log.clear();
  driver->UserPickTime(time, ((13 * 60 + 45) * 60 + 30) * 1000LL);
  EXPECT_EQ(log, std::vector<std::wstring>{L"time"});
  // The date part stays; the time of day is the picked one.
  EXPECT_NEAR(time.Value(), 45000.0 + (13 * 3600 + 45 * 60 + 30) / 86400.0, 1e-9);
}

TEST_P(UiContract, TimerFiresWhileEnabledAndStopsWhenDisabled) {
  auto& timer = Get<Timer>(L"timer");
  driver->LetTimePass(200);
  EXPECT_TRUE(log.empty());  // disabled from the start

  timer.SetEnabled(true);
  driver->LetTimePass(400);
  size_t fired = log.size();
  EXPECT_GE(fired, 2u);
  EXPECT_LE(fired, 9u);

  timer.SetEnabled(false);
  driver->LetTimePass(200);
  EXPECT_EQ(log.size(), fired);

  timer.SetInterval(0);
  timer.SetEnabled(true);
  driver->LetTimePass(200);
  EXPECT_EQ(log.size(), fired);
}

TEST_P(UiContract, EnterAndEscapeReachTheDefaultAndCancelButtons) {
  driver->UserPressKey(*form, keys::kReturn);
  driver->UserPressKey(*form, keys::kEscape);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"ok", L"cancel"}));
  log.clear();
  Get<Button>(L"ok").Hide();
  driver->UserPressKey(*form, keys::kReturn);
  EXPECT_TRUE(log.empty());
}

TEST_P(UiContract, ShortcutExecutesItsAction) {
  driver->UserPressKey(*form, keys::kF5);
  EXPECT_EQ(log, std::vector<std::wstring>{L"action"});
}

TEST_P(UiContract, PostedMessagesArriveInOrderInOnePass) {
  std::vector<uintptr_t> got;
  form->OnMessage = [&](const Message& m, intptr_t& result) {
    if (m.msg != kWmUser + 1) return false;
    got.push_back(m.wparam);
    result = 0;
    return true;
  };
  form->Post(kWmUser + 1, 1);
  form->Post(kWmUser + 1, 2);
  EXPECT_TRUE(got.empty());
  form->ProcessMessages();
  EXPECT_EQ(got, (std::vector<uintptr_t>{1, 2}));
}

TEST_P(UiContract, CloseAsksFirstThenDestroysTheWindows) {
  bool allow = false;
  int destroyed = 0;
  form->OnCloseQuery = [&](bool& canClose) { canClose = allow; };
  form->OnClose = [&] { log.push_back(L"close"); };
  form->OnDestroy = [&] {
    ++destroyed;
    // The windows still exist while the form says goodbye.
    EXPECT_TRUE(driver->WindowExists(*form));
  };
  driver->UserClose(*form);
  EXPECT_TRUE(driver->WindowExists(*form));
  EXPECT_TRUE(log.empty());

  allow = true;
  driver->UserClose(*form);
  EXPECT_EQ(log, std::vector<std::wstring>{L"close"});
  EXPECT_FALSE(driver->WindowExists(*form));
  EXPECT_TRUE(form->WindowsDestroyed());
  // The objects live on; nothing reaches a window any more.
  Get<Label>(L"label").SetCaption(L"after");
  Get<Timer>(L"timer").SetEnabled(true);
  driver->LetTimePass(100);
  form.reset();
  EXPECT_EQ(destroyed, 1);
}

TEST_P(UiContract, ModalFormHoldsTheOthersUntilItHasAResult) {
  const FormDesc desc = {L"QuellonContractDialog", L"Dialog", L"Dialog", 200, 80, BorderStyle::Dialog,
                         kSystemMenu, false};
  const ControlDesc controls[] = {
      Row(ControlKind::Button, L"dok").Caption(L"OK").At(10, 40, 75, 25).Flags(kDefault).ModalResult(mrOk),
      Row(ControlKind::Button, L"dcancel").Caption(L"Cancel").At(100, 40, 75, 25).Flags(kCancel)
          .ModalResult(mrCancel),
  };
  Form dialog(driver->GetBackend(), desc);
  dialog.CreateControls(controls);
  // The user acts once the dialog is open: a message posted before it
  // opens is handled by its modal loop.
  std::function<void()> act;
  bool ownerEnabled = true;
  bool dialogShown = false;
  dialog.OnMessage = [&](const Message& m, intptr_t& result) {
    if (m.msg != kWmUser + 7) return false;
    ownerEnabled = driver->ShownEnabled(*form);
    dialogShown = driver->ShownVisible(dialog);
    act();
    result = 0;
    return true;
  };
  struct Case {
    const char* how;
    std::function<void()> act;
    int result;
  };
  const Case cases[] = {
      {"OK button", [&] { driver->UserClick(dialog.Get<Button>(L"dok")); }, mrOk},
      {"Escape", [&] { driver->UserPressKey(dialog, keys::kEscape); }, mrCancel},
      {"close button", [&] { driver->UserClose(dialog); }, mrCancel},
      {"result set by code", [&] { dialog.SetModalResult(mrRetry); }, mrRetry},
  };
  for (const Case& c : cases) {
    act = c.act;
    ownerEnabled = true;
    dialogShown = false;
    dialog.Post(kWmUser + 7);
    EXPECT_EQ(dialog.ShowModal(), c.result) << c.how;
    EXPECT_FALSE(ownerEnabled) << c.how;
    EXPECT_TRUE(dialogShown) << c.how;
    EXPECT_TRUE(driver->ShownEnabled(*form)) << c.how;
    EXPECT_FALSE(driver->ShownVisible(dialog)) << c.how;
    EXPECT_TRUE(driver->WindowExists(dialog)) << c.how;
  }
}

TEST_P(UiContract, TrayIconShowsAndReportsTheUsersClicks) {
  auto& tray = Get<TrayIcon>(L"tray");
  EXPECT_FALSE(tray.Visible());
  EXPECT_EQ(tray.Hint(), L"Tip");
  ASSERT_TRUE(tray.SetVisible(true));
  tray.SetHint(L"ZUB");
  driver->UserDoubleClick(tray);
  EXPECT_EQ(log, std::vector<std::wstring>{L"tray"});
  tray.SetBalloon(L"ZUB", L"Less than 15 seconds left!", BalloonIcon::Info, 10000);
  tray.ShowBalloon();
  EXPECT_EQ(tray.BalloonsShown(), 1);
  driver->UserClickBalloon(tray);
  EXPECT_EQ(log, (std::vector<std::wstring>{L"tray", L"balloon"}));

  ASSERT_TRUE(tray.SetVisible(false));
  tray.ShowBalloon();  // hidden: nothing to show it on
  EXPECT_EQ(tray.BalloonsShown(), 1);
  driver->UserDoubleClick(tray);
  EXPECT_EQ(log.size(), 2u);
}

TEST_P(UiContract, PopupMenuRunsTheChosenItem) {
  auto& menu = Get<PopupMenu>(L"menu");
  auto& action = Get<Action>(L"action");
  menu.AddItem(action);
  menu.AddSeparator();
  menu.AddItem(L"Plain", [this] { log.push_back(L"plain"); }, true);
  EXPECT_EQ(menu.ItemCaption(0), L"Act");
  action.SetCaption(L"Hide window");
  EXPECT_EQ(menu.ItemCaption(0), L"Hide window");

  driver->UserWillChooseInMenu(menu, 2);
  menu.Popup({100, 100});
  EXPECT_EQ(log, std::vector<std::wstring>{L"plain"});
  driver->UserWillChooseInMenu(menu, 0);
  menu.Popup({100, 100});
  EXPECT_EQ(log, (std::vector<std::wstring>{L"plain", L"action"}));
  driver->UserWillChooseInMenu(menu, -1);
  menu.Popup({100, 100});
  EXPECT_EQ(log.size(), 2u);
  EXPECT_EQ(menu.LastPopupPoint().x, 100);
}

TEST_P(UiContract, MovedControlShowsOnItsNewParent) {
  auto& onB = Get<Label>(L"onB");
  onB.SetParent(Get<TabSheet>(L"pageA"));
  EXPECT_TRUE(driver->ShownVisible(onB));
  EXPECT_EQ(driver->ShownBounds(onB), onB.Bounds());
  Get<PageControl>(L"pages").SetActivePage(&Get<TabSheet>(L"pageB"));
  EXPECT_FALSE(driver->ShownVisible(onB));
}

TEST_P(UiContract, HandlerErrorsFromUserInputGoToTheErrorHandling) {
  std::vector<std::string> errors;
  driver->GetBackend().OnException = [&](std::exception_ptr e) {
    try {
      std::rethrow_exception(e);
    } catch (const std::exception& ex) {
      errors.push_back(ex.what());
    }
  };
  Get<Button>(L"ok").OnClick = [] { throw std::runtime_error("boom"); };
  driver->UserClick(Get<Button>(L"ok"));
  EXPECT_EQ(errors, std::vector<std::string>{"boom"});
  driver->GetBackend().OnException = nullptr;
}

}  // namespace quellon::test
