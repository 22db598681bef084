// The one error idiom at the Win32 boundary: a failed call becomes a value
// with the call's name and the system's text for the code, number included
// ("Error 5: Access is denied.").
#pragma once
#include <windows.h>

#include <string>

namespace quellon::win32 {

// "Error <code>: <system text>" for a Win32 error code or an HRESULT.
std::wstring ErrorText(DWORD code);

struct Win32Error {
  std::wstring call;  // the failed function, e.g. L"RegOpenKeyExW"
  DWORD code = 0;
  std::wstring Message() const { return call + L" failed: " + ErrorText(code); }
};

}  // namespace quellon::win32
