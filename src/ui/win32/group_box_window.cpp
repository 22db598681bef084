#include "ui/win32/group_box_window.h"

#include <string>

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

GroupBoxWindow::GroupBoxWindow(Win32Backend& backend, GroupBox& box) : WindowPeer(backend, box) {
  CreateOwn(kClassName, box.Caption().c_str(), ChildStyle() | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
            ParentHwnd(), NativeRect(), backend.NextControlId());
  Attach(Hwnd());
}

void GroupBoxWindow::Changed(Property what) {
  WindowPeer::Changed(what);
  if (what == Property::Text || what == Property::Enabled) ::InvalidateRect(Hwnd(), nullptr, TRUE);
}

void GroupBoxWindow::Paint(HDC dc, const RECT& client) {
  int w = client.right - client.left;
  int h = client.bottom - client.top;
  if (w <= 0 || h <= 0) return;
  win32::UniqueDc mem(::CreateCompatibleDC(dc));
  win32::UniqueGdiObject bitmap(::CreateCompatibleBitmap(dc, w, h));
  if (!mem || !bitmap) return;
  win32::ScopedSelectObject selBitmap(mem.get(), bitmap.get());
  HBRUSH face = ::GetSysColorBrush(COLOR_BTNFACE);
  ::FillRect(mem.get(), &client, face);
  win32::ScopedSelectObject selFont(mem.get(), CurrentFont());
  const std::wstring& caption = control_.Caption();
  TEXTMETRICW tm{};
  ::GetTextMetricsW(mem.get(), &tm);
  RECT frame = client;
  frame.top += tm.tmHeight / 2;
  ::DrawEdge(mem.get(), &frame, EDGE_ETCHED, BF_RECT);
  if (!caption.empty()) {
    RECT text{8, 0, w - 8, tm.tmHeight};
    ::DrawTextW(mem.get(), caption.c_str(), static_cast<int>(caption.size()), &text,
                DT_CALCRECT | DT_SINGLELINE);
    RECT back = text;
    back.left -= 2;
    back.right += 2;
    ::FillRect(mem.get(), &back, face);
    ::SetBkMode(mem.get(), TRANSPARENT);
    ::SetTextColor(mem.get(), ::GetSysColor(control_.Enabled() ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
    ::DrawTextW(mem.get(), caption.c_str(), static_cast<int>(caption.size()), &text, DT_SINGLELINE);
  }
  ::BitBlt(dc, 0, 0, w, h, mem.get(), 0, 0, SRCCOPY);
}

LRESULT GroupBoxWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = ::BeginPaint(Hwnd(), &ps);
      RECT client{};
      ::GetClientRect(Hwnd(), &client);
      Paint(dc, client);
      ::EndPaint(Hwnd(), &ps);
      return 0;
    }
    case WM_SETFONT:
      ::InvalidateRect(Hwnd(), nullptr, TRUE);
      return 0;
    default:
      return WindowPeer::WndProc(msg, wp, lp);
  }
}

}  // namespace quellon::ui
