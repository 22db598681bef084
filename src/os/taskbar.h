// The taskbar button's progress display (Windows 7 and later).
#pragma once
#include <cstdint>
#include <memory>

namespace quellon::os {

class TaskbarProgress {
 public:
  virtual ~TaskbarProgress() = default;
  virtual bool SetIndeterminate() = 0;
  virtual bool SetValue(uint64_t completed, uint64_t total) = 0;
  virtual bool SetNoProgress() = 0;
};

// Creates the shell's taskbar list object for the window; null when the
// system cannot give one.
using TaskbarProgressFactory = std::unique_ptr<TaskbarProgress> (*)(uintptr_t window);
std::unique_ptr<TaskbarProgress> CreateTaskbarProgress(uintptr_t window);

}  // namespace quellon::os
