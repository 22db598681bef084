// The registry port over the system registry.
#pragma once
#include <windows.h>

#include <memory>

#include "os/registry.h"

namespace quellon::win32 {

// The predefined handle for a root key (sign-extended as the system's own
// constants are on 64-bit); nullptr for RootKey::None.
HKEY RootHandle(os::RootKey root);

class Win32Registry final : public os::Registry {
 public:
  Result<std::unique_ptr<os::RegKey>> OpenKey(os::RootKey root, const std::wstring& path,
                                              os::RegAccess access, bool create) override;
  Status DeleteKeyTree(os::RootKey root, const std::wstring& path) override;
};

// The process's registry.
os::Registry& SystemRegistry();

}  // namespace quellon::win32
