// Rules of the control layer that only the headless backend can pin
// exactly: virtual time, fixed text metrics, table checking.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/fake_clock.h"
#include "ui/combo_box.h"
#include "ui/form.h"
#include "ui/headless/headless_backend.h"
#include "ui/headless/headless_user.h"
#include "ui/label.h"
#include "ui/action.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
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
  const ControlDesc descs[] = {{ControlKind::Timer, L"t", nullptr, L"", {}, -1, 0, 0, 1000}};
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
  const ControlDesc descs[] = {{ControlKind::Timer, L"t", nullptr, L"", {}, -1, 0, 0, 1000}};
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
  const ControlDesc descs[] = {{ControlKind::Timer, L"a", nullptr, L"", {}, -1, 0, 0, 100},
                               {ControlKind::Timer, L"b", nullptr, L"", {}, -1, 0, 0, 100}};
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
  const ControlDesc descs[] = {{ControlKind::Timer, L"t", nullptr, L"", {}, -1, 0, 0, 100}};
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
      {ControlKind::Label, L"plain", nullptr, L"abc", {10, 10, 0, 0}},
      {ControlKind::Label, L"shadowed", nullptr, L"abc", {10, 30, 0, 0}, -1, 0, 0, 0, Font{},
       Shadow{2, ShadowPosition::RightBottom}},
      {ControlKind::Label, L"upleft", nullptr, L"abc", {10, 50, 0, 0}, -1, 0, 0, 0, Font{},
       Shadow{2, ShadowPosition::LeftTop}},
      {ControlKind::Label, L"fixed", nullptr, L"abc", {10, 70, 50, 16}, -1, 0, kFixedSize},
      {ControlKind::Label, L"empty", nullptr, L"", {10, 90, 0, 0}},
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
  const ControlDesc base[] = {{ControlKind::PageControl, L"pages", nullptr, L"", {0, 0, 100, 100}},
                              {ControlKind::Label, L"label", nullptr, L"x", {0, 0, 0, 0}}};
  form.CreateControls(base);
  struct Case {
    const char* why;
    ControlDesc desc;
  };
  const Case bad[] = {
      {"repeated name", {ControlKind::Button, L"label", nullptr, L"", {}}},
      {"unknown parent", {ControlKind::Button, L"b", L"nowhere", L"", {}}},
      {"a label holds nothing", {ControlKind::Button, L"b", L"label", L"", {}}},
      {"pages hold only pages", {ControlKind::Button, L"b", L"pages", L"", {}}},
      {"a page belongs to pages", {ControlKind::TabSheet, L"p", nullptr, L"", {}}},
      {"timers belong to the form", {ControlKind::Timer, L"t", L"pages", L"", {}}},
      {"no name", {ControlKind::Button, L"", nullptr, L"", {}}},
  };
  for (const Case& c : bad) EXPECT_THROW(form.CreateComponent(c.desc), std::logic_error) << c.why;
  EXPECT_THROW(form.Get<PageControl>(L"label"), std::logic_error);
  EXPECT_THROW(form.Get<Label>(L"missing"), std::logic_error);
  EXPECT_NO_THROW(form.Get<Label>(L"label"));
}

TEST_F(HeadlessTest, PageControlShowsExactlyTheActivePage) {
  const ControlDesc descs[] = {{ControlKind::PageControl, L"pages", nullptr, L"", {0, 0, 100, 80}},
                               {ControlKind::TabSheet, L"p1", L"pages", L""},
                               {ControlKind::TabSheet, L"p2", L"pages", L""},
                               {ControlKind::PageControl, L"other", nullptr, L"", {0, 0, 10, 10}},
                               {ControlKind::TabSheet, L"q1", L"other", L""}};
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
  const ControlDesc descs[] = {{ControlKind::ComboBox, L"c", nullptr, L"", {0, 0, 100, 21}, -1, 0, kSorted}};
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
  const ControlDesc descs[] = {{ControlKind::ComboBox, L"c", nullptr, L"", {0, 0, 100, 21}, -1, 0, kPickList}};
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
      {ControlKind::GroupBox, L"g", nullptr, L"G", {0, 0, 100, 80}},
      {ControlKind::Button, L"b", L"g", L"B", {5, 20, 50, 20}},
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
  const ControlDesc descs[] = {{ControlKind::Button, L"b", nullptr, L"B", {0, 0, 50, 20}}};
  form.CreateControls(descs);
  form.Show();
  form.Get<Control>(L"b").OnClick = [] { throw std::runtime_error("boom"); };
  EXPECT_THROW(user.Click(form.Get<Control>(L"b")), std::runtime_error);
}

TEST_F(HeadlessTest, MenuItemsThatCannotBeChosenDoNothing) {
  const ControlDesc descs[] = {{ControlKind::PopupMenu, L"m", nullptr, L""},
                               {ControlKind::Action, L"a", nullptr, L"Advanced"}};
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
  const ControlDesc descs[] = {{ControlKind::PopupMenu, L"m", nullptr, L""},
                               {ControlKind::TrayIcon, L"t", nullptr, L"Hint"}};
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
  const ControlDesc descs[] = {{ControlKind::TrayIcon, L"t", nullptr, L"Hint"}};
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
