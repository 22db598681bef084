#include "support/win32/user_key_fixture.h"

#include "support/temp_folder.h"
#include "platform/platform_win32.h"

namespace quellon::test {

void UserKeyFixture::Reset() {
  (void)reg.DeleteKeyTree(os::RootKey::CurrentUser, kUserKey);
  (void)reg.DeleteKeyTree(os::RootKey::CurrentUser, kWineAppDefaults);
}

void UserKeyFixture::PutWineAppDefault(const std::wstring& subKey, const std::wstring& name,
                                       const std::wstring& value) {
  const std::wstring path = subKey.empty() ? std::wstring(kWineAppDefaults) : kWineAppDefaults + (L"\\" + subKey);
  auto k = reg.OpenKey(os::RootKey::CurrentUser, path, os::RegAccess::Full, true);
  ASSERT_TRUE(k.ok());
  ASSERT_TRUE(k.value()->WriteString(name, value).ok());
}

void UserKeyFixture::Put(const std::wstring& name, uint32_t v) {
  auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Full, true);
  ASSERT_TRUE(k.ok());
  ASSERT_TRUE(k.value()->WriteDword(name, v).ok());
}

void UserKeyFixture::Put(const std::wstring& name, const std::wstring& v) {
  auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Full, true);
  ASSERT_TRUE(k.ok());
  ASSERT_TRUE(k.value()->WriteString(name, v).ok());
}

void UserKeyFixture::Remove(const std::wstring& name) {
  auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Full, false);
  if (k) (void)k.value()->DeleteValue(name);
}

std::wstring UserKeyFixture::GetString(const std::wstring& name) {
  auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Read, false);
  if (!k) return L"<no key>";
  auto v = k.value()->ReadString(name);
  return v ? v.value() : L"<none>";
}

uint32_t UserKeyFixture::GetDword(const std::wstring& name) {
  auto k = reg.OpenKey(os::RootKey::CurrentUser, kUserKey, os::RegAccess::Read, false);
  if (!k) return 0xFFFFFFFF;
  auto v = k.value()->ReadDword(name);
  return v ? v.value() : 0xFFFFFFFF;
}

void UserKeyFixture::Returning() {
  Put(L"Position - Left", 40);
  Put(L"Position - Top", 30);
  Put(L"MenuTip", 3);
}

void UserKeyFixture::Click(HWND button) {
  ASSERT_NE(button, nullptr);
  ASSERT_TRUE(::PostMessageW(button, BM_CLICK, 0, 0));
}

bool UserKeyFixture::WaitFor(const std::function<bool()>& condition, DWORD ms) {
  for (DWORD waited = 0; waited < ms; waited += 50) {
    if (condition()) return true;
    ::Sleep(50);
  }
  return condition();
}

std::string ReadWholeFile(const std::wstring& path) { return TempFolder::Contents(path).value_or(""); }

std::wstring ZubLogFile() { return GetSpecialFolder(sfAppData, L"Brightlode") + L"ZUB.log"; }

}  // namespace quellon::test
