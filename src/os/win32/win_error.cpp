#include "os/win32/win_error.h"

#include <cwchar>

namespace quellon::win32 {

std::wstring SystemText(DWORD code) {
  wchar_t* buffer = nullptr;
  DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                               FORMAT_MESSAGE_IGNORE_INSERTS,
                           nullptr, code, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text;
  if (n && buffer) {
    text.assign(buffer, n);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
      text.pop_back();
  }
  if (buffer) LocalFree(buffer);
  if (!text.empty()) return text;
  // A code the system has no text for is told by its number.
  wchar_t number[32];
  if (code & 0x80000000u)
    swprintf(number, 32, L"Error 0x%08lX.", static_cast<unsigned long>(code));
  else
    swprintf(number, 32, L"Error %lu.", static_cast<unsigned long>(code));
  return number;
}

Error CallError(const std::wstring& call, DWORD code) {
  return SystemError(call, static_cast<uint32_t>(code), SystemText(code));
}

Error CallError(const wchar_t* call, DWORD code) { return CallError(std::wstring(call), code); }

Error LastError(const wchar_t* call) { return CallError(call, ::GetLastError()); }

}  // namespace quellon::win32
