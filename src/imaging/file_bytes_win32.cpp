#include <windows.h>

#include <algorithm>

#include "imaging/file_bytes.h"
#include "os/win32/handles.h"
#include "os/win32/win_error.h"

namespace quellon::imaging {

using win32::CallError;
using win32::LastError;

Status WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes) {
  win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError(L"CreateFileW");
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    const bool failed = !::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr);
    if (failed || written == 0) {
      const DWORD code = failed ? ::GetLastError() : ERROR_WRITE_FAULT;
      file.reset();
      ::DeleteFileW(path.c_str());
      return CallError(L"WriteFile", code);
    }
    done += written;
  }
  return {};
}

Result<std::vector<uint8_t>> ReadWholeFile(const std::wstring& path) {
  win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return LastError(L"CreateFileW");
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size)) return LastError(L"GetFileSizeEx");
  if (size.QuadPart > 0x7FFFFFFF) return CallError(L"ReadFile", ERROR_FILE_TOO_LARGE);
  std::vector<uint8_t> bytes(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes.size()) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), bytes.data() + done, static_cast<DWORD>(bytes.size() - done), &got, nullptr)) {
      return LastError(L"ReadFile");
    }
    if (got == 0) break;
    done += got;
  }
  bytes.resize(done);
  return bytes;
}

}  // namespace quellon::imaging
