// The registry port over the system registry.
#pragma once
#include <windows.h>

#include <memory>

#include "os/registry.h"

namespace quellon::win32 {

// The predefined handle for a root key (sign-extended as the system's own
// constants are on 64-bit); nullptr for RootKey::None.
HKEY RootHandle(os::RootKey root);

// A port error from a failed call and its code.
os::RegError MakeRegError(const wchar_t* call, LONG code);

class Win32Registry final : public os::Registry {
 public:
  os::RegResult<std::unique_ptr<os::RegKey>> OpenKey(os::RootKey root, const std::wstring& path,
                                                     os::RegAccess access, bool create) override;
  os::RegStatus DeleteKeyTree(os::RootKey root, const std::wstring& path) override;
};

// The process's registry.
os::Registry& SystemRegistry();

}  // namespace quellon::win32
