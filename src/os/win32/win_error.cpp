#include "os/win32/win_error.h"

#include <cwchar>

namespace quellon::win32 {

std::wstring ErrorText(DWORD code) {
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
  wchar_t head[32];
  if (code & 0x80000000u)
    swprintf(head, 32, L"Error 0x%08lX", static_cast<unsigned long>(code));
  else
    swprintf(head, 32, L"Error %lu", static_cast<unsigned long>(code));
  return text.empty() ? std::wstring(head) + L"." : std::wstring(head) + L": " + text;
}

}  // namespace quellon::win32
