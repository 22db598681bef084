#include <windows.h>

#include "os/app_shell.h"
#include "os/win32/app_window_win32.h"

namespace quellon::os {
namespace {

class Win32AppShell final : public AppShell {
 public:
  BoxResult ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxButtons buttons,
                           BoxIcon icon, WindowHandle owner = kApplicationWindow) override {
    UINT flags = buttons == BoxButtons::YesNo ? MB_YESNO : MB_OK;
    switch (icon) {
      case BoxIcon::Error: flags |= MB_ICONERROR; break;
      case BoxIcon::Warning: flags |= MB_ICONWARNING; break;
      case BoxIcon::Information: flags |= MB_ICONINFORMATION; break;
      case BoxIcon::None: break;
    }
    HWND ownerWindow =
        owner == kApplicationWindow ? win32::ApplicationWindow() : reinterpret_cast<HWND>(owner);
    int r = ::MessageBoxW(ownerWindow, text.c_str(), caption.c_str(), flags);
    switch (r) {
      case IDOK: return BoxResult::Ok;
      case IDYES: return BoxResult::Yes;
      case IDNO: return BoxResult::No;
      default: return BoxResult::Failed;
    }
  }

  void Terminate() override { ::PostQuitMessage(0); }

  [[noreturn]] void Halt() override { ::ExitProcess(0); }
};

}  // namespace

AppShell& SystemAppShell() {
  static Win32AppShell shell;
  return shell;
}

}  // namespace quellon::os
