#include "app/process_values.h"
#include "app/process_values_platform.h"

namespace quellon {
namespace {

bool g_held = false;

}  // namespace

// The Linux host runs only tests: one process, no other copies, and no
// command line of the program's.
std::wstring process_detail::LowerCaseProcessCommandLine() { return L""; }
bool AcquireInstanceMutex() { return g_held = true; }
void ReleaseInstanceMutex() { g_held = false; }
bool InstanceMutexHeld() { return g_held; }

}  // namespace quellon
