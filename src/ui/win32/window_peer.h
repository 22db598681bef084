// The peer of one control: its window, kept in step with the control's
// state. Containers (forms, group boxes, pages) hand the notifications of
// their child windows (WM_COMMAND, WM_NOTIFY, WM_CTLCOLOR*) to the child's
// peer, which turns them into the control's Native*/Click calls.
#pragma once
#include <windows.h>
#include <commctrl.h>

#include "os/win32/handles.h"
#include "ui/backend.h"
#include "ui/control.h"
#include "ui/win32/native_window.h"

namespace quellon::ui {

class WindowPeer : public Peer, public NativeWindow {
 public:
  WindowPeer(Win32Backend& backend, Control& control);
  ~WindowPeer() override;

  uintptr_t NativeHandle() const override { return reinterpret_cast<uintptr_t>(Hwnd()); }
  void Changed(Property what) override;
  Control& GetControl() const { return control_; }

  // Notifications from the parent; true when handled.
  virtual bool OnCommand(WORD code);
  virtual bool OnNotify(NMHDR* header, LRESULT& result);
  // A brush for WM_CTLCOLOR*, or nullptr for the system's colours.
  virtual HBRUSH OnCtlColor(UINT msg, HDC dc);

 protected:
  // Window bounds for the control's bounds (a combo box adds its list).
  virtual Rect NativeRect() const { return control_.Bounds(); }
  HWND ParentHwnd() const;
  // Registers the window and applies the common state (font, visibility,
  // enabled); call once the window exists.
  void Attach(HWND hwnd);
  // Puts the window after its previous sibling in the parent's order.
  void Restack();
  void ApplyFont();
  void ApplyColor();
  HFONT CurrentFont() const;
  // Common style bits: WS_CHILD plus visibility and enabled state.
  DWORD ChildStyle() const;

  // Container side: hands a child's notification to its peer.
  bool Reflect(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
  LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp) override;

  // Set while the peer itself changes its window, so that the
  // notification that follows is not mistaken for the user's.
  bool updating_ = false;
  struct Updating {
    explicit Updating(WindowPeer& p) : p_(p), old_(p.updating_) { p.updating_ = true; }
    ~Updating() { p_.updating_ = old_; }
    WindowPeer& p_;
    bool old_;
  };

  Control& control_;
  win32::UniqueGdiObject font_;
  win32::UniqueGdiObject brush_;
};

}  // namespace quellon::ui
