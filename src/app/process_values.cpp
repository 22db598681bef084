#include "app/process_values.h"

#include "core/command_line.h"

namespace quellon {
namespace {

std::wstring g_commandLine;
int g_instance = 1;

}  // namespace

const std::wstring& ProcessCommandLine() { return g_commandLine; }
int InstanceNumber() { return g_instance; }

void SetProcessValuesForTest(const std::wstring& lowerCaseCommandLine) {
  g_commandLine = lowerCaseCommandLine;
  g_instance = GetInstanceNumber(g_commandLine);
}

std::wstring InstanceMutexName(int instance) {
  return L"ZUB [Tarnwick]" + std::to_wstring(instance);
}

}  // namespace quellon
