// Contract of the taskbar progress port, run against the fake on the host
// and against fake and ITaskbarList3 under Wine. What the button shows
// cannot be read back from the system (ITaskbarList3 has no getter, and Wine
// draws no taskbar), so the real run checks what the calls answer; the
// fake's record of what it was shown is for the watch's host tests.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

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

struct TaskbarContractParam {
  std::string name;
  std::function<std::unique_ptr<TaskbarHarness>()> make;
};
inline void PrintTo(const TaskbarContractParam& p, std::ostream* os) { *os << p.name; }
inline std::string TaskbarContractName(const testing::TestParamInfo<TaskbarContractParam>& info) {
  return info.param.name;
}

class TaskbarContract : public testing::TestWithParam<TaskbarContractParam> {
 protected:
  void SetUp() override { h_ = GetParam().make(); }
  void TearDown() override { h_.reset(); }
  TaskbarHarness& H() { return *h_; }

 private:
  std::unique_ptr<TaskbarHarness> h_;
};

}  // namespace quellon::test
