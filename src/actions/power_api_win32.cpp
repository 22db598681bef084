#include <windows.h>

#include "actions/power_api.h"
#include "os/win32/handles.h"
#include "os/win32/win_error.h"

namespace quellon {
namespace {

using SetSuspendStateFn = BOOLEAN(WINAPI*)(BOOLEAN, BOOLEAN, BOOLEAN);

class Win32PowerApi final : public PowerApi {
 public:
  Status EnableShutdownPrivilege() override {
    win32::UniqueHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token.put()))
      return win32::LastError(L"OpenProcessToken");
    TOKEN_PRIVILEGES tp = {};
    if (!LookupPrivilegeValueW(nullptr, L"SeShutdownPrivilege", &tp.Privileges[0].Luid))
      return win32::LastError(L"LookupPrivilegeValueW");
    tp.PrivilegeCount = 1;
    tp.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    // Only the call's own result counts (a privilege the token lacks is
    // reported through GetLastError, not the result).
    DWORD returned = 0;
    if (!AdjustTokenPrivileges(token.get(), FALSE, &tp, sizeof(tp), &tp, &returned))
      return win32::LastError(L"AdjustTokenPrivileges");
    return {};
  }

  Status ExitWindowsWithFlags(uint32_t flags, uint32_t reason) override {
    if (ExitWindowsEx(flags, reason)) return {};
    return win32::LastError(L"ExitWindowsEx");
  }

  bool HasSetSuspendState() override {
    win32::UniqueModule lib(LoadLibraryW(L"PowrProf.dll"));
    return lib && GetProcAddress(lib.get(), "SetSuspendState") != nullptr;
  }

  bool SetSuspendState(bool hibernate, bool forceCritical, bool disableWakeEvent) override {
    win32::UniqueModule lib(LoadLibraryW(L"PowrProf.dll"));
    if (!lib) return false;
    auto fn = reinterpret_cast<SetSuspendStateFn>(GetProcAddress(lib.get(), "SetSuspendState"));
    if (!fn) return false;
    return fn(hibernate, forceCritical, disableWakeEvent) != 0;
  }

  bool SetSystemPowerState(bool suspend, bool force) override {
    return ::SetSystemPowerState(suspend, force) != 0;
  }
};

}  // namespace

PowerApi& SystemPowerApi() {
  static Win32PowerApi api;
  return api;
}

}  // namespace quellon
