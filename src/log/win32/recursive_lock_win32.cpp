#include <windows.h>

#include "log/recursive_lock.h"

namespace quellon {

struct RecursiveLock::Impl {
  CRITICAL_SECTION section;
};

RecursiveLock::RecursiveLock() : impl_(std::make_unique<Impl>()) {
  InitializeCriticalSection(&impl_->section);
}

RecursiveLock::~RecursiveLock() { DeleteCriticalSection(&impl_->section); }

void RecursiveLock::Lock() { EnterCriticalSection(&impl_->section); }

void RecursiveLock::Unlock() { LeaveCriticalSection(&impl_->section); }

}  // namespace quellon
