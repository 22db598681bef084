#include "ui/win32/timer_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

namespace {
constexpr UINT_PTR kTimerId = 1;
}  // namespace

TimerWindow::TimerWindow(Win32Backend& backend, Timer& timer) : NativeWindow(backend), timer_(timer) {
  CreateOwn(kClassName, timer.Name().c_str(), 0, 0, HWND_MESSAGE, {}, 0);
  Changed(Property::Enabled);
}

TimerWindow::~TimerWindow() {
  if (Hwnd()) ::KillTimer(Hwnd(), kTimerId);
}

void TimerWindow::Changed(Property) {
  if (!Hwnd()) return;
  // Setting the timer again starts its interval anew.
  ::KillTimer(Hwnd(), kTimerId);
  if (timer_.Active()) ::SetTimer(Hwnd(), kTimerId, static_cast<UINT>(timer_.Interval()), nullptr);
}

LRESULT TimerWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_TIMER && wp == kTimerId) {
    timer_.Fire();
    return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace quellon::ui
