// The watch as a user drives it: options kept between starts in the real
// registry, copies of one instance and of two, and a short period that
// reaches the action.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "os/win32/registry_win32.h"
#include "platform/platform_win32.h"
#include "support/win32/zub_process.h"
#include "util/text.h"

namespace quellon::test {
namespace {

const wchar_t kUserKey[] = L"SOFTWARE\\Tarnwick\\YARB";

// Each test starts from a user key of its own making and leaves none.
class WatchE2E : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  void Reset() { (void)reg.DeleteKeyTree(os::RootKey::CurrentUser, kUserKey); }

  void Put(const std::wstring& name, uint32_t v) {
    auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Full, true);
    ASSERT_TRUE(k.ok());
    ASSERT_TRUE(k.value()->WriteDword(name, v).ok());
  }
  void Put(const std::wstring& name, const std::wstring& v) {
    auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Full, true);
    ASSERT_TRUE(k.ok());
    ASSERT_TRUE(k.value()->WriteString(name, v).ok());
  }
  std::wstring GetString(const std::wstring& name) {
    auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Read, false);
    if (!k) return L"<no key>";
    auto v = k.value()->ReadString(name);
    return v ? v.value() : L"<none>";
  }
  uint32_t GetDword(const std::wstring& name) {
    auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Read, false);
    if (!k) return 0xFFFFFFFF;
    auto v = k.value()->ReadDword(name);
    return v ? v.value() : 0xFFFFFFFF;
  }
  // A returning user: the window position and the menu tip are stored.
  void Returning() {
    Put(L"Position - Left", 40);
    Put(L"Position - Top", 30);
    Put(L"MenuTip", 3);
  }
  static void Click(HWND button) { ASSERT_TRUE(::PostMessageW(button, BM_CLICK, 0, 0)); }
  static bool WaitFor(const std::function<bool()>& condition, DWORD ms = 10000) {
    for (DWORD waited = 0; waited < ms; waited += 50) {
      if (condition()) return true;
      ::Sleep(50);
    }
    return condition();
  }

  win32::Win32Registry reg;
};

TEST_F(WatchE2E, TriggerAndTimeSurviveARestart) {
  Returning();
  Put(L"Time", 1);
  Put(L"Time3", L"23:45:00.000");
  {
    ZubProcess zub;
    HWND window = zub.WaitForWindow(L"ZUB");
    ASSERT_NE(window, nullptr);
    HWND atTime = FindChild(window, L"At specified time", L"Button");
    ASSERT_NE(atTime, nullptr);
    Click(atTime);
    ASSERT_TRUE(WaitFor([&] { return ::SendMessageW(atTime, BM_GETCHECK, 0, 0) == BST_CHECKED; }));
    Click(FindChild(window, L"Begin", L"Button"));
    HWND cancel = FindChild(window, L"Cancel", L"Button");
    ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(cancel) != FALSE; }));
    Click(cancel);
    ASSERT_TRUE(WaitFor([&] { return GetDword(L"Time") == 3; }));
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    ASSERT_TRUE(zub.WaitForExit(10000));
  }
  EXPECT_EQ(GetString(L"Time3"), L"23:45:00.000");

  ZubProcess again;
  HWND window = again.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);
  HWND atTime = FindChild(window, L"At specified time", L"Button");
  EXPECT_EQ(::SendMessageW(atTime, BM_GETCHECK, 0, 0), BST_CHECKED);
  // The picker's messages do not cross processes; the field shows through
  // what Begin and Cancel save from it.
  Put(L"Time3", L"<overwritten>");
  Click(FindChild(window, L"Begin", L"Button"));
  HWND cancel = FindChild(window, L"Cancel", L"Button");
  ASSERT_TRUE(WaitFor([&] { return ::IsWindowVisible(cancel) != FALSE; }));
  Click(cancel);
  EXPECT_TRUE(WaitFor([&] { return GetString(L"Time3") == L"23:45:00.000"; }));
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(again.WaitForExit(10000));
}

TEST_F(WatchE2E, SecondCopyOfAnInstanceEndsSilentlyBeforeTheFirstBegin) {
  Returning();
  ZubProcess first;
  HWND window = first.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);

  ZubProcess second;
  ASSERT_TRUE(second.Started());
  EXPECT_TRUE(second.WaitForExit(10000));
  EXPECT_EQ(second.WaitForWindow(L"ZUB", 200), nullptr);  // no window, no box

  // Another instance number runs beside the first.
  ZubProcess other(L"instance2");
  HWND otherWindow = other.WaitForWindow(L"ZUB");
  ASSERT_NE(otherWindow, nullptr);
  EXPECT_TRUE(first.Running());
  EXPECT_TRUE(other.Running());
  ::PostMessageW(otherWindow, WM_CLOSE, 0, 0);
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(other.WaitForExit(10000));
  EXPECT_TRUE(first.WaitForExit(10000));
}

TEST_F(WatchE2E, APeriodCountsDownAndReachesTheAction) {
  Returning();
  Put(L"Logger", 1);
  Put(L"MainAction", 5);  // the monitor goes off: harmless under Wine
  Put(L"Time", 1);
  Put(L"Time1", L"00:00:03.000");
  const std::wstring logFile = GetSpecialFolder(sfAppData, L"Brightlode") + L"ZUB.log";
  ::DeleteFileW(logFile.c_str());

  ZubProcess zub;
  HWND window = zub.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);
  Click(FindChild(window, L"Begin", L"Button"));
  // The countdown label reads what the user sees.
  EXPECT_TRUE(WaitFor([&] { return FindChild(window, L"0:00:02") != nullptr; }, 5000));
  EXPECT_NE(FindChild(window, L"Time remaining to shut the monitor off:"), nullptr);
  ASSERT_TRUE(zub.WaitForExit(15000)) << "no action within 15 s";

  std::ifstream in(WideToUtf8(logFile).c_str(), std::ios::binary);  // Wine maps the path
  std::string log;
  if (in) log.assign(std::istreambuf_iterator<char>(in), {});
  if (log.empty()) {
    // Open through the Windows path when the narrow one does not map.
    HANDLE h = ::CreateFileW(logFile.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                             OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    char buf[65536];
    DWORD n = 0;
    ::ReadFile(h, buf, sizeof buf, &n, nullptr);
    ::CloseHandle(h);
    log.assign(buf, n);
  }
  EXPECT_NE(log.find("Executing the action scmdTurnOffMonitor"), std::string::npos) << log;
  EXPECT_NE(log.find("Settings (1): "), std::string::npos);
  ::DeleteFileW(logFile.c_str());
}

}  // namespace
}  // namespace quellon::test
