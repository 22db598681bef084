// A fresh folder under the temporary folder for one test, removed with all
// its contents afterwards.
#pragma once
#include <windows.h>

#include <string>

namespace quellon::test {

class PlatformTempFolder {
 public:
  PlatformTempFolder() {
    static unsigned counter = 0;
    wchar_t temp[MAX_PATH + 1] = {};
    ::GetTempPathW(MAX_PATH + 1, temp);
    path_ = std::wstring(temp) + L"quellon-plat-" + std::to_wstring(::GetCurrentProcessId()) +
            L"-" + std::to_wstring(::GetTickCount()) + L"-" + std::to_wstring(++counter) + L"\\";
    ::CreateDirectoryW(path_.c_str(), nullptr);
  }
  ~PlatformTempFolder() { RemoveTree(path_); }
  PlatformTempFolder(const PlatformTempFolder&) = delete;
  PlatformTempFolder& operator=(const PlatformTempFolder&) = delete;

  // The folder, with a trailing backslash.
  const std::wstring& path() const { return path_; }

  // Writes a file (and its folder) inside; returns its full path.
  std::wstring WriteFile(const std::wstring& name, const std::string& content) const {
    std::wstring file = path_ + name;
    HANDLE h = ::CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h != INVALID_HANDLE_VALUE) {
      DWORD written = 0;
      ::WriteFile(h, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
      ::CloseHandle(h);
    }
    return file;
  }

  static std::string ReadFile(const std::wstring& file) {
    std::string content;
    HANDLE h = ::CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return content;
    char buffer[4096];
    DWORD got = 0;
    while (::ReadFile(h, buffer, sizeof(buffer), &got, nullptr) && got > 0) content.append(buffer, got);
    ::CloseHandle(h);
    return content;
  }

  static bool Exists(const std::wstring& path) {
    return ::GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
  }

  // Removes a folder (trailing backslash or not) with everything in it.
  static void RemoveTree(std::wstring folder) {
    if (folder.empty()) return;
    if (folder.back() != L'\\') folder += L'\\';
    WIN32_FIND_DATAW data{};
    HANDLE find = ::FindFirstFileW((folder + L"*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
      do {
        std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        std::wstring full = folder + name;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
          RemoveTree(full);
        } else {
          ::SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
          ::DeleteFileW(full.c_str());
        }
      } while (::FindNextFileW(find, &data));
      ::FindClose(find);
    }
    ::RemoveDirectoryW(folder.c_str());
  }

  // Under Wine the Recycle Bin is the desktop's trash folder in the Unix home
  // (outside the Wine prefix); a test that recycles removes its file there.
  static void RemoveFromWineTrash(const std::wstring& fileName) {
    wchar_t home[MAX_PATH + 1] = {};
    if (!::GetEnvironmentVariableW(L"WINEHOMEDIR", home, MAX_PATH + 1)) return;
    std::wstring trash = home;
    if (trash.compare(0, 4, L"\\??\\") == 0) trash = trash.substr(4);
    trash += L"\\.local\\share\\Trash\\";
    ::DeleteFileW((trash + L"files\\" + fileName).c_str());
    ::DeleteFileW((trash + L"info\\" + fileName + L".trashinfo").c_str());
  }

 private:
  std::wstring path_;
};

}  // namespace quellon::test
