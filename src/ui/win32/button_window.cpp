#include "ui/win32/button_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

ButtonWindow::ButtonWindow(Win32Backend& backend, Button& button) : WindowPeer(backend, button), button_(button) {
  DWORD style = ChildStyle() | WS_TABSTOP | (button.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
  Attach(CreateStandard(L"BUTTON", button.Caption().c_str(), style, 0, ParentHwnd(), NativeRect(),
                        backend.NextControlId()));
}

void ButtonWindow::Changed(Property what) {
  if (what == Property::Default) {
    Updating guard(*this);
    ::SendMessageW(Hwnd(), BM_SETSTYLE, button_.Default() ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
    return;
  }
  WindowPeer::Changed(what);
}

bool ButtonWindow::OnCommand(WORD code) {
  if (code != BN_CLICKED) return false;
  button_.Click();
  return true;
}

}  // namespace quellon::ui
