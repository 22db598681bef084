// The main window as built, on the headless backend: what shows at start,
// the captions, the trigger Tags and a layout that fits.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/yarb_form.h"
#include "main_window_fixture.h"
#include "ui/headless/headless_user.h"
#include "util/text.h"

namespace quellon::app {
namespace {

// The window as built, before its start-up runs.
class YarbFormTest : public ::testing::Test, public test::MainWindowFixture {
 protected:
  YarbFormTest() : form((Create(false), *MainWindowFixture::form)) {}
  TYARBForm& form;
};

TEST_F(YarbFormTest, IsAFixedZubWindowWithA339By257ClientArea) {
  EXPECT_EQ(form.Caption(), L"ZUB");
  EXPECT_EQ(form.ClassName(), L"TYARBForm");
  EXPECT_EQ(form.ClientWidth(), 339);
  EXPECT_EQ(form.ClientHeight(), 257);
  EXPECT_EQ(form.Border(), ui::BorderStyle::Single);
  EXPECT_EQ(form.BorderIcons(), ui::kSystemMenu | ui::kMinimizeBox);
  EXPECT_TRUE(form.DoubleBuffered());
  EXPECT_FALSE(form.Visible());  // shown by the start-up
}

TEST_F(YarbFormTest, StartsOnTheOptionsPageWithBeginOnly) {
  form.Show();
  EXPECT_EQ(form.tabctrlMain->ActivePage(), form.tabOptions);
  EXPECT_EQ(form.tabctrlButtons->ActivePage(), form.PrgBtnPage);
  EXPECT_TRUE(form.btnStart->Showing());
  EXPECT_FALSE(form.btnCancel->Showing());
  EXPECT_TRUE(form.btnStart->Default());
  EXPECT_TRUE(form.btnCancel->Cancel());
  for (ui::Control* c : {static_cast<ui::Control*>(form.lblRemainingTime), static_cast<ui::Control*>(form.lblMonitoredAppName)})
    EXPECT_FALSE(c->Showing()) << WideToUtf8(c->Name());
  EXPECT_FALSE(form.edtLastClosedApp->Visible());
  EXPECT_TRUE(form.edtLastClosedApp->ReadOnly());
  EXPECT_EQ(form.edtLastClosedApp->EditLabel(), L"Last closed application:");
  EXPECT_FALSE(form.timerSec->Active());
  EXPECT_FALSE(form.timerWaitForEvent->Active());
  EXPECT_EQ(form.timerSec->Interval(), 1000);
  EXPECT_FALSE(form.actShowApp->Enabled());
  EXPECT_TRUE(form.actAdvenced->Enabled());
}

TEST_F(YarbFormTest, TriggerRadioButtonsCarryTheirTags) {
  struct Case {
    int tag;
    ui::RadioButton* button;
    const wchar_t* caption;
  };
  const Case cases[] = {
      {1, form.cbPeriodOfTime, L"When specified period elapses"},
      {2, form.cbComputerIdle, L"When the computer is idle for specifed period"},
      {3, form.cbTime, L"At specified time"},
      {4, form.cbMonitoredApp, L"When specified application closes"},
      {5, form.cbNoSound, L"When applications stop playing sounds"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.button->Tag(), c.tag);
    EXPECT_EQ(c.button->Caption(), c.caption);
    EXPECT_EQ(c.button->Parent(), form.tabOptions);
    EXPECT_EQ(form.TriggerButton(c.tag), c.button);
  }
  EXPECT_EQ(form.TriggerButton(0), nullptr);
  EXPECT_TRUE(form.cbPeriodOfTime->Checked());
  int checked = 0;
  for (const Case& c : cases) checked += c.button->Checked();
  EXPECT_EQ(checked, 1);
}

TEST_F(YarbFormTest, ControlsShowTheirInitialCaptions) {
  struct Case {
    ui::Control* control;
    ui::Control* parent;
    const wchar_t* caption;
  };
  const Case cases[] = {
      {form.btnStart, form.PrgBtnPage, L"Begin"},
      {form.btnCancel, form.PrgBtnPage, L"Cancel"},
      {form.lblTip1, &form, L"<< click here"},
      {form.lblProgramName, &form, L"Quellon"},
      {form.grTime, form.tabOptions, L"Time"},
      {form.dtpStartTime, form.grTime, L""},
      {form.cbxMonitoredApp, form.tabOptions, L""},
      {form.lblRemainingTimeDesc, form.tabTime, L"Time remaining to shutdown:"},
      {form.lblRemainingTime, form.tabTime, L"00:00:00"},
      {form.lblAppCloseDesc, form.tabTime, L"Application to be closed:"},
      {form.lblAppClose, form.tabTime, L""},
      {form.lblMonitoredAppNameDesc, form.PrgPage, L"Waiting for closing application:"},
      {form.lblMonitoredAppName, form.PrgPage, L""},
      {form.lblMainActionDesc, form.PrgPage, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.control->Caption(), c.caption) << WideToUtf8(c.control->Name());
    EXPECT_EQ(c.control->Parent(), c.parent) << WideToUtf8(c.control->Name());
  }
  EXPECT_EQ(form.actCloseProgram->Caption(), L"Exit");
  EXPECT_EQ(form.actAdvenced->Caption(), L"Advanced");
  EXPECT_EQ(form.actShowHelp->Caption(), L"Help");
  EXPECT_EQ(form.actShowApp->Caption(), L"Hide window");
  EXPECT_EQ(form.actMonitoredAppRefresh->Hint(), L"Refresh (running applications list)");
  EXPECT_EQ(form.btnMonitoredAppRefresh->GetAction(), form.actMonitoredAppRefresh);
}

TEST_F(YarbFormTest, FontsOfTheBigAndTheColouredTexts) {
  EXPECT_EQ(form.lblRemainingTime->GetFont().height, 32);
  EXPECT_TRUE(form.lblRemainingTime->GetFont().bold);
  EXPECT_EQ(form.lblRemainingTime->GetShadow().size, 2);
  EXPECT_EQ(form.lblRemainingTime->GetShadow().position, ui::ShadowPosition::RightBottom);
  EXPECT_EQ(form.lblRemainingTime->GetAlignment(), ui::Alignment::Center);
  EXPECT_EQ(form.lblMonitoredAppName->GetFont(), ui::Font::Pixels(32, true, ui::kMaroon));
  EXPECT_EQ(form.lblAppClose->GetFont().color, ui::kMaroon);
  EXPECT_EQ(form.lblProgramName->GetFont(), ui::Font::Pixels(12, true, ui::kRed));
  EXPECT_EQ(form.lblProgramName->GetAlignment(), ui::Alignment::Right);
  EXPECT_EQ(form.lblTip1->GetFont(), ui::Font::Pixels(13, true));
}

TEST_F(YarbFormTest, PageControlsFillTheirStripsOfTheClientArea) {
  EXPECT_EQ(form.tabctrlMain->Bounds(), (ui::Rect{0, 34, 339, 185}));
  EXPECT_EQ(form.tabctrlButtons->Bounds(), (ui::Rect{0, 219, 339, 38}));
  EXPECT_EQ(form.btnMenu->Bounds(), (ui::Rect{2, 2, 17, 17}));
  EXPECT_EQ(form.lblProgramName->Bounds().Right(), 335);
}

// Everything lies inside its parent, and controls shown together on one
// container do not cover each other.
void CheckLayout(const ui::Control& parent) {
  const auto& children = parent.Controls();
  for (const ui::Control* c : children) {
    ui::Rect b = c->Bounds();
    EXPECT_GE(b.left, 0) << WideToUtf8(c->Name());
    EXPECT_GE(b.top, 0) << WideToUtf8(c->Name());
    EXPECT_LE(b.Right(), parent.ClientWidth()) << WideToUtf8(c->Name());
    EXPECT_LE(b.Bottom(), parent.ClientHeight()) << WideToUtf8(c->Name());
    CheckLayout(*c);
  }
  if (parent.Kind() == ui::ControlKind::PageControl) return;  // pages are stacked
  for (size_t i = 0; i < children.size(); ++i)
    for (size_t j = i + 1; j < children.size(); ++j) {
      const ui::Control* a = children[i];
      const ui::Control* b = children[j];
      if (!a->Visible() || !b->Visible()) continue;
      ui::Rect ra = a->Bounds(), rb = b->Bounds();
      bool apart = ra.Right() <= rb.left || rb.Right() <= ra.left || ra.Bottom() <= rb.top ||
                   rb.Bottom() <= ra.top;
      EXPECT_TRUE(apart) << WideToUtf8(a->Name()) << " covers " << WideToUtf8(b->Name());
    }
}

TEST_F(YarbFormTest, LayoutFitsTheWindow) { CheckLayout(form); }

TEST_F(YarbFormTest, MenusHoldTheirActionsInOrder) {
  auto captions = [](const ui::PopupMenu& m) {
    std::vector<std::wstring> c;
    for (size_t i = 0; i < m.Count(); ++i) c.push_back(m.ItemCaption(i));
    return c;
  };
  EXPECT_EQ(captions(*form.PopupMenu),
            (std::vector<std::wstring>{L"Advanced", L"Help", L"Hide window", L"Exit"}));
  EXPECT_EQ(captions(*form.TrayMenu), (std::vector<std::wstring>{L"Hide window", L"Exit"}));
  EXPECT_TRUE(form.TrayMenu->ItemDefault(0));
  EXPECT_EQ(form.ContextMenu(), form.PopupMenu);
  EXPECT_EQ(form.TrayIcon->Menu(), form.TrayMenu);
  EXPECT_FALSE(form.TrayIcon->Visible());
  EXPECT_EQ(form.TrayIcon->Hint(), form.Caption());
  struct Key {
    ui::Action* action;
    int key;
  };
  for (const Key& k : {Key{form.actAdvenced, ui::keys::kF12}, Key{form.actShowHelp, ui::keys::kF1},
                       Key{form.actShowMenu, ui::keys::kF10}, Key{form.actMonitoredAppRefresh, ui::keys::kF5}})
    EXPECT_EQ(k.action->GetShortCut().key, k.key) << WideToUtf8(k.action->Name());
}

TEST_F(YarbFormTest, ExitClosesTheWindow) {
  form.Show();
  ui::HeadlessUser user(backend);
  EXPECT_TRUE(form.actCloseProgram->Execute());
  EXPECT_TRUE(form.WindowsDestroyed());
  EXPECT_FALSE(user.Click(*form.btnStart));
}

}  // namespace
}  // namespace quellon::app
