#include <windows.h>
#include <shlobj.h>

#include "os/win32/handles.h"
#include "platform/file_system_win32.h"
#include "platform/platform_win32.h"
#include "util/text.h"

namespace quellon {
namespace {

using platform_detail::BufferText;
using platform_detail::kPathBuffer;

// The folder numbers are kept without the shell's headers; hold them to it.
static_assert(SpecialFolderCsidl(sfAdminTools) == CSIDL_ADMINTOOLS);
static_assert(SpecialFolderCsidl(sfAltStartup) == CSIDL_ALTSTARTUP);
static_assert(SpecialFolderCsidl(sfAppData) == CSIDL_APPDATA);
static_assert(SpecialFolderCsidl(sfBitBucket) == CSIDL_BITBUCKET);
static_assert(SpecialFolderCsidl(sfCdBurnArea) == CSIDL_CDBURN_AREA);
static_assert(SpecialFolderCsidl(sfCommonAdminTools) == CSIDL_COMMON_ADMINTOOLS);
static_assert(SpecialFolderCsidl(sfCommonAltStartup) == CSIDL_COMMON_ALTSTARTUP);
static_assert(SpecialFolderCsidl(sfCommonAppData) == CSIDL_COMMON_APPDATA);
static_assert(SpecialFolderCsidl(sfCommonDesktopDirectory) == CSIDL_COMMON_DESKTOPDIRECTORY);
static_assert(SpecialFolderCsidl(sfCommonDocuments) == CSIDL_COMMON_DOCUMENTS);
static_assert(SpecialFolderCsidl(sfCommonFavorites) == CSIDL_COMMON_FAVORITES);
static_assert(SpecialFolderCsidl(sfCommonMusic) == CSIDL_COMMON_MUSIC);
static_assert(SpecialFolderCsidl(sfCommonPictures) == CSIDL_COMMON_PICTURES);
static_assert(SpecialFolderCsidl(sfCommonPrograms) == CSIDL_COMMON_PROGRAMS);
static_assert(SpecialFolderCsidl(sfCommonStartMenu) == CSIDL_COMMON_STARTMENU);
static_assert(SpecialFolderCsidl(sfCommonStartup) == CSIDL_COMMON_STARTUP);
static_assert(SpecialFolderCsidl(sfCommonTemplates) == CSIDL_COMMON_TEMPLATES);
static_assert(SpecialFolderCsidl(sfCommonVideo) == CSIDL_COMMON_VIDEO);
static_assert(SpecialFolderCsidl(sfCookies) == CSIDL_COOKIES);
static_assert(SpecialFolderCsidl(sfDesktopDirectory) == CSIDL_DESKTOPDIRECTORY);
static_assert(SpecialFolderCsidl(sfFavorites) == CSIDL_FAVORITES);
static_assert(SpecialFolderCsidl(sfFonts) == CSIDL_FONTS);
static_assert(SpecialFolderCsidl(sfHistory) == CSIDL_HISTORY);
static_assert(SpecialFolderCsidl(sfInternetCache) == CSIDL_INTERNET_CACHE);
static_assert(SpecialFolderCsidl(sfLocalAppData) == CSIDL_LOCAL_APPDATA);
static_assert(SpecialFolderCsidl(sfPersonal) == CSIDL_PERSONAL);
static_assert(SpecialFolderCsidl(sfMyMusic) == CSIDL_MYMUSIC);
static_assert(SpecialFolderCsidl(sfMyPictures) == CSIDL_MYPICTURES);
static_assert(SpecialFolderCsidl(sfMyVideo) == CSIDL_MYVIDEO);
static_assert(SpecialFolderCsidl(sfProfile) == CSIDL_PROFILE);
// CSIDL_PROFILES (0x003e) is missing from the MinGW headers; it stands unchecked.
static_assert(SpecialFolderCsidl(sfProgramFiles) == CSIDL_PROGRAM_FILES);
static_assert(SpecialFolderCsidl(sfProgramFilesCommon) == CSIDL_PROGRAM_FILES_COMMON);
static_assert(SpecialFolderCsidl(sfPrograms) == CSIDL_PROGRAMS);
static_assert(SpecialFolderCsidl(sfRecent) == CSIDL_RECENT);
static_assert(SpecialFolderCsidl(sfSendTo) == CSIDL_SENDTO);
static_assert(SpecialFolderCsidl(sfStartMenu) == CSIDL_STARTMENU);
static_assert(SpecialFolderCsidl(sfStartup) == CSIDL_STARTUP);
static_assert(SpecialFolderCsidl(sfSystem) == CSIDL_SYSTEM);
static_assert(SpecialFolderCsidl(sfTemplates) == CSIDL_TEMPLATES);
static_assert(SpecialFolderCsidl(sfWindows) == CSIDL_WINDOWS);

using SHGetFolderPathWFn = HRESULT(WINAPI*)(HWND, int, HANDLE, DWORD, LPWSTR);

// An item list allocated by the shell, freed with the shell's allocator.
class ShellItemList {
 public:
  ShellItemList(IMalloc* allocator, LPITEMIDLIST list) : allocator_(allocator), list_(list) {}
  ~ShellItemList() {
    if (list_) allocator_->Free(list_);
  }
  ShellItemList(const ShellItemList&) = delete;
  ShellItemList& operator=(const ShellItemList&) = delete;

 private:
  IMalloc* allocator_;
  LPITEMIDLIST list_;
};

bool IsNtPlatform() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
  if (!::GetVersionExW(&info)) return true;
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT;
}

// A string value, read only; "" when the key or value is missing or is not
// a string.
std::wstring ReadRegistryString(HKEY root, const wchar_t* path, const wchar_t* name) {
  win32::UniqueRegKey key;
  if (::RegOpenKeyExW(root, path, 0, KEY_READ, key.put()) != ERROR_SUCCESS) return L"";
  DWORD type = 0;
  DWORD bytes = 0;
  if (::RegQueryValueExW(key.get(), name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS)
    return L"";
  if (type != REG_SZ && type != REG_EXPAND_SZ) return L"";
  std::wstring data(bytes / sizeof(wchar_t) + 1, L'\0');
  bytes = static_cast<DWORD>(data.size() * sizeof(wchar_t));
  if (::RegQueryValueExW(key.get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&data[0]),
                         &bytes) != ERROR_SUCCESS)
    return L"";
  return BufferText(data.c_str(), bytes / sizeof(wchar_t));
}

// The shell's path of a folder number: SHGetFolderPathW where shell32 has
// it, else the item list of SHGetSpecialFolderLocation. "" on failure.
std::wstring ShellFolderPath(int csidl) {
  std::wstring path;
  win32::UniqueModule shell32(::LoadLibraryW(L"shell32.dll"));
  if (shell32) {
    auto getFolderPath = reinterpret_cast<SHGetFolderPathWFn>(
        ::GetProcAddress(shell32.get(), "SHGetFolderPathW"));
    wchar_t buffer[kPathBuffer] = {};
    if (getFolderPath &&
        SUCCEEDED(getFolderPath(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, buffer)))
      path = BufferText(buffer, kPathBuffer);
  }
  if (!path.empty()) return path;

  win32::ComPtr<IMalloc> allocator;
  if (FAILED(::SHGetMalloc(allocator.put())) || !allocator) return L"";
  LPITEMIDLIST list = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return L"";
  ShellItemList owner(allocator.get(), list);
  wchar_t buffer[kPathBuffer] = {};
  if (!::SHGetPathFromIDListW(list, buffer)) return L"";
  return BufferText(buffer, kPathBuffer);
}

std::wstring QuickLaunchFolder() {
  std::wstring path = ReadRegistryString(
      HKEY_CURRENT_USER, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\GrpConv\\MapGroups",
      L"Quick Launch");
  return IsValidAbsolutePath(path) ? path : std::wstring();
}

// A folder of the system's own, asked for with a buffer of 260 characters.
std::wstring SystemFolder(UINT(WINAPI* query)(LPWSTR, UINT)) {
  wchar_t buffer[MAX_PATH] = {};
  UINT length = query(buffer, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return L"";
  return WithTrailingBackslash(BufferText(buffer, length));
}

// Steps up to the subfolder: the kind's own path with a trailing backslash,
// or the fallback of the kind.
std::wstring FolderOfKind(TSpecialFolder kind) {
  std::wstring path;
  if (kind == sfQuickLaunch)
    path = QuickLaunchFolder();
  else if (kind < sfQuickLaunch)
    path = ShellFolderPath(SpecialFolderCsidl(kind));
  if (!path.empty()) return WithTrailingBackslash(path);

  FolderFallback fallback = SpecialFolderFallback(kind);
  switch (fallback.how) {
    case FolderFallbackKind::kOtherKind: return GetSpecialFolder(fallback.kind, L"");
    case FolderFallbackKind::kSystemDirectory: return SystemFolder(::GetSystemDirectoryW);
    case FolderFallbackKind::kWindowsDirectory: return SystemFolder(::GetWindowsDirectoryW);
    case FolderFallbackKind::kNone: break;
  }
  return L"";
}

}  // namespace

std::wstring GetSpecialFolder(TSpecialFolder kind, const std::wstring& subFolder) {
  std::wstring path = FolderOfKind(SpecialFolderForPlatform(kind, IsNtPlatform()));
  if (path.empty() || subFolder.empty()) return path;
  // Validated before anything is created, so a bad name leaves no folder.
  std::wstring folder = path + subFolder;
  if (!IsValidAbsolutePath(folder) || !platform_detail::ForceDirectories(folder)) return L"";
  return WithTrailingBackslash(folder);
}

std::wstring GetProgramFilesDir() {
  std::wstring path = ShellFolderPath(CSIDL_PROGRAM_FILES);
  if (path.empty())
    path = ReadRegistryString(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion",
                              L"ProgramFilesDir");
  if (path.empty()) path = L"C:\\Program files";
  return WithTrailingBackslash(path);
}

}  // namespace quellon
