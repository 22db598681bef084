#include "ui/win32/label_window.h"

#include <string>

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

LabelWindow::LabelWindow(Win32Backend& backend, Label& label) : WindowPeer(backend, label), label_(label) {
  CreateOwn(kClassName, label.Caption().c_str(), ChildStyle(), 0, ParentHwnd(), NativeRect(),
            backend.NextControlId());
  Attach(Hwnd());
}

void LabelWindow::Changed(Property what) {
  switch (what) {
    case Property::Alignment:
    case Property::Shadow:
      ::InvalidateRect(Hwnd(), nullptr, FALSE);
      break;
    case Property::Enabled:
      WindowPeer::Changed(what);
      ::InvalidateRect(Hwnd(), nullptr, FALSE);
      break;
    default:
      WindowPeer::Changed(what);
      break;
  }
}

void LabelWindow::Paint(HDC dc, const RECT& client) {
  int w = client.right - client.left;
  int h = client.bottom - client.top;
  if (w <= 0 || h <= 0) return;
  win32::UniqueDc mem(::CreateCompatibleDC(dc));
  win32::UniqueGdiObject bitmap(::CreateCompatibleBitmap(dc, w, h));
  if (!mem || !bitmap) return;
  win32::ScopedSelectObject selBitmap(mem.get(), bitmap.get());
  HBRUSH background =
      brush_ ? static_cast<HBRUSH>(brush_.get()) : ::GetSysColorBrush(COLOR_BTNFACE);
  ::FillRect(mem.get(), &client, background);

  win32::ScopedSelectObject selFont(mem.get(), CurrentFont());
  ::SetBkMode(mem.get(), TRANSPARENT);
  UINT flags = DT_EXPANDTABS;
  if (label_.WordWrap()) flags |= DT_WORDBREAK;
  if (!label_.ShowAccelChar()) flags |= DT_NOPREFIX;
  switch (label_.GetAlignment()) {
    case Alignment::Left: flags |= DT_LEFT; break;
    case Alignment::Center: flags |= DT_CENTER; break;
    case Alignment::Right: flags |= DT_RIGHT; break;
  }
  RECT text = client;
  ::InflateRect(&text, -1, -1);

  Shadow shadow = label_.GetShadow();
  COLORREF textColor = ResolveColor(label_.GetFont().color, COLOR_BTNTEXT);
  COLORREF shadowColor = ResolveColor(shadow.color, COLOR_BTNHIGHLIGHT);
  if (!label_.Enabled()) {
    // Engraved: grey text over a highlight.
    if (shadow.size == 0) shadow = {1, ShadowPosition::RightBottom, kBtnHighlight};
    textColor = ::GetSysColor(COLOR_GRAYTEXT);
    shadowColor = ::GetSysColor(COLOR_BTNHIGHLIGHT);
  }
  const std::wstring& caption = label_.Caption();
  if (shadow.size > 0) {
    int s = shadow.size;
    int dx = (shadow.position == ShadowPosition::RightBottom || shadow.position == ShadowPosition::RightTop) ? s : -s;
    int dy = (shadow.position == ShadowPosition::RightBottom || shadow.position == ShadowPosition::LeftBottom) ? s : -s;
    RECT sr = text;
    ::OffsetRect(&sr, dx, dy);
    ::SetTextColor(mem.get(), shadowColor);
    ::DrawTextW(mem.get(), caption.c_str(), static_cast<int>(caption.size()), &sr, flags);
  }
  ::SetTextColor(mem.get(), textColor);
  ::DrawTextW(mem.get(), caption.c_str(), static_cast<int>(caption.size()), &text, flags);
  ::BitBlt(dc, 0, 0, w, h, mem.get(), 0, 0, SRCCOPY);
}

LRESULT LabelWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
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
    case WM_SETTEXT: {
      LRESULT r = Default(msg, wp, lp);
      ::InvalidateRect(Hwnd(), nullptr, FALSE);
      if (!updating_ && lp) label_.NativeTextChanged(reinterpret_cast<const wchar_t*>(lp));
      return r;
    }
    case WM_SETFONT:
      ::InvalidateRect(Hwnd(), nullptr, FALSE);
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(CurrentFont());
    case WM_GETDLGCODE:
      return DLGC_STATIC;
    case WM_LBUTTONUP: {
      POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
      RECT client{};
      ::GetClientRect(Hwnd(), &client);
      if (::PtInRect(&client, pt)) label_.Click();
      return 0;
    }
    case WM_MOUSEMOVE:
      // Watching for the leave costs the system a timer for as long as the
      // pointer rests here (under Wine one at the given hover time, a busy
      // poll for a short one), so only a label that answers enter or leave
      // asks, decided at each entry since handlers come after the window,
      // and at the system's hover time.
      if (!tracking_ && label_.TracksMouse()) {
        TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, Hwnd(), HOVER_DEFAULT};
        tracking_ = ::TrackMouseEvent(&tme) != FALSE;
        label_.NativeMouseEnter();
      }
      return 0;
    case WM_MOUSELEAVE:
      tracking_ = false;
      label_.NativeMouseLeave();
      return 0;
    default:
      return Default(msg, wp, lp);
  }
}

}  // namespace quellon::ui
