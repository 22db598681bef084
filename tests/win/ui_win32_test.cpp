// The control layer on the Win32 backend: the contract suite driven
// through real window messages, and the main window as the system sees it.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/yarb_form.h"
#include "contract/ui_contract.h"
#include "fakes/fake_app_shell.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_registry.h"
#include "ui/check_box.h"
#include "ui/label.h"
#include "ui/radio_button.h"
#include "ui/win32/tray_icon_window.h"
#include "ui/win32/win32_backend.h"
#include "util/text.h"

namespace quellon::test {
namespace {

HWND H(const ui::Component& c) { return reinterpret_cast<HWND>(c.NativeHandle()); }

std::wstring TextOf(HWND hwnd) {
  int n = ::GetWindowTextLengthW(hwnd);
  std::wstring text(static_cast<size_t>(n) + 1, L'\0');
  text.resize(static_cast<size_t>(::GetWindowTextW(hwnd, &text[0], n + 1)));
  return text;
}

void InitControls() {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                            ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  ::InitCommonControlsEx(&icc);
}

class Win32Driver final : public UiDriver {
 public:
  Win32Driver() : backend_((InitControls(), ::GetModuleHandleW(nullptr))) {}

  ui::Backend& GetBackend() override { return backend_; }

  void UserClick(ui::Control& c) override {
    if (c.Kind() == ui::ControlKind::Label)
      ::SendMessageW(H(c), WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
    else
      ::SendMessageW(H(c), BM_CLICK, 0, 0);
    backend_.ProcessMessages();
  }

  void UserType(ui::Control& c, const std::wstring& text) override {
    if (c.Kind() == ui::ControlKind::ComboBox) {
      // Keystrokes into the box's edit field: the box reports each one.
      HWND field = ::FindWindowExW(H(c), nullptr, L"Edit", nullptr);
      ASSERT_NE(field, nullptr);
      ::SendMessageW(field, EM_SETSEL, 0, -1);
      for (wchar_t ch : text) ::SendMessageW(field, WM_CHAR, ch, 1);
    } else {
      ::SetWindowTextW(H(c), text.c_str());
    }
    backend_.ProcessMessages();
  }

  void UserChoose(ui::ComboBox& combo, int index) override {
    HWND h = H(combo);
    ::SendMessageW(h, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    ::SendMessageW(::GetParent(h), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(h), CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(h));
    backend_.ProcessMessages();
  }

  void UserPickTime(ui::TimePicker& picker, int64_t ms) override {
    HWND h = H(picker);
    NMDATETIMECHANGE change{};
    change.nmhdr.hwndFrom = h;
    change.nmhdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(h));
    change.nmhdr.code = DTN_DATETIMECHANGE;
    change.dwFlags = GDT_VALID;
    change.st = {2001, 2, 0, 3, static_cast<WORD>(ms / 3600000), static_cast<WORD>(ms / 60000 % 60),
                 static_cast<WORD>(ms / 1000 % 60), static_cast<WORD>(ms % 1000)};
    ::SendMessageW(h, DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&change.st));
    ::SendMessageW(::GetParent(h), WM_NOTIFY, change.nmhdr.idFrom, reinterpret_cast<LPARAM>(&change));
    backend_.ProcessMessages();
  }

  void UserStep(ui::SpinEdit& spin, int direction) override {
    HWND parent = ::GetParent(H(spin));
    HWND arrows = ::FindWindowExW(parent, nullptr, UPDOWN_CLASSW, nullptr);
    ASSERT_NE(arrows, nullptr);
    NMUPDOWN change{};
    change.hdr.hwndFrom = arrows;
    change.hdr.idFrom = static_cast<UINT_PTR>(::GetDlgCtrlID(arrows));
    change.hdr.code = UDN_DELTAPOS;
    change.iPos = 50;
    change.iDelta = direction;
    ::SendMessageW(parent, WM_NOTIFY, change.hdr.idFrom, reinterpret_cast<LPARAM>(&change));
    backend_.ProcessMessages();
  }

  void UserLeave(ui::Edit& edit, ui::Control& next) override {
    ::SetFocus(H(edit));
    ::SetFocus(H(next));
    backend_.ProcessMessages();
  }

  void UserPressKey(ui::Form& form, int key) override {
    HWND focus = ::GetFocus();
    HWND target = focus && ::GetAncestor(focus, GA_ROOT) == H(form) ? focus : H(form);
    ::PostMessageW(target, WM_KEYDOWN, static_cast<WPARAM>(key), 1);
    ::PostMessageW(target, WM_KEYUP, static_cast<WPARAM>(key), 0xC0000001);
    backend_.ProcessMessages();
  }

  void UserClose(ui::Form& form) override {
    ::SendMessageW(H(form), WM_CLOSE, 0, 0);
    backend_.ProcessMessages();
  }

  // The shell reports clicks on the icon with the icon's callback message.
  void UserDoubleClick(ui::TrayIcon& icon) override {
    ::SendMessageW(H(icon), ui::TrayIconWindow::kCallbackMessage, 1, WM_LBUTTONDBLCLK);
  }
  void UserClickBalloon(ui::TrayIcon& icon) override {
    ::SendMessageW(H(icon), ui::TrayIconWindow::kCallbackMessage, 1, NIN_BALLOONUSERCLICK);
  }

  // Keys queued before the menu opens are read by the menu's own loop.
  void UserWillChooseInMenu(ui::PopupMenu& menu, int index) override {
    HWND owner = H(menu.OwnerForm());
    if (index < 0) {
      ::PostMessageW(owner, WM_KEYDOWN, VK_ESCAPE, 1);
      return;
    }
    for (int i = 0; i <= index; ++i) {
      // Separators are skipped by the arrows.
      if (menu.ItemSeparator(static_cast<size_t>(i))) continue;
      ::PostMessageW(owner, WM_KEYDOWN, VK_DOWN, 1);
    }
    ::PostMessageW(owner, WM_CHAR, L'\r', 1);
  }

  void LetTimePass(int ms) override {
    DWORD start = ::GetTickCount();
    backend_.ProcessMessages();
    for (;;) {
      DWORD passed = ::GetTickCount() - start;
      if (passed >= static_cast<DWORD>(ms)) break;
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ms) - passed, QS_ALLINPUT);
      backend_.ProcessMessages();
    }
  }

  std::wstring ShownText(ui::Control& c) override { return TextOf(H(c)); }
  bool ShownVisible(ui::Control& c) override { return H(c) && ::IsWindowVisible(H(c)); }
  bool ShownEnabled(ui::Control& c) override { return H(c) && ::IsWindowEnabled(H(c)); }
  bool ShownChecked(ui::Control& c) override {
    return ::SendMessageW(H(c), BM_GETCHECK, 0, 0) == BST_CHECKED;
  }
  ui::Rect ShownBounds(ui::Control& c) override {
    RECT r{};
    ::GetWindowRect(H(c), &r);
    ::MapWindowPoints(HWND_DESKTOP, ::GetParent(H(c)), reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
  }
  bool WindowExists(ui::Form& form) override { return H(form) && ::IsWindow(H(form)); }

 private:
  ui::Win32Backend backend_;
};

INSTANTIATE_TEST_SUITE_P(Win32, UiContract,
                         ::testing::Values(UiContractParam{
                             "Win32", [] { return std::unique_ptr<UiDriver>(new Win32Driver); }}),
                         UiContractName);

// Labels and the pointer: watching for the pointer to leave costs the
// system a timer while the pointer rests on the label, so only a label
// with an enter or leave handler asks for it, at the system's hover time.
class LabelPointerWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    InitControls();
    ::GetCursorPos(&saved);
    backend = std::make_unique<ui::Win32Backend>(::GetModuleHandleW(nullptr));
    const ui::FormDesc desc = {L"QuellonPointerForm", L"PointerForm", L"Pointer", 200, 100,
                               ui::BorderStyle::Single, ui::kSystemMenu, false};
    const ui::ControlDesc rows[] = {
        ui::Row(ui::ControlKind::Label, L"plain").Caption(L"Plain").At(10, 10, 120, 24).Flags(ui::kFixedSize),
        ui::Row(ui::ControlKind::Label, L"hover").Caption(L"Hover").At(10, 50, 120, 24).Flags(ui::kFixedSize),
    };
    form = std::make_unique<ui::Form>(*backend, desc);
    form->CreateControls(rows);
    form->Show();
    backend->ProcessMessages();
  }
  void TearDown() override {
    form.reset();
    ::SetCursorPos(saved.x, saved.y);
  }

  ui::Label& LabelNamed(const wchar_t* name) { return form->Get<ui::Label>(name); }

  // The pointer comes to rest on the label: the system's own move, then
  // one more sent, so the label has seen a move with the pointer on it.
  void PointAt(const ui::Label& label) {
    RECT r{};
    ::GetWindowRect(H(label), &r);
    POINT p{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    ::SetCursorPos(p.x, p.y);
    backend->ProcessMessages();
    ::ScreenToClient(H(label), &p);
    ::SendMessageW(H(label), WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
    backend->ProcessMessages();
  }
  // Away from the form; the system tells the tracked label it left.
  void PointAway() {
    RECT r{};
    ::GetWindowRect(H(*form), &r);
    ::SetCursorPos(r.right + 40, r.bottom + 40);
    backend->ProcessMessages();
  }
  static TRACKMOUSEEVENT Tracking() {
    TRACKMOUSEEVENT q{};
    q.cbSize = sizeof(q);
    q.dwFlags = TME_QUERY;
    ::TrackMouseEvent(&q);
    return q;
  }
  static bool LeaveTracked(const ui::Label& label) {
    TRACKMOUSEEVENT q = Tracking();
    return q.hwndTrack == H(label) && (q.dwFlags & TME_LEAVE) != 0;
  }
  // Runs the message loop until done() holds, for at most a few seconds.
  template <typename Done>
  bool RunUntil(Done done) {
    DWORD start = ::GetTickCount();
    while (!done()) {
      if (::GetTickCount() - start > 5000) return false;
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
      backend->ProcessMessages();
    }
    return true;
  }

  POINT saved{};
  std::unique_ptr<ui::Win32Backend> backend;
  std::unique_ptr<ui::Form> form;
};

TEST_F(LabelPointerWin32, OnlyALabelWithEnterOrLeaveHandlersWatchesThePointer) {
  auto& plain = LabelNamed(L"plain");
  PointAt(plain);
  EXPECT_FALSE(LeaveTracked(plain));
  EXPECT_FALSE(plain.MouseInControl());
  PointAway();

  // Handlers come after the window: the next entry counts.
  std::vector<std::wstring> seen;
  auto& hover = LabelNamed(L"hover");
  hover.OnMouseEnter = [&] { seen.push_back(L"enter"); };
  hover.OnMouseLeave = [&] { seen.push_back(L"leave"); };
  PointAt(hover);
  EXPECT_EQ(seen, std::vector<std::wstring>{L"enter"});
  ASSERT_TRUE(LeaveTracked(hover));
  // At the system's hover time, never a shorter one.
  UINT hoverTime = 0;
  ::SystemParametersInfoW(SPI_GETMOUSEHOVERTIME, 0, &hoverTime, 0);
  DWORD asked = Tracking().dwHoverTime;
  EXPECT_TRUE(asked == HOVER_DEFAULT || asked >= hoverTime) << asked;
  PointAway();
  EXPECT_TRUE(RunUntil([&] { return seen.size() == 2; }));
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"enter", L"leave"}));
  EXPECT_FALSE(hover.MouseInControl());

  // Only the leave handler: it still watches.
  plain.OnMouseLeave = [&] { seen.push_back(L"plain leave"); };
  PointAt(plain);
  EXPECT_TRUE(LeaveTracked(plain));
  PointAway();
  EXPECT_TRUE(RunUntil([&] { return seen.size() == 3; }));
  EXPECT_EQ(seen.back(), L"plain leave");
}

// The main window as the system and other programs see it.
class MainWindowWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    InitControls();
    backend = std::make_unique<ui::Win32Backend>(::GetModuleHandleW(nullptr));
    form = std::make_unique<app::TYARBForm>(*backend, app::MainWindowEnv{registry, clock, shell});
    form->Show();
    backend->ProcessMessages();
  }
  HWND Window() const { return H(*form); }

  test::FakeRegistry registry;
  test::FakeClock clock;
  test::FakeAppShell shell;
  std::unique_ptr<ui::Win32Backend> backend;
  std::unique_ptr<app::TYARBForm> form;
};

TEST_F(MainWindowWin32, FixedSingleBorderWithSystemMenuAndMinimiseOnly) {
  LONG style = ::GetWindowLongW(Window(), GWL_STYLE);
  EXPECT_TRUE(style & WS_CAPTION);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_FALSE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_FALSE(style & WS_CHILD);
  EXPECT_TRUE(::IsWindowVisible(Window()));
  wchar_t cls[64] = {};
  ::GetClassNameW(Window(), cls, 64);
  EXPECT_STREQ(cls, L"TYARBForm");
  EXPECT_EQ(TextOf(Window()), L"ZUB");
  EXPECT_EQ(::FindWindowW(L"TYARBForm", L"ZUB"), Window());
}

TEST_F(MainWindowWin32, ClientAreaIs339By257) {
  RECT r{};
  ::GetClientRect(Window(), &r);
  EXPECT_EQ(r.right - r.left, 339);
  EXPECT_EQ(r.bottom - r.top, 257);
  // The form's own idea of its outer size agrees with the window's.
  RECT w{};
  ::GetWindowRect(Window(), &w);
  EXPECT_EQ(w.right - w.left, form->Width());
  EXPECT_EQ(w.bottom - w.top, form->Height());
}

struct ChildWindow {
  std::wstring text;
  std::wstring cls;
  bool visible;
};

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  wchar_t cls[64] = {};
  ::GetClassNameW(hwnd, cls, 64);
  reinterpret_cast<std::vector<ChildWindow>*>(lp)->push_back(
      {TextOf(hwnd), cls, ::IsWindowVisible(hwnd) != FALSE});
  return TRUE;
}

TEST_F(MainWindowWin32, ChildWindowsCarryTheCaptionsTheUserSees) {
  std::vector<ChildWindow> children;
  ::EnumChildWindows(Window(), &CollectChild, reinterpret_cast<LPARAM>(&children));
  auto find = [&](const std::wstring& text, const std::wstring& cls) -> const ChildWindow* {
    for (const ChildWindow& c : children)
      if (c.text == text && UpperCase(c.cls) == UpperCase(cls)) return &c;
    return nullptr;
  };
  struct Expected {
    const wchar_t* text;
    const wchar_t* cls;
    bool visible;
  };
  const Expected expected[] = {
      {L"Begin", L"Button", true},
      {L"Cancel", L"Button", false},
      {L"<< click here", L"QuellonLabel", true},
      {L"Quellon", L"QuellonLabel", true},
      {L"When specified period elapses", L"Button", true},
      {L"When the computer is idle for specifed period", L"Button", true},
      {L"At specified time", L"Button", true},
      {L"When specified application closes", L"Button", true},
      {L"When applications stop playing sounds", L"Button", true},
      {L"Time", L"QuellonGroupBox", true},
      {L"Refresh", L"Button", true},
      {L"Time remaining to shutdown:", L"QuellonLabel", false},
      {L"00:00:00", L"QuellonLabel", false},
      {L"Application to be closed:", L"QuellonLabel", false},
      {L"Waiting for closing application:", L"QuellonLabel", false},
      {L"Last closed application:", L"Static", false},
  };
  for (const Expected& e : expected) {
    const ChildWindow* c = find(e.text, e.cls);
    ASSERT_NE(c, nullptr) << WideToUtf8(e.text);
    EXPECT_EQ(c->visible, e.visible) << WideToUtf8(e.text);
  }
}

TEST_F(MainWindowWin32, TriggerRadioButtonsShowTheirStateAndAnswerClicks) {
  EXPECT_EQ(::SendMessageW(H(*form->cbPeriodOfTime), BM_GETCHECK, 0, 0), BST_CHECKED);
  ::SendMessageW(H(*form->cbTime), BM_CLICK, 0, 0);
  EXPECT_TRUE(form->cbTime->Checked());
  EXPECT_FALSE(form->cbPeriodOfTime->Checked());
  EXPECT_EQ(::SendMessageW(H(*form->cbPeriodOfTime), BM_GETCHECK, 0, 0), BST_UNCHECKED);
}

TEST_F(MainWindowWin32, ClosingTheMainWindowEndsTheMessageLoop) {
  HWND window = Window();
  form->Post(WM_CLOSE);
  int code = backend->Run(*form);
  EXPECT_EQ(code, 0);
  EXPECT_TRUE(form->WindowsDestroyed());
  EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
}  // namespace quellon::test
