#include "ui/win32/win32_backend.h"

#include <commctrl.h>

#include <string>

#include "ui/action.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/kinds.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/progress_bar.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"
#include "ui/timer.h"
#include "ui/win32/button_window.h"
#include "ui/win32/check_box_window.h"
#include "ui/win32/combo_box_window.h"
#include "ui/win32/edit_window.h"
#include "ui/win32/form_window.h"
#include "ui/win32/group_box_window.h"
#include "ui/win32/label_window.h"
#include "ui/win32/page_control_window.h"
#include "ui/win32/progress_bar_window.h"
#include "ui/win32/radio_button_window.h"
#include "ui/win32/spin_edit_window.h"
#include "ui/win32/tab_sheet_window.h"
#include "ui/win32/time_picker_window.h"
#include "ui/win32/timer_window.h"
#include "ui/win32/tray_icon_window.h"
#include "ui/popup_menu.h"
#include "ui/tray_icon.h"
#include "util/exception.h"
#include "util/text.h"

namespace quellon::ui {

namespace {

// Actions and popup menus have no window.
class NoWindowPeer final : public Peer {
 public:
  void Changed(Property) override {}
};

LOGFONTW ControlLogFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0))
    return metrics.lfMessageFont;
  LOGFONTW lf{};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf);
  return lf;
}

std::unique_ptr<Peer> MakeNoWindow(Win32Backend&, Component&) { return std::make_unique<NoWindowPeer>(); }

// The window for each kind; actions and popup menus have none (a menu is
// built afresh each time it opens).
constexpr PeerRow<Win32Backend> kPeers[] = {
    {ControlKind::Form, &MakePeer<FormWindow, Form>},
    {ControlKind::Label, &MakePeer<LabelWindow, Label>},
    {ControlKind::Button, &MakePeer<ButtonWindow, Button>},
    {ControlKind::CheckBox, &MakePeer<CheckBoxWindow, CheckBox>},
    {ControlKind::RadioButton, &MakePeer<RadioButtonWindow, RadioButton>},
    {ControlKind::GroupBox, &MakePeer<GroupBoxWindow, GroupBox>},
    {ControlKind::PageControl, &MakePeer<PageControlWindow, PageControl>},
    {ControlKind::TabSheet, &MakePeer<TabSheetWindow, TabSheet>},
    {ControlKind::ComboBox, &MakePeer<ComboBoxWindow, ComboBox>},
    {ControlKind::Edit, &MakePeer<EditWindow, Edit>},
    {ControlKind::SpinEdit, &MakePeer<SpinEditWindow, SpinEdit>},
    {ControlKind::TimePicker, &MakePeer<TimePickerWindow, TimePicker>},
    {ControlKind::ProgressBar, &MakePeer<ProgressBarWindow, ProgressBar>},
    {ControlKind::Timer, &MakePeer<TimerWindow, Timer>},
    {ControlKind::Action, &MakeNoWindow},
    {ControlKind::PopupMenu, &MakeNoWindow},
    {ControlKind::TrayIcon, &MakePeer<TrayIconWindow, TrayIcon>},
};
static_assert(OneRowPerKind(kPeers), "one peer row per kind, in ControlKind's order");

}  // namespace

COLORREF ResolveColor(Color color, int defaultIndex) {
  if (color == kDefaultColor) return ::GetSysColor(defaultIndex);
  if (IsSystemColor(color)) return ::GetSysColor(static_cast<int>(color & 0xFF));
  return static_cast<COLORREF>(color);
}

Win32Backend::Win32Backend(HINSTANCE instance) : instance_(instance) {
  LOGFONTW lf = ControlLogFont();
  controlFont_.reset(::CreateFontIndirectW(&lf));
  HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
  NativeWindow::RegisterOwnClass(instance_, LabelWindow::kClassName, nullptr);
  NativeWindow::RegisterOwnClass(instance_, GroupBoxWindow::kClassName, nullptr);
  NativeWindow::RegisterOwnClass(instance_, PageControlWindow::kClassName, face);
  NativeWindow::RegisterOwnClass(instance_, TabSheetWindow::kClassName, face);
  NativeWindow::RegisterOwnClass(instance_, TimerWindow::kClassName, nullptr);
  NativeWindow::RegisterOwnClass(instance_, TrayIconWindow::kClassName, nullptr);
}

Win32Backend::~Win32Backend() = default;

HFONT Win32Backend::ControlFont() const {
  return controlFont_ ? static_cast<HFONT>(controlFont_.get())
                      : static_cast<HFONT>(::GetStockObject(DEFAULT_GUI_FONT));
}

win32::UniqueGdiObject Win32Backend::MakeFont(const Font& font) const {
  if (font.height <= 0 && !font.bold) return win32::UniqueGdiObject();
  LOGFONTW lf = ControlLogFont();
  if (font.height > 0) lf.lfHeight = -font.height;
  if (font.bold) lf.lfWeight = FW_BOLD;
  return win32::UniqueGdiObject(::CreateFontIndirectW(&lf));
}

const wchar_t* Win32Backend::FormClass(const std::wstring& className, HBRUSH background) {
  const wchar_t* name = className.empty() ? L"QuellonForm" : className.c_str();
  HICON icon = ::LoadIconW(instance_, L"MAINICON");
  NativeWindow::RegisterOwnClass(instance_, name, background, CS_DBLCLKS,
                                 icon ? icon : ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION)));
  return name;
}

DWORD Win32Backend::FormStyle(const Form& form) {
  DWORD style = WS_CLIPCHILDREN;
  switch (form.Border()) {
    case BorderStyle::None: style |= WS_POPUP; break;
    case BorderStyle::Sizeable: style |= WS_OVERLAPPED | WS_CAPTION | WS_THICKFRAME; break;
    case BorderStyle::Single:
    case BorderStyle::Dialog:
    case BorderStyle::ToolWindow: style |= WS_OVERLAPPED | WS_CAPTION; break;
  }
  if (form.Border() != BorderStyle::None) {
    unsigned icons = form.BorderIcons();
    if (icons & kSystemMenu) style |= WS_SYSMENU;
    if (form.Border() != BorderStyle::Dialog && form.Border() != BorderStyle::ToolWindow) {
      if (icons & kMinimizeBox) style |= WS_MINIMIZEBOX;
      if (icons & kMaximizeBox) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD Win32Backend::FormExStyle(const Form& form) {
  DWORD ex = WS_EX_CONTROLPARENT | WS_EX_APPWINDOW;
  if (form.Border() == BorderStyle::Dialog) ex |= WS_EX_DLGMODALFRAME;
  if (form.Border() == BorderStyle::ToolWindow) ex = (ex & ~WS_EX_APPWINDOW) | WS_EX_TOOLWINDOW;
  return ex;
}

std::unique_ptr<Peer> Win32Backend::CreatePeer(Component& c) {
  return RowOfKind(kPeers, c.Kind()).make(*this, c);
}

Extent Win32Backend::MeasureText(const std::wstring& text, const Font& font) {
  win32::UniqueGdiObject own = MakeFont(font);
  HFONT hfont = own ? static_cast<HFONT>(own.get()) : ControlFont();
  win32::ScopedGetDc dc(nullptr);
  win32::ScopedSelectObject select(dc.get(), hfont);
  RECT r{0, 0, 0, 0};
  ::DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_EXPANDTABS);
  return {r.right - r.left, r.bottom - r.top};
}

Extent Win32Backend::FrameExtent(const Form& form) {
  RECT r{0, 0, 100, 100};
  ::AdjustWindowRectEx(&r, FormStyle(form), FALSE, FormExStyle(form));
  return {r.right - r.left - 100, r.bottom - r.top - 100};
}

Rect Win32Backend::WorkArea() {
  RECT r{0, 0, 800, 600};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
  return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Win32Backend::Register(HWND hwnd, WindowPeer* peer) {
  if (hwnd) peers_[hwnd] = peer;
}

void Win32Backend::Unregister(HWND hwnd) { peers_.erase(hwnd); }

WindowPeer* Win32Backend::PeerOf(HWND hwnd) const {
  auto it = peers_.find(hwnd);
  return it == peers_.end() ? nullptr : it->second;
}

bool Win32Backend::RouteKey(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  HWND root = ::GetAncestor(msg.hwnd, GA_ROOT);
  auto* peer = dynamic_cast<FormWindow*>(PeerOf(root));
  if (!peer) return false;
  unsigned shift = kNoShift;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= kShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= kCtrl;
  if (::GetKeyState(VK_MENU) < 0) shift |= kAlt;
  try {
    return static_cast<Form&>(peer->GetControl()).ShortCut(static_cast<int>(msg.wParam), shift);
  } catch (...) {
    ReportException(std::current_exception());
    return true;
  }
}

void Win32Backend::Dispatch(MSG& msg) {
  if (RouteKey(msg)) return;
  // Tab, arrows, Enter and Escape work in our forms as in dialogs.
  HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && dynamic_cast<FormWindow*>(PeerOf(root)) && ::IsDialogMessageW(root, &msg)) return;
  ::TranslateMessage(&msg);
  ::DispatchMessageW(&msg);
}

void Win32Backend::ProcessMessages() {
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      // Leave it for the main loop.
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

int Win32Backend::Run(Form& mainForm) {
  mainForm_ = &mainForm;
  MSG msg{};
  int code = 0;
  if (mainForm.HandleAllocated() && !mainForm.WindowsDestroyed()) {
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    code = msg.message == WM_QUIT ? static_cast<int>(msg.wParam) : 0;
  }
  mainForm_ = nullptr;
  return code;
}

void Win32Backend::RunModal(Form& form) {
  MSG msg{};
  while (form.GetModalResult() == mrNone && form.Visible() && !form.WindowsDestroyed()) {
    BOOL got = ::GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      // The program is ending: leave the quit for the main loop.
      if (got == 0) ::PostQuitMessage(static_cast<int>(msg.wParam));
      return;
    }
    Dispatch(msg);
  }
}

int Win32Backend::TrackPopup(PopupMenu& menu, Point at) {
  win32::UniqueMenu hmenu(::CreatePopupMenu());
  if (!hmenu) return -1;
  int shown = 0;
  for (size_t i = 0; i < menu.Count(); ++i) {
    if (!menu.ItemVisible(i)) continue;
    UINT_PTR id = i + 1;
    if (menu.ItemSeparator(i)) {
      ::AppendMenuW(hmenu.get(), MF_SEPARATOR, 0, nullptr);
      continue;
    }
    std::wstring caption = menu.ItemCaption(i);
    ::AppendMenuW(hmenu.get(), MF_STRING | (menu.ItemEnabled(i) ? MF_ENABLED : MF_GRAYED), id, caption.c_str());
    if (menu.ItemDefault(i)) ::SetMenuDefaultItem(hmenu.get(), static_cast<UINT>(id), FALSE);
    ++shown;
  }
  if (shown == 0) return -1;
  HWND owner = reinterpret_cast<HWND>(menu.OwnerForm().NativeHandle());
  // Without the foreground the menu would not close when the user clicks
  // elsewhere (a menu opened from the notification area).
  ::SetForegroundWindow(owner);
  UINT chosen = static_cast<UINT>(::TrackPopupMenu(hmenu.get(), TPM_RETURNCMD | TPM_NONOTIFY | TPM_RIGHTBUTTON,
                                                    at.x, at.y, 0, owner, nullptr));
  ::PostMessageW(owner, WM_NULL, 0, 0);
  return chosen == 0 ? -1 : static_cast<int>(chosen - 1);
}

void Win32Backend::Post(Form& form, const Message& m) {
  ::PostMessageW(reinterpret_cast<HWND>(form.NativeHandle()), m.msg, m.wparam, m.lparam);
}

void Win32Backend::DefaultException(std::exception_ptr error) {
  std::wstring text = L"Unknown error.";
  try {
    std::rethrow_exception(error);
  } catch (const SilentAbort&) {
    return;  // the user has already been told
  } catch (const Exception& e) {
    text = e.Message();
  } catch (const std::exception& e) {
    text = Utf8ToWide(e.what());  // the runtime's own, such as bad_alloc
  } catch (...) {
  }
  HWND owner = mainForm_ ? reinterpret_cast<HWND>(mainForm_->NativeHandle()) : nullptr;
  ::MessageBoxW(owner, text.c_str(), L"Error", MB_OK | MB_ICONERROR);
}

}  // namespace quellon::ui
