#include "app/process_values.h"

namespace quellon {
namespace {

bool g_held = false;

}  // namespace

// The Linux host runs only tests: one process, no other copies.
void InitProcessValues() {}
bool AcquireInstanceMutex() { return g_held = true; }
void ReleaseInstanceMutex() { g_held = false; }
bool InstanceMutexHeld() { return g_held; }

}  // namespace quellon
