// Rules of the control layer that only the headless backend can pin
// exactly: virtual time, fixed text metrics, table checking.
#include <gtest/gtest.h>

#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_user.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/action.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/tray_icon.h"
#include "ui/timer.h"
#include "util/text.h"

namespace quellon::ui {
namespace {

const FormDesc kTestForm = {L"TestForm", L"TestForm", L"Test", 200, 100, BorderStyle::Single,
                        kSystemMenu | kMinimizeBox, false};

class HeadlessTest : public ::testing::Test {
 protected:
  test::FakeClock clock;
  HeadlessBackend backend{clock};
  HeadlessUser user{backend};
  Form form{backend, kTestForm};
};

TEST_F(HeadlessTest, TimerFiresWhenItsIntervalHasPassedAndMergesLateTicks) {
  const ControlDesc descs[] = {Row(ControlKind::Timer, L"t").Interval(1000)};
  form.CreateControls(descs);
  int fired = 0;
  form.Get<Timer>(L"t").OnTimer = [&] { ++fired; };
  clock.Advance(999);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 0);
  clock.Advance(1);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 1);
  backend.ProcessMessages();  // no time passed
  EXPECT_EQ(fired, 1);
  clock.Advance(3500);  // a busy loop: one tick, not three
  backend.ProcessMessages();
  EXPECT_EQ(fired, 2);
  clock.Advance(999);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 2);  // the next tick counts from the late one
  clock.Advance(1);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 3);
}

TEST_F(HeadlessTest, ChangingATimerStartsItsIntervalAnew) {
  const ControlDesc descs[] = {Row(ControlKind::Timer, L"t").Interval(1000)};
  form.CreateControls(descs);
  auto& t = form.Get<Timer>(L"t");
  int fired = 0;
  t.OnTimer = [&] { ++fired; };
  clock.Advance(900);
  t.SetInterval(500);
  clock.Advance(400);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 0);
  clock.Advance(100);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 1);
  t.SetEnabled(false);
  t.SetEnabled(true);
  clock.Advance(499);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 1);
  EXPECT_EQ(backend.RunningTimers(), 1u);
}

TEST_F(HeadlessTest, ATimerStoppedByAnotherInTheSamePassDoesNotFire) {
  const ControlDesc descs[] = {Row(ControlKind::Timer, L"a").Interval(100),
                               Row(ControlKind::Timer, L"b").Interval(100)};
  form.CreateControls(descs);
  std::vector<std::wstring> order;
  form.Get<Timer>(L"a").OnTimer = [&] {
    order.push_back(L"a");
    form.Get<Timer>(L"b").SetEnabled(false);
  };
  form.Get<Timer>(L"b").OnTimer = [&] { order.push_back(L"b"); };
  clock.Advance(100);
  backend.ProcessMessages();
  EXPECT_EQ(order, std::vector<std::wstring>{L"a"});
}

TEST_F(HeadlessTest, TimersOfAClosedFormStop) {
  const ControlDesc descs[] = {Row(ControlKind::Timer, L"t").Interval(100)};
  form.CreateControls(descs);
  int fired = 0;
  form.Get<Timer>(L"t").OnTimer = [&] { ++fired; };
  form.Post(0x401);
  form.Close();
  EXPECT_EQ(backend.RunningTimers(), 0u);
  EXPECT_EQ(backend.PendingMessages(), 0u);
  clock.Advance(1000);
  backend.ProcessMessages();
  EXPECT_EQ(fired, 0);
}

TEST(HeadlessMetricsTest, TextIsMeasuredWithFixedMetrics) {
  test::FakeClock clock;
  HeadlessBackend backend(clock);
  struct Case {
    const wchar_t* text;
    Font font;
    Extent expected;
  };
  const Case cases[] = {
      {L"abcd", Font{}, {4 * 6, 13}},
      {L"abcd", Font::Pixels(0, true), {4 * 7, 13}},
      {L"00:00:00", Font::Pixels(32, true), {8 * 15, 32}},
      {L"two\r\nlines!", Font{}, {6 * 6, 26}},
      {L"", Font{}, {0, 13}},
  };
  for (const Case& c : cases) {
    Extent e = backend.MeasureText(c.text, c.font);
    EXPECT_EQ(e.width, c.expected.width) << WideToUtf8(c.text);
    EXPECT_EQ(e.height, c.expected.height) << WideToUtf8(c.text);
  }
}

TEST(FontTest, PointSizesConvertAtNinetySixPixelsPerInch) {
  struct Case {
    int pixels;
    int points;
  };
  for (const Case& c : {Case{32, 24}, Case{16, 12}, Case{13, 10}, Case{12, 9}, Case{0, 0}})
    EXPECT_EQ(Font::Pixels(c.pixels).Size(), c.points) << c.pixels;
  // Shrinking a fitted label point by point goes down by one each step.
  Font f;
  f.SetSize(24);
  EXPECT_EQ(f.height, 32);
  for (int size = 24; size > 1; --size) {
    f.SetSize(f.Size() - 1);
    EXPECT_EQ(f.Size(), size - 1);
  }
}

TEST_F(HeadlessTest, LabelSizeFollowsTextFontAndShadow) {
  const ControlDesc descs[] = {
      Row(ControlKind::Label, L"plain").Caption(L"abc").At(10, 10, 0, 0),
      Row(ControlKind::Label, L"shadowed").Caption(L"abc").At(10, 30, 0, 0)
          .Shadow(Shadow{2, ShadowPosition::RightBottom}),
      Row(ControlKind::Label, L"upleft").Caption(L"abc").At(10, 50, 0, 0)
          .Shadow(Shadow{2, ShadowPosition::LeftTop}),
      Row(ControlKind::Label, L"fixed").Caption(L"abc").At(10, 70, 50, 16).Flags(kFixedSize),
      Row(ControlKind::Label, L"empty").At(10, 90, 0, 0),
  };
  form.CreateControls(descs);
  EXPECT_EQ(form.Get<Label>(L"plain").Bounds(), (Rect{10, 10, 18 + 2, 13 + 2}));
  EXPECT_EQ(form.Get<Label>(L"shadowed").Bounds(), (Rect{10, 30, 18 + 4, 13 + 4}));
  EXPECT_EQ(form.Get<Label>(L"upleft").Bounds(), (Rect{10, 50, 18 + 2, 13 + 2}));
  EXPECT_EQ(form.Get<Label>(L"fixed").Bounds(), (Rect{10, 70, 50, 16}));
  EXPECT_EQ(form.Get<Label>(L"empty").Height(), 13 + 2);  // one line, even empty

  auto& plain = form.Get<Label>(L"plain");
  plain.SetFontSize(24);
  EXPECT_EQ(plain.Height(), 32 + 2);
  plain.SetCaption(L"");
  EXPECT_EQ(plain.Height(), 32 + 2);
}

TEST_F(HeadlessTest, ControlTableIsChecked) {
  const ControlDesc base[] = {Row(ControlKind::PageControl, L"pages").At(0, 0, 100, 100),
                              Row(ControlKind::Label, L"label").Caption(L"x").At(0, 0, 0, 0)};
  form.CreateControls(base);
  struct Case {
    const char* why;
    ControlDesc desc;
  };
  const Case bad[] = {
      {"repeated name", Row(ControlKind::Button, L"label")},
      {"unknown parent", Row(ControlKind::Button, L"b").In(L"nowhere")},
      {"a label holds nothing", Row(ControlKind::Button, L"b").In(L"label")},
      {"pages hold only pages", Row(ControlKind::Button, L"b").In(L"pages")},
      {"a page belongs to pages", Row(ControlKind::TabSheet, L"p")},
      {"timers belong to the form", Row(ControlKind::Timer, L"t").In(L"pages")},
      {"no name", Row(ControlKind::Button, L"")},
      {"no row makes a form", Row(ControlKind::Form, L"f")},
      {"not a kind", Row(static_cast<ControlKind>(kControlKindCount), L"k")},
  };
  for (const Case& c : bad) EXPECT_THROW(form.CreateComponent(c.desc), std::logic_error) << c.why;
  EXPECT_THROW(form.Get<PageControl>(L"label"), std::logic_error);
  EXPECT_THROW(form.Get<Label>(L"missing"), std::logic_error);
  EXPECT_NO_THROW(form.Get<Label>(L"label"));
}

TEST_F(HeadlessTest, EachKindTakesItsRowsState) {
  const ControlDesc rows[] = {
      Row(ControlKind::GroupBox, L"group").Caption(L"G").At(0, 0, 150, 90).Tag(7).Flags(kDisabled),
      Row(ControlKind::Button, L"button").In(L"group").Caption(L"B").At(1, 2, 30, 20)
          .Flags(kDefault | kCancel | kHidden).ModalResult(mrRetry),
      Row(ControlKind::CheckBox, L"check").Flags(kChecked),
      Row(ControlKind::RadioButton, L"radio").Flags(kChecked),
      Row(ControlKind::Edit, L"edit").Caption(L"text").Flags(kReadOnly),
      Row(ControlKind::SpinEdit, L"spin").Value(42),
      // A pick list takes its style before its caption, so the caption
      // (no item's text) does not show.
      Row(ControlKind::ComboBox, L"combo").Caption(L"typed").Flags(kPickList | kSorted),
      // Sized once from the final text, font, shadow and alignment: the
      // right edge stays at 150.
      Row(ControlKind::Label, L"label").Caption(L"abc").At(50, 0, 100, 0)
          .Flags(kRight | kWordWrap | kNoAccelChar).Font(Font::Pixels(26, true))
          .Shadow(Shadow{3, ShadowPosition::RightBottom}),
      Row(ControlKind::PageControl, L"pages").At(0, 0, 80, 60),
      Row(ControlKind::TabSheet, L"page").In(L"pages").At(5, 5, 10, 10),
      Row(ControlKind::Timer, L"timer").Flags(kDisabled).Interval(250),
      Row(ControlKind::Action, L"action").Caption(L"Go").Flags(kDisabled).ShortCut(keys::kF5),
      Row(ControlKind::TrayIcon, L"tray").Caption(L"Tip"),
  };
  form.CreateControls(rows);
  auto& group = form.Get<GroupBox>(L"group");
  EXPECT_EQ(group.Tag(), 7);
  EXPECT_FALSE(group.Enabled());
  auto& button = form.Get<Button>(L"button");
  EXPECT_EQ(button.Parent(), &group);
  EXPECT_EQ(button.Bounds(), (Rect{1, 2, 30, 20}));
  EXPECT_TRUE(button.Default());
  EXPECT_TRUE(button.Cancel());
  EXPECT_FALSE(button.Visible());
  EXPECT_EQ(button.GetModalResult(), mrRetry);
  EXPECT_TRUE(form.Get<CheckBox>(L"check").Checked());
  EXPECT_TRUE(form.Get<RadioButton>(L"radio").Checked());
  EXPECT_TRUE(form.Get<Edit>(L"edit").ReadOnly());
  EXPECT_EQ(form.Get<Edit>(L"edit").Text(), L"text");
  EXPECT_EQ(form.Get<SpinEdit>(L"spin").Value(), 42);
  auto& combo = form.Get<ComboBox>(L"combo");
  EXPECT_EQ(combo.Style(), ComboStyle::DropDownList);
  EXPECT_TRUE(combo.Sorted());
  EXPECT_EQ(combo.Text(), L"");
  auto& label = form.Get<Label>(L"label");
  EXPECT_EQ(label.GetAlignment(), Alignment::Right);
  EXPECT_TRUE(label.WordWrap());
  EXPECT_FALSE(label.ShowAccelChar());
  EXPECT_TRUE(label.AutoSize());
  EXPECT_EQ(label.Bounds(), (Rect{150 - (3 * 13 + 3 + 2), 0, 3 * 13 + 3 + 2, 26 + 3 + 2}));
  EXPECT_EQ(form.Get<TabSheet>(L"page").Bounds(), (Rect{0, 0, 80, 60}));  // a page fills its pages
  auto& timer = form.Get<Timer>(L"timer");
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 250);
  auto& action = form.Get<Action>(L"action");
  EXPECT_EQ(action.Caption(), L"Go");
  EXPECT_FALSE(action.Enabled());
  EXPECT_EQ(action.GetShortCut(), (ShortCut{keys::kF5, kNoShift}));
  EXPECT_EQ(form.Get<TrayIcon>(L"tray").Hint(), L"Tip");
}

// A form whose members its rows fill.
class BoundForm : public Form {
 public:
  explicit BoundForm(Backend& backend) : Form(backend, kTestForm) {}
  GroupBox* grpMain = nullptr;
  Button* btnOk = nullptr;
  Edit* edtAny = nullptr;  // a spin edit is an edit too
  Timer* timerTick = nullptr;
};

class OtherForm : public Form {
 public:
  Button* btnOther = nullptr;
};

// Rows are constants: the table needs no code to run before it is used.
constexpr ControlDesc kBoundRows[] = {
    Row(ControlKind::GroupBox, L"grpMain").Caption(L"Main").At(0, 0, 100, 80).Bind<&BoundForm::grpMain>(),
    Row(ControlKind::Button, L"btnOk").In(L"grpMain").Caption(L"OK").Bind<&BoundForm::btnOk>(),
    Row(ControlKind::SpinEdit, L"edtAny").In(L"grpMain").Value(3).Bind<&BoundForm::edtAny>(),
    Row(ControlKind::Timer, L"timerTick").Interval(500).Bind<&BoundForm::timerTick>(),
};

TEST(BindTest, EachRowFillsItsMemberWhenItsComponentIsMade) {
  test::FakeClock clock;
  HeadlessBackend backend(clock);
  BoundForm form(backend);
  form.CreateComponent(kBoundRows[0]);
  EXPECT_EQ(form.grpMain, &form.Get<GroupBox>(L"grpMain"));
  EXPECT_EQ(form.btnOk, nullptr);
  form.CreateControls(kBoundRows + 1, std::size(kBoundRows) - 1);
  EXPECT_EQ(form.btnOk, &form.Get<Button>(L"btnOk"));
  EXPECT_EQ(form.btnOk->Caption(), L"OK");
  EXPECT_EQ(form.btnOk->Parent(), form.grpMain);
  EXPECT_EQ(form.edtAny, &form.Get<SpinEdit>(L"edtAny"));
  EXPECT_EQ(form.edtAny->Text(), L"3");
  EXPECT_EQ(form.timerTick, &form.Get<Timer>(L"timerTick"));
  EXPECT_EQ(form.timerTick->Interval(), 500);
}

TEST(BindTest, AMemberOfAnotherTypeOrFormIsRefused) {
  test::FakeClock clock;
  HeadlessBackend backend(clock);
  struct Case {
    const char* why;
    ControlDesc row;
  };
  const Case bad[] = {
      {"a label is no button", Row(ControlKind::Label, L"x").Bind<&BoundForm::btnOk>()},
      {"a button is no edit", Row(ControlKind::Button, L"x").Bind<&BoundForm::edtAny>()},
      {"a timer is no button", Row(ControlKind::Timer, L"x").Bind<&BoundForm::btnOk>()},
      {"another form's member", Row(ControlKind::Button, L"x").Bind<&OtherForm::btnOther>()},
  };
  for (const Case& c : bad) {
    BoundForm form(backend);
    EXPECT_THROW(form.CreateComponent(c.row), std::logic_error) << c.why;
    EXPECT_EQ(form.btnOk, nullptr) << c.why;
    EXPECT_EQ(form.edtAny, nullptr) << c.why;
  }
}

TEST_F(HeadlessTest, PageControlShowsExactlyTheActivePage) {
  const ControlDesc descs[] = {Row(ControlKind::PageControl, L"pages").At(0, 0, 100, 80),
                               Row(ControlKind::TabSheet, L"p1").In(L"pages"),
                               Row(ControlKind::TabSheet, L"p2").In(L"pages"),
                               Row(ControlKind::PageControl, L"other").At(0, 0, 10, 10),
                               Row(ControlKind::TabSheet, L"q1").In(L"other")};
  form.CreateControls(descs);
  auto& pages = form.Get<PageControl>(L"pages");
  auto& p1 = form.Get<TabSheet>(L"p1");
  auto& p2 = form.Get<TabSheet>(L"p2");
  EXPECT_EQ(pages.ActivePage(), &p1);
  EXPECT_TRUE(p1.Visible());
  EXPECT_FALSE(p2.Visible());
  EXPECT_EQ(p2.Bounds(), (Rect{0, 0, 100, 80}));
  pages.SetActivePage(&p2);
  EXPECT_FALSE(p1.Visible());
  EXPECT_TRUE(p2.Visible());
  EXPECT_THROW(pages.SetActivePage(&form.Get<TabSheet>(L"q1")), std::logic_error);
  pages.SetBounds({0, 0, 120, 90});
  EXPECT_EQ(p1.Bounds(), (Rect{0, 0, 120, 90}));
}

TEST_F(HeadlessTest, SortedComboBoxKeepsCaseInsensitiveOrder) {
  const ControlDesc descs[] = {Row(ControlKind::ComboBox, L"c").At(0, 0, 100, 21).Flags(kSorted)};
  form.CreateControls(descs);
  auto& c = form.Get<ComboBox>(L"c");
  c.SetItems({L"delta", L"Bravo", L"alpha"});
  EXPECT_EQ(c.Items(), (std::vector<std::wstring>{L"alpha", L"Bravo", L"delta"}));
  c.SetItemIndex(1);
  EXPECT_EQ(c.AddItem(L"Charlie"), 2);
  EXPECT_EQ(c.AddItem(L"ALPHA2"), 1);
  EXPECT_EQ(c.ItemIndex(), 2);  // still Bravo
  EXPECT_EQ(c.Text(), L"Bravo");
  EXPECT_EQ(c.IndexOf(L"CHARLIE"), 3);
}

TEST_F(HeadlessTest, PickListShowsOnlyItsItems) {
  const ControlDesc descs[] = {Row(ControlKind::ComboBox, L"c").At(0, 0, 100, 21).Flags(kPickList)};
  form.CreateControls(descs);
  auto& c = form.Get<ComboBox>(L"c");
  c.SetItems({L"Shutdown", L"Restart"});
  c.SetText(L"restart");
  EXPECT_EQ(c.Text(), L"Restart");
  EXPECT_EQ(c.ItemIndex(), 1);
  c.SetText(L"Sleep");
  EXPECT_EQ(c.Text(), L"");
  EXPECT_EQ(c.ItemIndex(), -1);
  form.Show();
  EXPECT_FALSE(user.Type(c, L"typed"));
}

TEST_F(HeadlessTest, FormIsCentredAndItsOuterSizeIncludesTheFrame) {
  Extent frame = backend.FrameExtent(form);
  EXPECT_EQ(form.Width(), 200 + frame.width);
  EXPECT_EQ(form.Height(), 100 + frame.height);
  EXPECT_EQ(form.Left(), (1280 - form.Width()) / 2);
  EXPECT_EQ(form.Top(), (1024 - form.Height()) / 2);
  form.SetClientSize(300, 150);
  EXPECT_EQ(form.ClientWidth(), 300);
  EXPECT_EQ(form.Width(), 300 + frame.width);
}

TEST_F(HeadlessTest, UserCannotReachHiddenDisabledOrMinimisedControls) {
  const ControlDesc descs[] = {
      Row(ControlKind::GroupBox, L"g").Caption(L"G").At(0, 0, 100, 80),
      Row(ControlKind::Button, L"b").In(L"g").Caption(L"B").At(5, 20, 50, 20),
  };
  form.CreateControls(descs);
  int clicks = 0;
  auto& b = form.Get<Control>(L"b");
  b.OnClick = [&] { ++clicks; };
  EXPECT_FALSE(user.Click(b));  // the form is not shown yet
  form.Show();
  EXPECT_TRUE(user.Click(b));
  form.Get<Control>(L"g").SetEnabled(false);
  EXPECT_FALSE(user.Click(b));
  form.Get<Control>(L"g").SetEnabled(true);
  int minimised = 0;
  form.OnMinimize = [&] { ++minimised; };
  EXPECT_TRUE(user.MinimizeButton(form));
  EXPECT_EQ(minimised, 1);
  EXPECT_FALSE(user.Click(b));
  EXPECT_TRUE(user.RestoreFromTaskbar(form));
  EXPECT_TRUE(user.Click(b));
  EXPECT_EQ(clicks, 2);
}

TEST_F(HeadlessTest, HandlerErrorsReachTheTestWithoutAnErrorHandler) {
  const ControlDesc descs[] = {Row(ControlKind::Button, L"b").Caption(L"B").At(0, 0, 50, 20)};
  form.CreateControls(descs);
  form.Show();
  form.Get<Control>(L"b").OnClick = [] { throw std::runtime_error("boom"); };
  EXPECT_THROW(user.Click(form.Get<Control>(L"b")), std::runtime_error);
}

TEST_F(HeadlessTest, MenuItemsThatCannotBeChosenDoNothing) {
  const ControlDesc descs[] = {Row(ControlKind::PopupMenu, L"m"),
                               Row(ControlKind::Action, L"a").Caption(L"Advanced")};
  form.CreateControls(descs);
  auto& m = form.Get<PopupMenu>(L"m");
  auto& a = form.Get<Action>(L"a");
  std::vector<std::wstring> ran;
  a.OnExecute = [&] { ran.push_back(L"a"); };
  m.AddItem(a);
  m.AddSeparator();
  int plain = m.AddItem(L"Plain", [&] { ran.push_back(L"plain"); });
  a.SetEnabled(false);
  m.SetItemEnabled(static_cast<size_t>(plain), false);
  for (size_t i = 0; i < m.Count() + 1; ++i) m.ChooseItem(i);
  EXPECT_TRUE(ran.empty());
  a.SetEnabled(true);
  a.SetVisible(false);  // a hidden item is not in the menu
  m.ChooseItem(0);
  EXPECT_TRUE(ran.empty());
  a.SetVisible(true);
  m.ChooseItem(0);
  EXPECT_EQ(ran, std::vector<std::wstring>{L"a"});
}

TEST_F(HeadlessTest, RightClicksOpenTheContextAndTrayMenusWhereTheUserClicked) {
  const ControlDesc descs[] = {Row(ControlKind::PopupMenu, L"m"),
                               Row(ControlKind::TrayIcon, L"t").Caption(L"Hint")};
  form.CreateControls(descs);
  auto& m = form.Get<PopupMenu>(L"m");
  auto& t = form.Get<TrayIcon>(L"t");
  int opened = 0;
  m.OnPopup = [&] { ++opened; };
  form.Show();
  EXPECT_TRUE(user.RightClick(form, {10, 20}));
  EXPECT_EQ(opened, 0);  // no context menu yet
  form.SetContextMenu(&m);
  user.RightClick(form, {10, 20});
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(m.LastPopupPoint().y, 20);
  t.SetMenu(&m);
  EXPECT_FALSE(user.RightClick(t, {5, 6}));  // hidden icon
  ASSERT_TRUE(t.SetVisible(true));
  user.RightClick(t, {5, 6});
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(m.LastPopupPoint().x, 5);
}

TEST_F(HeadlessTest, TrayIconThatCannotBeShownStaysHidden) {
  const ControlDesc descs[] = {Row(ControlKind::TrayIcon, L"t").Caption(L"Hint")};
  form.CreateControls(descs);
  auto& t = form.Get<TrayIcon>(L"t");
  backend.refuseTrayIcons = true;
  EXPECT_FALSE(t.SetVisible(true));
  EXPECT_FALSE(t.Visible());
  backend.refuseTrayIcons = false;
  EXPECT_TRUE(t.SetVisible(true));
  EXPECT_TRUE(t.Visible());
}

}  // namespace
}  // namespace quellon::ui
