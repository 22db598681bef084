// The taskbar progress contract on ITaskbarList3, for a real top-level
// window.
#include <windows.h>

#include <thread>

#include "contract/taskbar_contract.h"
#include "os/win32/handles.h"

namespace quellon::test {
namespace {

class Win32TaskbarHarness final : public TaskbarHarness {
 public:
  Win32TaskbarHarness()
      : window_(CreateWindowExW(0, L"STATIC", L"ZUB taskbar test", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr)) {}

  std::unique_ptr<os::TaskbarProgress> Create() override {
    EXPECT_TRUE(window_);
    return os::CreateTaskbarProgress(Handle());
  }

  // The main thread's apartment is single-threaded, so a thread of its own
  // that never initialises COM has no apartment at all.
  std::unique_ptr<os::TaskbarProgress> CreateWithoutTaskbarList() override {
    std::unique_ptr<os::TaskbarProgress> progress;
    std::thread([&] { progress = os::CreateTaskbarProgress(Handle()); }).join();
    return progress;
  }

 private:
  uintptr_t Handle() const { return reinterpret_cast<uintptr_t>(window_.get()); }

  win32::ScopedCoInit com_;
  win32::UniqueWindow window_;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win32, TaskbarContract,
                         testing::Values(Run<TaskbarHarness, Win32TaskbarHarness>("Win32")), TaskbarContract::Name);

}  // namespace quellon::test
