// ZUB.exe: the main window and the message loop.
#include <windows.h>
#include <commctrl.h>

#include <exception>

#include "app/yarb_form.h"
#include "ui/win32/win32_backend.h"
#include "util/text.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                            ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  // Common controls before version 6 do not know the standard-classes bit.
  if (!::InitCommonControlsEx(&icc)) {
    icc.dwICC &= ~static_cast<DWORD>(ICC_STANDARD_CLASSES);
    ::InitCommonControlsEx(&icc);
  }
  try {
    quellon::ui::Win32Backend backend(instance);
    quellon::app::TYARBForm form(backend);
    form.Show();
    return backend.Run(form);
  } catch (const std::exception& e) {
    // The window could not be built: say why rather than vanish.
    ::MessageBoxW(nullptr, quellon::Utf8ToWide(e.what()).c_str(), L"Error", MB_OK | MB_ICONERROR);
    return 1;
  }
}
