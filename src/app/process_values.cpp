#include "app/process_values.h"

#include "app/process_values_platform.h"
#include "core/command_line.h"

namespace quellon {
namespace {

std::wstring g_commandLine;
int g_instance = 1;

void StoreProcessValues(const std::wstring& lowerCaseCommandLine) {
  g_commandLine = lowerCaseCommandLine;
  g_instance = GetInstanceNumber(g_commandLine);
}

}  // namespace

void InitProcessValues() { StoreProcessValues(process_detail::LowerCaseProcessCommandLine()); }

const std::wstring& ProcessCommandLine() { return g_commandLine; }
int InstanceNumber() { return g_instance; }

void SetProcessValuesForTest(const std::wstring& lowerCaseCommandLine) {
  StoreProcessValues(lowerCaseCommandLine);
}

std::wstring InstanceMutexName(int instance) {
  return L"ZUB [Tarnwick]" + std::to_wstring(instance);
}

InstanceGuard DecideInstanceGuard(const InstanceMutexProbe& probe) {
  if (!probe.haveMutex) {
    if (probe.createError == kInstanceErrInvalidHandle || probe.createError == kInstanceErrAccessDenied)
      return InstanceGuard::AnotherCopyRuns;
    return InstanceGuard::Unguarded;
  }
  switch (probe.waitResult) {
    case kInstanceWaitObject0:
    case kInstanceWaitAbandoned:
      return InstanceGuard::Owned;
    case kInstanceWaitTimeout:
      return InstanceGuard::AnotherCopyRuns;
    default:
      return InstanceGuard::Unguarded;
  }
}

}  // namespace quellon
