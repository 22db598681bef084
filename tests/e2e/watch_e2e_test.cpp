// The watch as a user drives it: options kept between starts in the real
// registry, copies of one instance and of two, and a short period that
// reaches the action.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/win32/user_key_fixture.h"
#include "support/win32/zub_process.h"
#include "settings/command.h"
#include "util/text.h"

namespace quellon::test {
namespace {

using WatchE2E = UserKeyFixture;

// The monitor goes off: harmless under Wine.
constexpr uint32_t kMonitorOff = static_cast<uint32_t>(TZUBCommand::scmdTurnOffMonitor);

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
  Put(L"MainAction", kMonitorOff);
  Put(L"Time", 1);
  Put(L"Time1", L"00:00:03.000");
  const std::wstring logFile = ZubLogFile();
  ::DeleteFileW(logFile.c_str());

  ZubProcess zub;
  HWND window = zub.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);
  Click(FindChild(window, L"Begin", L"Button"));
  // The countdown label reads what the user sees.
  EXPECT_TRUE(WaitFor([&] { return FindChild(window, L"0:00:02") != nullptr; }, 5000));
  EXPECT_NE(FindChild(window, L"Time remaining to shut the monitor off:"), nullptr);
  ASSERT_TRUE(zub.WaitForExit(15000)) << "no action within 15 s";

  const std::string log = ReadWholeFile(logFile);
  EXPECT_NE(log.find("Executing the action scmdTurnOffMonitor"), std::string::npos) << log;
  EXPECT_NE(log.find("Settings (1): "), std::string::npos);
  ::DeleteFileW(logFile.c_str());
}

// A damaged saved period starts the field at its default, not at zero:
// Begin then counts an hour instead of acting at once.
TEST_F(WatchE2E, AMalformedSavedPeriodDoesNotActAfterBegin) {
  Returning();
  Put(L"MainAction", kMonitorOff);
  Put(L"Time", 1);
  Put(L"Time1", L"not a time");
  ZubProcess zub;
  // The error box comes first; OK lets the start go on.
  HWND box = zub.WaitForWindow(L"Error");
  ASSERT_NE(box, nullptr);
  ::PostMessageW(box, WM_COMMAND, IDOK, 0);
  HWND window = zub.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);
  Click(FindChild(window, L"Begin", L"Button"));
  EXPECT_TRUE(WaitFor([&] { return FindChild(window, L"0:59:59") != nullptr; }, 5000));
  EXPECT_FALSE(zub.WaitForExit(5000)) << "acted within 5 s";
  EXPECT_EQ(GetString(L"Time1"), L"01:00:00.000");  // what Begin saved
  Click(FindChild(window, L"Cancel", L"Button"));
  ::PostMessageW(window, WM_CLOSE, 0, 0);
  EXPECT_TRUE(zub.WaitForExit(10000));
}

// An action that does not switch the computer off ends the program; the
// window's position at that end is the one stored.
TEST_F(WatchE2E, ThePositionMovedDuringAWatchIsStoredWhenTheProgramEnds) {
  Returning();
  Put(L"MainAction", kMonitorOff);
  Put(L"Time", 1);
  Put(L"Time1", L"00:00:04.000");
  ZubProcess zub;
  HWND window = zub.WaitForWindow(L"ZUB");
  ASSERT_NE(window, nullptr);
  Click(FindChild(window, L"Begin", L"Button"));
  ASSERT_TRUE(WaitFor([&] { return FindChild(window, L"0:00:03") != nullptr; }, 5000));
  ::SetWindowPos(window, nullptr, 240, 170, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  ASSERT_TRUE(zub.WaitForExit(15000)) << "no action within 15 s";
  EXPECT_EQ(GetDword(L"Position - Left"), 240u);
  EXPECT_EQ(GetDword(L"Position - Top"), 170u);
}

}  // namespace
}  // namespace quellon::test
