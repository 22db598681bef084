#include <windows.h>

#include <gtest/gtest.h>

#include "os/taskbar.h"
#include "os/win32/handles.h"

namespace quellon::os {
namespace {

TEST(TaskbarWin32Test, ProgressStatesOnARealWindow) {
  win32::ScopedCoInit com;
  win32::UniqueWindow wnd(CreateWindowExW(0, L"STATIC", L"ZUB taskbar test", WS_OVERLAPPEDWINDOW, 0, 0,
                                          100, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
  ASSERT_TRUE(wnd);
  auto progress = CreateTaskbarProgress(reinterpret_cast<uintptr_t>(wnd.get()));
  ASSERT_NE(progress, nullptr);  // Wine creates the object
  EXPECT_TRUE(progress->SetIndeterminate());
  EXPECT_TRUE(progress->SetValue(10, 2700));
  EXPECT_TRUE(progress->SetNoProgress());
}

}  // namespace
}  // namespace quellon::os
