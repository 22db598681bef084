#include <windows.h>
#include <wininet.h>

#include "actions/other_actions.h"
#include "os/win32/app_window_win32.h"
#include "os/win32/handles.h"

namespace quellon {

// None of these reports anything: a failure leaves the computer as it was.

void ModemDisconnect() {
  DWORD flags = 0;
  if (InternetGetConnectedState(&flags, 0)) InternetAutodialHangup(0);
}

void BlockWindowsUser() {
  win32::UniqueModule user32(LoadLibraryW(L"user32.dll"));
  if (!user32) return;
  using LockFn = BOOL(WINAPI*)();
  if (auto lock = reinterpret_cast<LockFn>(GetProcAddress(user32.get(), "LockWorkStation"))) lock();
}

void TurnOffMonitor() {
  SendMessageW(win32::ApplicationWindow(), WM_SYSCOMMAND, SC_MONITORPOWER, 2);
}

}  // namespace quellon
