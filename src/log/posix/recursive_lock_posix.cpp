#include <mutex>

#include "log/recursive_lock.h"

namespace quellon {

struct RecursiveLock::Impl {
  std::recursive_mutex mutex;
};

RecursiveLock::RecursiveLock() : impl_(std::make_unique<Impl>()) {}

RecursiveLock::~RecursiveLock() = default;

void RecursiveLock::Lock() { impl_->mutex.lock(); }

void RecursiveLock::Unlock() { impl_->mutex.unlock(); }

}  // namespace quellon
