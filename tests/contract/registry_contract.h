// Contract of the registry port, run against the in-memory registry on the
// host and against the system registry under Wine.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "os/registry.h"

namespace quellon::test {

// A fresh registry and a key path under HKEY_CURRENT_USER that no one else
// uses; the suite creates it, works below it and deletes it afterwards.
struct RegistryUnderTest {
  std::unique_ptr<os::Registry> registry;
  std::wstring scratch;
};

struct RegistryFactory {
  std::string name;
  std::function<RegistryUnderTest()> make;
};
inline void PrintTo(const RegistryFactory& f, std::ostream* os) { *os << f.name; }

// "SOFTWARE\\Tarnwick\\QuellonTest\\<tag>-<counter>".
std::wstring ScratchKeyPath(const std::wstring& tag);
// Removes "SOFTWARE\\Tarnwick\\QuellonTest" once no scratch key is left in it.
void DeleteScratchParentIfEmpty(os::Registry& reg);

class RegistryContract : public ::testing::TestWithParam<RegistryFactory> {
 protected:
  void SetUp() override;
  void TearDown() override;

  // root\scratch\sub (sub may be empty).
  std::wstring Path(const std::wstring& sub = L"") const;
  std::unique_ptr<os::RegKey> Open(const std::wstring& sub, os::RegAccess access, bool create);
  std::unique_ptr<os::RegKey> Scratch() { return Open(L"", os::RegAccess::Full, true); }

  os::Registry& reg() { return *under_.registry; }

 private:
  RegistryUnderTest under_;
};

}  // namespace quellon::test
