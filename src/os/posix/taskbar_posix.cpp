#include "os/taskbar.h"

namespace quellon::os {

// The Linux host has no taskbar.
std::unique_ptr<TaskbarProgress> CreateTaskbarProgress(uintptr_t) { return nullptr; }

}  // namespace quellon::os
