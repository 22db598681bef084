// Runs inside the prefix that the shutdown test gives up to ExitWindowsEx.
//   shutdown_helper witness <marker>  marks that it runs, then waits two
//                                      minutes: a process that only a real
//                                      shutdown ends early
//   shutdown_helper begin              stores a three-second period with the
//                                      shutdown action, starts ZUB.exe,
//                                      clicks Begin and leaves it counting
#include <windows.h>

#include <cstdio>
#include <string>

#include "os/win32/registry_win32.h"
#include "support/win32/zub_process.h"
#include "util/text.h"

namespace quellon::test {
namespace {

int Fail(const std::string& why) {
  std::fprintf(stderr, "shutdown_helper: %s\n", why.c_str());
  return 1;
}

int Witness(const wchar_t* marker) {
  HANDLE h = ::CreateFileW(marker, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return Fail("cannot create the marker");
  ::CloseHandle(h);
  ::Sleep(120000);
  return 0;
}

bool StoreWatch() {
  win32::Win32Registry reg;
  auto key = reg.OpenKey(os::RootKey::CurrentUser, L"SOFTWARE\\Tarnwick\\YARB", os::RegAccess::Full, true);
  if (!key) return false;
  os::RegKey& k = *key.value();
  return k.WriteDword(L"Position - Left", 40) && k.WriteDword(L"Position - Top", 30) &&
         k.WriteDword(L"MenuTip", 3) && k.WriteDword(L"Logger", 1) && k.WriteDword(L"MainAction", 0) &&
         k.WriteDword(L"Time", 1) && k.WriteString(L"Time1", L"00:00:03.000");
}

int Begin() {
  if (!StoreWatch()) return Fail("cannot store the watch");
  ZubProcess zub;
  if (!zub.Started()) return Fail(WideToUtf8(zub.Error()));
  HWND window = zub.WaitForWindow(L"ZUB");
  if (!window) return Fail("no window \"ZUB\"");
  HWND begin = FindChild(window, L"Begin", L"Button");
  HWND cancel = FindChild(window, L"Cancel", L"Button");
  if (!begin || !cancel) return Fail("no Begin or Cancel button");
  ::PostMessageW(begin, BM_CLICK, 0, 0);
  for (int i = 0; i < 100 && !::IsWindowVisible(cancel); ++i) ::Sleep(50);
  if (!::IsWindowVisible(cancel)) return Fail("the countdown did not start");
  zub.Release();
  std::printf("counting\n");
  return 0;
}

}  // namespace
}  // namespace quellon::test

int wmain(int argc, wchar_t** argv) {
  const std::wstring verb = argc > 1 ? argv[1] : L"";
  if (verb == L"witness" && argc > 2) return quellon::test::Witness(argv[2]);
  if (verb == L"begin") return quellon::test::Begin();
  return quellon::test::Fail("usage: shutdown_helper witness <marker> | begin");
}
