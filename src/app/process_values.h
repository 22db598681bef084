// Process-wide values set before any window exists: the lower-cased command
// line, the instance number, and the named mutex of the instance.
#pragma once
#include <string>

namespace quellon {

// Lower-cases the process command line in place and computes the instance
// number from it. Call once, first thing.
void InitProcessValues();

// The command line as lower-cased at start.
const std::wstring& ProcessCommandLine();
int InstanceNumber();
// For tests and the host: sets both values directly.
void SetProcessValuesForTest(const std::wstring& lowerCaseCommandLine);

// "ZUB [Tarnwick]" followed by the instance number.
std::wstring InstanceMutexName(int instance);

// Creates and waits (zero time-out) on the instance's mutex. False when
// another process of the same instance number holds it; true when this
// process owns it now (also when its last holder died).
bool AcquireInstanceMutex();
// Releases and closes the mutex (the first Begin of a watch does this).
void ReleaseInstanceMutex();
bool InstanceMutexHeld();

}  // namespace quellon
