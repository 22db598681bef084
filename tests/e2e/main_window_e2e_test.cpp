// ZUB.exe as a user starts it: the main window appears with its options
// page and Begin, and closing the window ends the program.
#include <windows.h>

#include <gtest/gtest.h>

#include "support/win32/zub_process.h"
#include "util/text.h"

namespace quellon::test {
namespace {

TEST(MainWindowE2E, OpensWithBeginAndEndsWhenClosed) {
  ZubProcess zub;
  ASSERT_TRUE(zub.Started()) << WideToUtf8(zub.Error());
  HWND window = zub.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr) << "no window \"ZUB\" within 10 s";
  EXPECT_EQ(WindowClass(window), L"TYARBForm");

  SIZE client = ClientSize(window);
  EXPECT_EQ(client.cx, 339);
  EXPECT_EQ(client.cy, 257);

  HWND begin = FindChild(window, L"Begin", L"Button");
  ASSERT_NE(begin, nullptr);
  EXPECT_TRUE(::IsWindowVisible(begin));
  HWND cancel = FindChild(window, L"Cancel", L"Button");
  ASSERT_NE(cancel, nullptr);
  EXPECT_FALSE(::IsWindowVisible(cancel));
  HWND period = FindChild(window, L"When specified period elapses", L"Button");
  ASSERT_NE(period, nullptr);
  EXPECT_TRUE(::IsWindowVisible(period));

  ASSERT_TRUE(::PostMessageW(window, WM_CLOSE, 0, 0));
  EXPECT_TRUE(zub.WaitForExit(10000)) << "ZUB.exe still running 10 s after WM_CLOSE";
  EXPECT_EQ(zub.ExitCode(), 0u);
  EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
}  // namespace quellon::test
