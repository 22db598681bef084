#include "ui/win32/window_peer.h"

#include <string>

#include "ui/form.h"
#include "ui/win32/win32_backend.h"

namespace quellon::ui {

WindowPeer::WindowPeer(Win32Backend& backend, Control& control)
    : NativeWindow(backend), control_(control) {}

WindowPeer::~WindowPeer() {
  if (Hwnd()) backend_.Unregister(Hwnd());
  DestroyHandle();
}

HWND WindowPeer::ParentHwnd() const {
  Control* parent = control_.Parent();
  return parent ? reinterpret_cast<HWND>(parent->NativeHandle()) : nullptr;
}

DWORD WindowPeer::ChildStyle() const {
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (control_.Visible()) style |= WS_VISIBLE;
  if (!control_.Enabled()) style |= WS_DISABLED;
  return style;
}

void WindowPeer::Attach(HWND hwnd) {
  backend_.Register(hwnd, this);
  ApplyFont();
  ApplyColor();
  Restack();
}

HFONT WindowPeer::CurrentFont() const {
  return font_ ? static_cast<HFONT>(font_.get()) : backend_.ControlFont();
}

void WindowPeer::ApplyFont() {
  font_ = backend_.MakeFont(control_.GetFont());
  ::SendMessageW(Hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(CurrentFont()), TRUE);
}

void WindowPeer::ApplyColor() {
  brush_.reset();
  if (control_.GetColor() != kDefaultColor)
    brush_.reset(::CreateSolidBrush(ResolveColor(control_.GetColor(), COLOR_WINDOW)));
  ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void WindowPeer::Restack() {
  Control* parent = control_.Parent();
  if (!parent) return;
  HWND after = HWND_TOP;
  for (Control* sibling : parent->Controls()) {
    if (sibling == &control_) break;
    if (HWND h = reinterpret_cast<HWND>(sibling->NativeHandle())) after = h;
  }
  ::SetWindowPos(Hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void WindowPeer::Changed(Property what) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  Updating guard(*this);
  switch (what) {
    case Property::Text:
      ::SetWindowTextW(hwnd, control_.Text().c_str());
      break;
    case Property::Bounds: {
      Rect r = NativeRect();
      ::SetWindowPos(hwnd, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Property::Visible:
      ::ShowWindow(hwnd, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::Enabled:
      ::EnableWindow(hwnd, control_.Enabled());
      break;
    case Property::Font:
      ApplyFont();
      break;
    case Property::Color:
      ApplyColor();
      break;
    case Property::TabOrder:
      Restack();
      break;
    case Property::Parent: {
      ::SetParent(hwnd, ParentHwnd());
      Rect r = NativeRect();
      ::SetWindowPos(hwnd, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
      Restack();
      break;
    }
    case Property::Focus:
      ::SetFocus(hwnd);
      break;
    default:
      break;
  }
}

bool WindowPeer::OnCommand(WORD) { return false; }

bool WindowPeer::OnNotify(NMHDR*, LRESULT&) { return false; }

HBRUSH WindowPeer::OnCtlColor(UINT, HDC dc) {
  const Font& f = control_.GetFont();
  if (!brush_ && f.color == kDefaultColor) return nullptr;
  if (f.color != kDefaultColor) ::SetTextColor(dc, ResolveColor(f.color, COLOR_BTNTEXT));
  if (brush_) {
    ::SetBkColor(dc, ResolveColor(control_.GetColor(), COLOR_WINDOW));
    return static_cast<HBRUSH>(brush_.get());
  }
  ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
  return ::GetSysColorBrush(COLOR_BTNFACE);
}

bool WindowPeer::Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  HWND child = nullptr;
  switch (msg) {
    case WM_COMMAND: child = reinterpret_cast<HWND>(lp); break;
    case WM_NOTIFY: child = reinterpret_cast<NMHDR*>(lp)->hwndFrom; break;
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC: child = reinterpret_cast<HWND>(lp); break;
    default: return false;
  }
  // The sender may be an inner window of a control (a combo box's edit):
  // the control is the nearest registered window on the way up.
  WindowPeer* peer = nullptr;
  for (HWND h = child; h && h != Hwnd() && !peer; h = ::GetParent(h)) peer = backend_.PeerOf(h);
  if (!peer) return false;
  switch (msg) {
    case WM_COMMAND:
      if (peer->OnCommand(HIWORD(wp))) {
        result = 0;
        return true;
      }
      return false;
    case WM_NOTIFY:
      return peer->OnNotify(reinterpret_cast<NMHDR*>(lp), result);
    default:
      if (HBRUSH b = peer->OnCtlColor(msg, reinterpret_cast<HDC>(wp))) {
        result = reinterpret_cast<LRESULT>(b);
        return true;
      }
      return false;
  }
}

LRESULT WindowPeer::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (Reflect(msg, wp, lp, result)) return result;
  return Default(msg, wp, lp);
}

}  // namespace quellon::ui
