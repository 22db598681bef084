#include "os/win32/registry_win32.h"

#include <vector>

#include "os/win32/handles.h"
#include "os/win32/win_error.h"

namespace quellon::win32 {

using os::RegAccess;

HKEY RootHandle(os::RootKey root) {
  if (root == os::RootKey::None) return nullptr;
  auto value = static_cast<LONG>(static_cast<uint32_t>(root));
  return reinterpret_cast<HKEY>(static_cast<LONG_PTR>(value));
}

namespace {

// The registry calls return their error code instead of setting it.
Error RegError(const wchar_t* call, LONG code) { return CallError(call, static_cast<DWORD>(code)); }

// Names the system allows: values up to 16383 characters, keys up to 255;
// the buffers start smaller and grow when the system asks for more.
constexpr DWORD kFirstNameBuffer = 260;
constexpr DWORD kMaxValueName = 16384;
constexpr DWORD kFirstDataBuffer = 512;

class Win32RegKey final : public os::RegKey {
 public:
  Win32RegKey(UniqueRegKey key, RegAccess access) : key_(std::move(key)), access_(access) {}

  RegAccess Access() const override { return access_; }

  Result<os::RawValue> ReadRaw(const std::wstring& name) const override {
    os::RawValue raw;
    raw.data.resize(kFirstDataBuffer);
    // The value may grow between the size query and the read: retry until
    // the buffer holds it.
    for (;;) {
      DWORD type = 0;
      DWORD size = static_cast<DWORD>(raw.data.size());
      LONG rc = RegQueryValueExW(key_.get(), name.c_str(), nullptr, &type, raw.data.data(), &size);
      if (rc == ERROR_MORE_DATA) {
        raw.data.resize(size > raw.data.size() ? size : raw.data.size() * 2);
        continue;
      }
      if (rc != ERROR_SUCCESS) return RegError(L"RegQueryValueExW", rc);
      raw.type = type;
      raw.data.resize(size);
      return raw;
    }
  }

  Status WriteRaw(const std::wstring& name, uint32_t type,
                     const std::vector<uint8_t>& data) override {
    LONG rc = RegSetValueExW(key_.get(), name.c_str(), 0, type,
                             data.empty() ? nullptr : data.data(), static_cast<DWORD>(data.size()));
    if (rc != ERROR_SUCCESS) return RegError(L"RegSetValueExW", rc);
    return {};
  }

  Status DeleteValue(const std::wstring& name) override {
    LONG rc = RegDeleteValueW(key_.get(), name.c_str());
    if (rc != ERROR_SUCCESS) return RegError(L"RegDeleteValueW", rc);
    return {};
  }

  Result<std::vector<std::wstring>> ValueNames() const override {
    std::vector<std::wstring> names;
    std::vector<wchar_t> buf(kFirstNameBuffer);
    for (DWORD i = 0;;) {
      DWORD len = static_cast<DWORD>(buf.size());
      LONG rc = RegEnumValueW(key_.get(), i, buf.data(), &len, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) return names;
      if (rc == ERROR_MORE_DATA && buf.size() < kMaxValueName) {
        buf.resize(kMaxValueName);
        continue;
      }
      if (rc != ERROR_SUCCESS) return RegError(L"RegEnumValueW", rc);
      names.emplace_back(buf.data(), len);
      ++i;
    }
  }

  Result<std::vector<std::wstring>> SubKeyNames() const override {
    std::vector<std::wstring> names;
    std::vector<wchar_t> buf(kFirstNameBuffer);
    for (DWORD i = 0;;) {
      DWORD len = static_cast<DWORD>(buf.size());
      LONG rc = RegEnumKeyExW(key_.get(), i, buf.data(), &len, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) return names;
      if (rc == ERROR_MORE_DATA && buf.size() < kMaxValueName) {
        buf.resize(kMaxValueName);
        continue;
      }
      if (rc != ERROR_SUCCESS) return RegError(L"RegEnumKeyExW", rc);
      names.emplace_back(buf.data(), len);
      ++i;
    }
  }

 private:
  UniqueRegKey key_;
  RegAccess access_;
};

struct Failure {
  const wchar_t* call = nullptr;
  LONG code = ERROR_SUCCESS;
};

// Deletes parent\name after its subkeys, depth first. RegDeleteKeyW removes
// only keys without subkeys, and RegDeleteTreeW / SHDeleteKeyW are not on
// every supported system.
Failure DeleteTree(HKEY parent, const std::wstring& name) {
  {
    UniqueRegKey key;
    LONG rc = RegOpenKeyExW(parent, name.c_str(), 0, KEY_READ | DELETE, key.put());
    if (rc != ERROR_SUCCESS) return {L"RegOpenKeyExW", rc};
    std::vector<wchar_t> buf(kMaxValueName);
    for (;;) {
      // Always the first subkey: the one before it is gone by now.
      DWORD len = static_cast<DWORD>(buf.size());
      rc = RegEnumKeyExW(key.get(), 0, buf.data(), &len, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) break;
      if (rc != ERROR_SUCCESS) return {L"RegEnumKeyExW", rc};
      Failure f = DeleteTree(key.get(), std::wstring(buf.data(), len));
      if (f.call) return f;
    }
  }
  LONG rc = RegDeleteKeyW(parent, name.c_str());
  if (rc != ERROR_SUCCESS) return {L"RegDeleteKeyW", rc};
  return {};
}

}  // namespace

Result<std::unique_ptr<os::RegKey>> Win32Registry::OpenKey(os::RootKey root,
                                                           const std::wstring& path,
                                                           RegAccess access, bool create) {
  REGSAM sam = access == RegAccess::Read ? KEY_READ : KEY_ALL_ACCESS;
  UniqueRegKey key;
  LONG rc;
  if (create) {
    DWORD disposition = 0;
    rc = RegCreateKeyExW(RootHandle(root), path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, sam,
                         nullptr, key.put(), &disposition);
    if (rc != ERROR_SUCCESS) return RegError(L"RegCreateKeyExW", rc);
  } else {
    rc = RegOpenKeyExW(RootHandle(root), path.c_str(), 0, sam, key.put());
    if (rc != ERROR_SUCCESS) return RegError(L"RegOpenKeyExW", rc);
  }
  return std::unique_ptr<os::RegKey>(new Win32RegKey(std::move(key), access));
}

Status Win32Registry::DeleteKeyTree(os::RootKey root, const std::wstring& path) {
  if (path.empty()) return RegError(L"RegDeleteKeyW", ERROR_INVALID_PARAMETER);
  Failure f = DeleteTree(RootHandle(root), path);
  if (f.call) return RegError(f.call, f.code);
  return {};
}

os::Registry& SystemRegistry() {
  static Win32Registry registry;
  return registry;
}

}  // namespace quellon::win32
