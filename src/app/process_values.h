// Process-wide values set before any window exists: the lower-cased command
// line, the instance number, and the named mutex of the instance.
#pragma once
#include <cstdint>
#include <string>

namespace quellon {

// Lower-cases the process command line in place and computes the instance
// number from it. Call once, first thing.
void InitProcessValues();

// The command line as lower-cased at start.
const std::wstring& ProcessCommandLine();
int InstanceNumber();
// For tests: sets both values from the given (lower-case) command line
// instead of the process's own.
void SetProcessValuesForTest(const std::wstring& lowerCaseCommandLine);

// "ZUB [Tarnwick]" followed by the instance number.
std::wstring InstanceMutexName(int instance);

// What creating the instance's mutex and waiting on it with a zero time-out
// told. The codes are the system's: its error codes after the creation and
// the wait results.
struct InstanceMutexProbe {
  bool haveMutex;        // the creation gave a handle (a new mutex or the existing one)
  uint32_t createError;  // the error when it gave none
  uint32_t waitResult;   // the zero-time wait's result when it gave one
};
constexpr uint32_t kInstanceErrAccessDenied = 5;   // a mutex of that name we may not open
constexpr uint32_t kInstanceErrInvalidHandle = 6;  // another kind of object has the name
constexpr uint32_t kInstanceWaitObject0 = 0;
constexpr uint32_t kInstanceWaitAbandoned = 0x80;
constexpr uint32_t kInstanceWaitTimeout = 0x102;
constexpr uint32_t kInstanceWaitFailed = 0xFFFFFFFF;

enum class InstanceGuard {
  Owned,            // this process holds the mutex now (also after a holder died)
  AnotherCopyRuns,  // the name is taken: this copy ends silently
  Unguarded,        // no mutex for a reason that says nothing of other copies: run without
};

// The guard's decision. A name held by an object we cannot use as the mutex
// (another kind of object, or a mutex we may not open) counts as another
// copy running: the name is taken either way.
InstanceGuard DecideInstanceGuard(const InstanceMutexProbe& probe);

// Creates and waits (zero time-out) on the instance's mutex. False when
// another copy of the same instance number runs (DecideInstanceGuard); true
// when this process owns the mutex now, or runs without one.
bool AcquireInstanceMutex();
// Releases and closes the mutex (the first Begin of a watch does this).
void ReleaseInstanceMutex();
bool InstanceMutexHeld();

}  // namespace quellon
