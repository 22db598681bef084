// A lock that the thread holding it may take again. On Windows it is a
// critical section (the product's runtime has no std::mutex).
#pragma once
#include <memory>

namespace quellon {

class RecursiveLock {
 public:
  RecursiveLock();
  ~RecursiveLock();
  RecursiveLock(const RecursiveLock&) = delete;
  RecursiveLock& operator=(const RecursiveLock&) = delete;

  void Lock();
  void Unlock();

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

class RecursiveLockGuard {
 public:
  explicit RecursiveLockGuard(RecursiveLock& lock) : lock_(lock) { lock_.Lock(); }
  ~RecursiveLockGuard() { lock_.Unlock(); }
  RecursiveLockGuard(const RecursiveLockGuard&) = delete;
  RecursiveLockGuard& operator=(const RecursiveLockGuard&) = delete;

 private:
  RecursiveLock& lock_;
};

}  // namespace quellon
