// The end-to-end tests' common ground: each test starts from a user key of
// its own making and leaves none, writes the options ZUB.exe reads at start,
// clicks its buttons from outside and reads what it wrote.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "os/win32/registry_win32.h"
#include "platform/file_system_win32.h"

namespace quellon::test {

class UserKeyFixture : public ::testing::Test {
 protected:
  static constexpr const wchar_t* kUserKey = L"SOFTWARE\\Tarnwick\\YARB";

  static constexpr const wchar_t* kWineAppDefaults = L"Software\\Wine\\AppDefaults\\ZUB.exe";

  void SetUp() override { Reset(); }
  void TearDown() override { Reset(); }
  void Reset();

  void Put(const std::wstring& name, uint32_t v);
  void Put(const std::wstring& name, const std::wstring& v);
  void Remove(const std::wstring& name);
  // "<no key>" or "<none>" when the key or the value is missing.
  std::wstring GetString(const std::wstring& name);
  // 0xFFFFFFFF when the key or the value is missing.
  uint32_t GetDword(const std::wstring& name);
  // Wine's settings for ZUB.exe alone, read when the process starts: e.g.
  // ("", "Version", "win8") or ("DllOverrides", "powrprof", "") to disable
  // a library. Removed again after the test.
  void PutWineAppDefault(const std::wstring& subKey, const std::wstring& name, const std::wstring& value);
  // A returning user: the window position and the menu tip are stored.
  void Returning();

  static void Click(HWND button);
  static bool WaitFor(const std::function<bool()>& condition, DWORD ms = 10000);

  win32::Win32Registry reg;
};

// The whole file as bytes; "" when it cannot be read.
std::string ReadWholeFile(const std::wstring& path);
using platform_detail::FileExists;
// The log file ZUB.exe writes: <application data>\Brightlode\ZUB.log.
std::wstring ZubLogFile();

}  // namespace quellon::test
