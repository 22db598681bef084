#include "ui/win32/check_box_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

CheckBoxWindow::CheckBoxWindow(Win32Backend& backend, CheckBox& box) : WindowPeer(backend, box), box_(box) {
  Attach(CreateStandard(L"BUTTON", box.Caption().c_str(), ChildStyle() | WS_TABSTOP | BS_CHECKBOX, 0,
                        ParentHwnd(), NativeRect(), backend.NextControlId()));
  Changed(Property::Checked);
}

void CheckBoxWindow::Changed(Property what) {
  if (what == Property::Checked) {
    Updating guard(*this);
    ::SendMessageW(Hwnd(), BM_SETCHECK, box_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    return;
  }
  WindowPeer::Changed(what);
}

bool CheckBoxWindow::OnCommand(WORD code) {
  if (code != BN_CLICKED || updating_) return false;
  box_.Click();
  return true;
}

}  // namespace quellon::ui
