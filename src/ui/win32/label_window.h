// A label: our own window class, painted through a memory bitmap (no
// flicker when the countdown changes every second), its window text the
// caption. Text set from outside with WM_SETTEXT becomes the caption.
#pragma once
#include "ui/label.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class LabelWindow final : public WindowPeer {
 public:
  static constexpr const wchar_t* kClassName = L"QuellonLabel";
  LabelWindow(Win32Backend& backend, Label& label);

  void Changed(Property what) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc, const RECT& client);
  Label& label_;
  bool tracking_ = false;
};

}  // namespace quellon::ui
