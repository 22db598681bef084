// A group box: our own container class painting an etched frame with the
// caption in its top edge; it passes its children's notifications on.
#pragma once
#include "ui/group_box.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class GroupBoxWindow final : public WindowPeer {
 public:
  static constexpr const wchar_t* kClassName = L"QuellonGroupBox";
  GroupBoxWindow(Win32Backend& backend, GroupBox& box);
  void Changed(Property what) override;

 protected:
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void Paint(HDC dc, const RECT& client);
};

}  // namespace quellon::ui
