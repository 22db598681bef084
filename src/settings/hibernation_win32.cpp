#include <windows.h>

#include "os/win32/handles.h"
#include "settings/hibernation.h"

namespace quellon {

bool QueryHibernationAllowed() {
  // Loaded at run time: powrprof.dll is not on every supported system.
  win32::UniqueModule lib(LoadLibraryW(L"powrprof.dll"));
  if (!lib) return false;
  using IsPwrHibernateAllowedFn = BOOLEAN(WINAPI*)();
  auto fn = reinterpret_cast<IsPwrHibernateAllowedFn>(
      GetProcAddress(lib.get(), "IsPwrHibernateAllowed"));
  return fn && fn() != 0;
}

}  // namespace quellon
