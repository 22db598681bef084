#include "os/win32/app_window_win32.h"

namespace quellon::win32 {

const wchar_t kApplicationWindowClass[] = L"TQuellonApplication";

namespace {

LRESULT CALLBACK AppWndProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  return DefWindowProcW(wnd, msg, wp, lp);
}

}  // namespace

HWND ApplicationWindow() {
  static HWND wnd = nullptr;
  if (wnd && IsWindow(wnd)) return wnd;
  HINSTANCE inst = GetModuleHandleW(nullptr);
  WNDCLASSW wc = {};
  wc.lpfnWndProc = AppWndProc;
  wc.hInstance = inst;
  wc.lpszClassName = kApplicationWindowClass;
  RegisterClassW(&wc);  // fails harmlessly when already registered
  // A zero-size popup that is never shown: it owns the boxes, so they are
  // not tied to the main window's visibility (it may be hidden in the tray).
  wnd = CreateWindowExW(WS_EX_TOOLWINDOW, kApplicationWindowClass, L"ZUB", WS_POPUP, 0, 0, 0, 0,
                        nullptr, nullptr, inst, nullptr);
  return wnd;
}

}  // namespace quellon::win32
