#include <windows.h>

#include <algorithm>

#include "imaging/file_bytes.h"
#include "os/win32/handles.h"
#include "os/win32/win_error.h"

namespace quellon::imaging {
namespace {

bool Fail(std::wstring* error, const wchar_t* call, DWORD code) {
  if (error) *error = win32::Win32Error{call, code}.Message();
  return false;
}

}  // namespace

bool WriteWholeFile(const std::wstring& path, const std::vector<uint8_t>& bytes, std::wstring* error) {
  win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Fail(error, L"CreateFileW", ::GetLastError());
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!::WriteFile(file.get(), bytes.data() + done, chunk, &written, nullptr) || written == 0) {
      const DWORD code = ::GetLastError();
      file.reset();
      ::DeleteFileW(path.c_str());
      return Fail(error, L"WriteFile", code);
    }
    done += written;
  }
  return true;
}

bool ReadWholeFile(const std::wstring& path, std::vector<uint8_t>* bytes, std::wstring* error) {
  win32::UniqueFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return Fail(error, L"CreateFileW", ::GetLastError());
  LARGE_INTEGER size;
  if (!::GetFileSizeEx(file.get(), &size)) return Fail(error, L"GetFileSizeEx", ::GetLastError());
  if (size.QuadPart > 0x7FFFFFFF) return Fail(error, L"ReadFile", ERROR_FILE_TOO_LARGE);
  bytes->resize(static_cast<size_t>(size.QuadPart));
  size_t done = 0;
  while (done < bytes->size()) {
    DWORD got = 0;
    if (!::ReadFile(file.get(), bytes->data() + done, static_cast<DWORD>(bytes->size() - done), &got, nullptr)) {
      return Fail(error, L"ReadFile", ::GetLastError());
    }
    if (got == 0) break;
    done += got;
  }
  bytes->resize(done);
  return true;
}

}  // namespace quellon::imaging
