// The one error idiom at the Win32 boundary: a failed call becomes an Error
// (util/result.h) with the kind of its code, the code itself, and the
// message "<call> failed: <system text>" ("RegOpenKeyExW failed: Access is
// denied."), without the code's number: log lines carry the system's text
// alone.
#pragma once
#include <windows.h>

#include <string>

#include "util/result.h"

namespace quellon::win32 {

// The system's text for a Win32 error code or an HRESULT ("Access is
// denied."); "Error <code>." when the system has none.
std::wstring SystemText(DWORD code);

// The error of a failed call with the given code, or with the calling
// thread's last error.
Error CallError(const wchar_t* call, DWORD code);
Error CallError(const std::wstring& call, DWORD code);
Error LastError(const wchar_t* call);

}  // namespace quellon::win32
