// The notification-area icon: a hidden top-level window of our own class
// (it must hear the "TaskbarCreated" broadcast to come back after
// Explorer restarts) that owns the icon and its callback messages.
#pragma once
#include "os/win32/handles.h"
#include "ui/backend.h"
#include "ui/tray_icon.h"
#include "ui/win32/native_window.h"

namespace quellon::ui {

class TrayIconWindow final : public Peer, public NativeWindow {
 public:
  static constexpr const wchar_t* kClassName = L"QuellonTrayIcon";
  static constexpr UINT kCallbackMessage = WM_APP + 1;
  TrayIconWindow(Win32Backend& backend, TrayIcon& icon);
  ~TrayIconWindow() override;

  void Changed(Property what) override;
  uintptr_t NativeHandle() const override { return reinterpret_cast<uintptr_t>(Hwnd()); }

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool Add();
  void Remove();
  void Modify(UINT flags);

  TrayIcon& icon_;
  win32::UniqueIcon ownIcon_;
  HICON hicon_ = nullptr;
  bool added_ = false;
  UINT taskbarCreated_ = 0;
};

}  // namespace quellon::ui
