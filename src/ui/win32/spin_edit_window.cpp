#include "ui/win32/spin_edit_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

namespace {
constexpr int kArrowsWidth = 16;
}  // namespace

SpinEditWindow::SpinEditWindow(Win32Backend& backend, SpinEdit& spin)
    : EditWindow(backend, spin, kArrowsWidth), spin_(spin) {
  Rect b = spin.Bounds();
  arrows_ = ::CreateWindowExW(0, UPDOWN_CLASSW, L"", ChildStyle(), b.Right() - kArrowsWidth, b.top,
                              kArrowsWidth, b.height, ParentHwnd(), nullptr, backend.Instance(), nullptr);
  arrowsOwner_.reset(arrows_);
  if (arrows_) {
    // The arrows only propose a step; the control applies it.
    ::SendMessageW(arrows_, UDM_SETRANGE32, 0, 100);
    ::SendMessageW(arrows_, UDM_SETPOS32, 0, 50);
    backend.Register(arrows_, this);
  }
}

SpinEditWindow::~SpinEditWindow() {
  if (arrows_) backend_.Unregister(arrows_);
}

void SpinEditWindow::PlaceArrows() {
  if (!arrows_) return;
  Rect b = spin_.Bounds();
  ::SetWindowPos(arrows_, nullptr, b.Right() - kArrowsWidth, b.top, kArrowsWidth, b.height,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  ::ShowWindow(arrows_, spin_.Visible() ? SW_SHOWNA : SW_HIDE);
  ::EnableWindow(arrows_, spin_.Enabled());
}

void SpinEditWindow::Changed(Property what) {
  EditWindow::Changed(what);
  switch (what) {
    case Property::Bounds:
    case Property::Visible:
    case Property::Enabled:
      PlaceArrows();
      break;
    case Property::Parent:
      if (arrows_) ::SetParent(arrows_, ParentHwnd());
      PlaceArrows();
      break;
    default:
      break;
  }
}

bool SpinEditWindow::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->hwndFrom != arrows_ || header->code != UDN_DELTAPOS) return false;
  auto* change = reinterpret_cast<NMUPDOWN*>(header);
  spin_.NativeStep(change->iDelta > 0 ? 1 : -1);
  result = 1;  // keep the arrows' own position
  return true;
}

}  // namespace quellon::ui
