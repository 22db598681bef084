#include <windows.h>

#include "app/process_values.h"
#include "os/win32/handles.h"

namespace quellon {
namespace {

win32::UniqueHandle g_mutex;

}  // namespace

void InitProcessValues() {
  // In place, so every later reader of the process command line (the
  // platform's argument splitting included) sees lower case only.
  wchar_t* line = GetCommandLineW();
  if (line && *line) CharLowerBuffW(line, lstrlenW(line));
  SetProcessValuesForTest(line ? line : L"");
}

bool AcquireInstanceMutex() {
  g_mutex.reset(CreateMutexW(nullptr, FALSE, InstanceMutexName(InstanceNumber()).c_str()));
  if (!g_mutex) return true;  // no mutex to coordinate with: run alone
  DWORD r = WaitForSingleObject(g_mutex.get(), 0);
  if (r == WAIT_TIMEOUT) {
    g_mutex.reset();
    return false;
  }
  return true;
}

void ReleaseInstanceMutex() {
  if (!g_mutex) return;
  ReleaseMutex(g_mutex.get());
  g_mutex.reset();
}

bool InstanceMutexHeld() { return static_cast<bool>(g_mutex); }

}  // namespace quellon
