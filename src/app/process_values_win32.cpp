#include <windows.h>

#include "app/process_values.h"
#include "app/process_values_platform.h"
#include "os/win32/handles.h"

namespace quellon {
namespace {

static_assert(kInstanceErrAccessDenied == ERROR_ACCESS_DENIED);
static_assert(kInstanceErrInvalidHandle == ERROR_INVALID_HANDLE);
static_assert(kInstanceWaitObject0 == WAIT_OBJECT_0);
static_assert(kInstanceWaitAbandoned == WAIT_ABANDONED);
static_assert(kInstanceWaitTimeout == WAIT_TIMEOUT);
static_assert(kInstanceWaitFailed == WAIT_FAILED);

win32::UniqueHandle g_mutex;

}  // namespace

std::wstring process_detail::LowerCaseProcessCommandLine() {
  wchar_t* line = GetCommandLineW();
  if (!line) return L"";
  if (*line) CharLowerBuffW(line, lstrlenW(line));
  return line;
}

bool AcquireInstanceMutex() {
  win32::UniqueHandle mutex(CreateMutexW(nullptr, FALSE, InstanceMutexName(InstanceNumber()).c_str()));
  InstanceMutexProbe probe{static_cast<bool>(mutex), 0, 0};
  if (mutex)
    probe.waitResult = WaitForSingleObject(mutex.get(), 0);
  else
    probe.createError = GetLastError();
  switch (DecideInstanceGuard(probe)) {
    case InstanceGuard::Owned:
      g_mutex = std::move(mutex);
      return true;
    case InstanceGuard::AnotherCopyRuns:
      return false;
    case InstanceGuard::Unguarded:
      break;
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
