#include <windows.h>

#include <stdexcept>
#include <vector>

#include "support/temp_folder.h"

namespace quellon::test {

TempFolder::TempFolder(const std::wstring& prefix) {
  wchar_t temp[MAX_PATH + 1];
  DWORD n = GetTempPathW(MAX_PATH + 1, temp);
  if (n == 0 || n > MAX_PATH) throw std::runtime_error("GetTempPathW failed");
  static unsigned counter = 0;
  for (int attempt = 0; attempt < 1000; ++attempt) {
    std::wstring p = std::wstring(temp) + prefix + L"-" + std::to_wstring(GetCurrentProcessId()) +
                     L"-" + std::to_wstring(++counter);
    if (CreateDirectoryW(p.c_str(), nullptr)) {
      path_ = p + L"\\";
      return;
    }
  }
  throw std::runtime_error("CreateDirectoryW failed");
}

TempFolder::~TempFolder() {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path_ + L"*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring p = path_ + name;
      SetFileAttributesW(p.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(p.c_str());
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(path_.c_str());
}

void TempFolder::PutFile(const std::wstring& path, const std::string& bytes) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw std::runtime_error("CreateFileW failed");
  DWORD written = 0;
  BOOL ok = bytes.empty() ||
            WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  if (!ok || written != bytes.size()) throw std::runtime_error("WriteFile failed");
}

std::optional<std::string> TempFolder::Contents(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string out;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) out.append(buf, got);
  CloseHandle(h);
  return out;
}

void TempFolder::SetReadOnly(const std::wstring& path, bool readOnly) {
  if (!SetFileAttributesW(path.c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL))
    throw std::runtime_error("SetFileAttributesW failed");
}

}  // namespace quellon::test
