// The registry contract against the system registry, and what only the
// system registry can show.
#include <windows.h>

#include <gtest/gtest.h>

#include "contract/registry_contract.h"
#include "os/win32/handles.h"
#include "os/win32/registry_win32.h"

namespace quellon::test {
namespace {

std::wstring ProcessTag() { return L"win32-" + std::to_wstring(GetCurrentProcessId()); }

INSTANTIATE_TEST_SUITE_P(Win32, RegistryContract, ::testing::Values(RegistryFactory{"win32", [] {
                           return RegistryUnderTest{std::make_unique<win32::Win32Registry>(),
                                                    ScratchKeyPath(ProcessTag())};
                         }}));

TEST(Win32RegistryTest, RootHandlesAreTheSystemsPredefinedKeys) {
  EXPECT_EQ(win32::RootHandle(os::RootKey::ClassesRoot), HKEY_CLASSES_ROOT);
  EXPECT_EQ(win32::RootHandle(os::RootKey::CurrentUser), HKEY_CURRENT_USER);
  EXPECT_EQ(win32::RootHandle(os::RootKey::LocalMachine), HKEY_LOCAL_MACHINE);
  EXPECT_EQ(win32::RootHandle(os::RootKey::Users), HKEY_USERS);
  EXPECT_EQ(win32::RootHandle(os::RootKey::PerformanceData), HKEY_PERFORMANCE_DATA);
  EXPECT_EQ(win32::RootHandle(os::RootKey::CurrentConfig), HKEY_CURRENT_CONFIG);
  EXPECT_EQ(win32::RootHandle(os::RootKey::DynData), HKEY_DYN_DATA);
  EXPECT_EQ(win32::RootHandle(os::RootKey::None), nullptr);
}

// What another program wrote with the plain API reads back through the port,
// and the reverse.
TEST(Win32RegistryTest, PortAndSystemApiSeeTheSameData) {
  const std::wstring path = ScratchKeyPath(ProcessTag() + L"-api");
  win32::UniqueRegKey raw;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, raw.put(), nullptr),
            ERROR_SUCCESS);
  DWORD dw = 1234;
  ASSERT_EQ(RegSetValueExW(raw.get(), L"n", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dw), 4),
            ERROR_SUCCESS);
  const wchar_t text[] = L"C:\\Program Files\\x";
  ASSERT_EQ(RegSetValueExW(raw.get(), L"s", 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                           sizeof text),
            ERROR_SUCCESS);

  win32::Win32Registry reg;
  {
    auto key = reg.OpenKey(os::RootKey::CurrentUser, path, os::RegAccess::Full, false);
    ASSERT_TRUE(key.ok());
    EXPECT_EQ(key.value()->ReadDword(L"n").value(), 1234u);
    EXPECT_EQ(key.value()->ReadString(L"s").value(), text);
    ASSERT_TRUE(key.value()->WriteString(L"back", L"ok").ok());
  }
  wchar_t buf[16] = {};
  DWORD size = sizeof buf, type = 0;
  ASSERT_EQ(RegQueryValueExW(raw.get(), L"back", nullptr, &type, reinterpret_cast<BYTE*>(buf),
                             &size),
            ERROR_SUCCESS);
  EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(size, 6u) << "written with its terminating zero";
  EXPECT_STREQ(buf, L"ok");
  raw.reset();
  EXPECT_TRUE(reg.DeleteKeyTree(os::RootKey::CurrentUser, path).ok());
  DeleteScratchParentIfEmpty(reg);
}

}  // namespace
}  // namespace quellon::test
