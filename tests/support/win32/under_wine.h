// Whether the tests run under Wine (its ntdll exports wine_get_version):
// some answers are Wine's own, and some real calls are safe only there.
#pragma once
#include <windows.h>

namespace quellon::test {

inline bool UnderWine() {
  HMODULE ntdll = ::GetModuleHandleW(L"ntdll.dll");
  return ntdll && ::GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

}  // namespace quellon::test
