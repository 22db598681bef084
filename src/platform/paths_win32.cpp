#include <windows.h>
#include <shellapi.h>

#include "os/win32/handles.h"
#include "platform/file_system_win32.h"
#include "platform/platform_win32.h"
#include "util/text.h"

namespace quellon {

namespace platform_detail {

std::wstring BufferText(const wchar_t* buffer, size_t capacity) {
  size_t length = 0;
  while (length < capacity && buffer[length] != L'\0') ++length;
  return std::wstring(buffer, length);
}

bool DirectoryExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool FileExists(const std::wstring& path) {
  DWORD attributes = ::GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool ForceDirectories(const std::wstring& path) {
  for (const auto& folder : FolderChain(path)) {
    if (DirectoryExists(folder)) continue;
    // Another process may create it at the same moment; what counts is that
    // it exists afterwards.
    if (!::CreateDirectoryW(folder.c_str(), nullptr) && !DirectoryExists(folder)) return false;
  }
  return DirectoryExists(path);
}

std::wstring ModuleFileName(HMODULE module) {
  wchar_t buffer[kPathBuffer] = {};
  DWORD length = ::GetModuleFileNameW(module, buffer, kPathBuffer);
  if (length == 0) return L"";
  return BufferText(buffer, length);
}

bool ShellDisplayName(const std::wstring& path, std::wstring& name) {
  win32::ScopedCoInit com;  // the shell's folders are COM objects
  SHFILEINFOW info{};
  if (!::SHGetFileInfoW(path.c_str(), 0, &info, sizeof(info), SHGFI_DISPLAYNAME)) return false;
  name = BufferText(info.szDisplayName, MAX_PATH);
  return !name.empty();
}

}  // namespace platform_detail

namespace {

using platform_detail::BufferText;
using platform_detail::kPathBuffer;

using PathTestFn = BOOL(WINAPI*)(LPCWSTR);

// Calls a path test of shlwapi.dll; false in `available` when the library or
// the function is missing.
BOOL CallShlwapiTest(const char* function, const std::wstring& path, bool& available) {
  available = false;
  win32::UniqueModule shlwapi(::LoadLibraryW(L"shlwapi.dll"));
  if (!shlwapi) return FALSE;
  auto test = reinterpret_cast<PathTestFn>(::GetProcAddress(shlwapi.get(), function));
  if (!test) return FALSE;
  available = true;
  return test(path.c_str());
}

}  // namespace

bool IsDirectory(const std::wstring& path) {
  bool available = false;
  // A zero from the shell is also its only failure report, so the plain test
  // has the last word then.
  if (CallShlwapiTest("PathIsDirectoryW", path, available)) return true;
  return platform_detail::DirectoryExists(path);
}

bool IsRelativePath(const std::wstring& path) {
  bool available = false;
  BOOL relative = CallShlwapiTest("PathIsRelativeW", path, available);
  if (!available) return IsRelativeByDrivePart(path);
  return relative != FALSE;
}

bool IsValidAbsolutePath(const std::wstring& path) {
  return IsValidAbsolutePathRule(path, IsRelativePath(path));
}

std::wstring GetShellDisplayName(const std::wstring& path) {
  std::wstring name;
  return platform_detail::ShellDisplayName(path, name) ? name : path;
}

std::wstring GetLongPath(const std::wstring& path) {
  if (path.empty()) return L"";
  const std::wstring extension = FileExtension(path);
  wchar_t buffer[kPathBuffer] = {};
  DWORD length = ::GetShortPathNameW(path.c_str(), buffer, kPathBuffer);
  if (length == 0 || length >= kPathBuffer) return L"";
  // A component without a display name fails the whole, rather than
  // standing in as the full path GetShellDisplayName would give.
  return LongPathFromShort(BufferText(buffer, length), extension, [](const std::wstring& p) {
    std::wstring name;
    return platform_detail::ShellDisplayName(p, name) ? name : std::wstring();
  });
}

std::int32_t GetProgramFileSize(const std::wstring& fileName) {
  const std::wstring program = platform_detail::ModuleFileName(nullptr);
  if (program.empty() || fileName.empty()) return -1;
  WIN32_FIND_DATAW data{};
  win32::UniqueFindHandle find(::FindFirstFileW((FolderPart(program) + fileName).c_str(), &data));
  if (!find) return -1;
  return static_cast<std::int32_t>(data.nFileSizeLow);
}

std::int64_t GetDiskFreeBytes(const std::wstring& driveOrPath) {
  const std::wstring drive = DiskFreeDrive(driveOrPath);
  if (drive.empty()) return -1;
  ULARGE_INTEGER available{};
  if (!::GetDiskFreeSpaceExW(drive.c_str(), &available, nullptr, nullptr)) return -1;
  return static_cast<std::int64_t>(available.QuadPart);
}

std::wstring GetExeBaseName() {
  return UpperCase(
      ChangeFileExtension(FileNamePart(platform_detail::ModuleFileName(nullptr)), L""));
}

std::wstring GetTempDir() {
  wchar_t buffer[kPathBuffer] = {};
  DWORD length = ::GetTempPathW(kPathBuffer, buffer);
  // A length beyond the buffer is the size it would have needed.
  if (length == 0 || length >= kPathBuffer) return L"";
  return BufferText(buffer, length);
}

std::wstring GetModulePath(HMODULE module) {
  return UpperCase(platform_detail::ModuleFileName(module));
}

}  // namespace quellon
