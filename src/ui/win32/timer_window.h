// A timer: a message-only window of our own class with one system timer.
#pragma once
#include "ui/backend.h"
#include "ui/timer.h"
#include "ui/win32/native_window.h"

namespace quellon::ui {

class TimerWindow final : public Peer, public NativeWindow {
 public:
  static constexpr const wchar_t* kClassName = L"QuellonTimerSink";
  TimerWindow(Win32Backend& backend, Timer& timer);
  ~TimerWindow() override;
  void Changed(Property what) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  Timer& timer_;
};

}  // namespace quellon::ui
