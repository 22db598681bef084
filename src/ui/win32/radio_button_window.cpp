#include "ui/win32/radio_button_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

RadioButtonWindow::RadioButtonWindow(Win32Backend& backend, RadioButton& button)
    : WindowPeer(backend, button), button_(button) {
  Attach(CreateStandard(L"BUTTON", button.Caption().c_str(),
                        ChildStyle() | WS_TABSTOP | BS_RADIOBUTTON, 0, ParentHwnd(), NativeRect(),
                        backend.NextControlId()));
  Changed(Property::Checked);
}

void RadioButtonWindow::Changed(Property what) {
  if (what == Property::Checked) {
    Updating guard(*this);
    ::SendMessageW(Hwnd(), BM_SETCHECK, button_.Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
    return;
  }
  WindowPeer::Changed(what);
}

bool RadioButtonWindow::OnCommand(WORD code) {
  if (code != BN_CLICKED || updating_) return false;
  button_.Click();
  return true;
}

}  // namespace quellon::ui
