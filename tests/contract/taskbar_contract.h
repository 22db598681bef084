// Contract of the taskbar progress port, run against the fake on the host
// and against fake and ITaskbarList3 under Wine. What the button shows
// cannot be read back from the system (ITaskbarList3 has no getter, and Wine
// draws no taskbar), so the real run checks what the calls answer; the
// fake's record of what it was shown is for the watch's host tests.
#pragma once
#include <memory>

#include "contract/harness_contract.h"
#include "os/taskbar.h"

namespace quellon::test {

class TaskbarHarness {
 public:
  virtual ~TaskbarHarness() = default;
  // A progress display for a top-level window of the harness, made by the
  // port's factory; null when the system cannot give one.
  virtual std::unique_ptr<os::TaskbarProgress> Create() = 0;
  // The factory where the system has no taskbar list object to give (the
  // fake told so; the Win32 factory on a thread without COM, as on a
  // system before Windows 7 the interface is missing).
  virtual std::unique_ptr<os::TaskbarProgress> CreateWithoutTaskbarList() = 0;
};

using TaskbarContract = HarnessContract<TaskbarHarness>;

}  // namespace quellon::test
