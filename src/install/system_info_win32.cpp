#include <windows.h>

#include <vector>

#include "install/system_info.h"
#include "os/win32/handles.h"

namespace quellon {
namespace {

// The whole version resource of a file, or empty.
std::vector<unsigned char> ReadVersionResource(const std::wstring& fileName) {
  DWORD handle = 0;
  DWORD size = GetFileVersionInfoSizeW(fileName.c_str(), &handle);
  if (size == 0) return {};
  std::vector<unsigned char> buffer(size, 0);
  if (!GetFileVersionInfoW(fileName.c_str(), 0, size, buffer.data())) return {};
  return buffer;
}

}  // namespace

std::wstring GetFileVersionText(const std::wstring& fileName, bool full, bool withPrivateBuild) {
  std::vector<unsigned char> buffer = ReadVersionResource(fileName);
  if (buffer.empty()) return L"";
  VS_FIXEDFILEINFO* info = nullptr;
  UINT len = 0;
  wchar_t root[] = L"\\";
  if (!VerQueryValueW(buffer.data(), root, reinterpret_cast<void**>(&info), &len) || !info ||
      len < sizeof(VS_FIXEDFILEINFO))
    return L"";
  std::wstring text = VersionText(info->dwFileVersionMS, info->dwFileVersionLS, full);
  if (withPrivateBuild) {
    std::wstring note = GetVersionInfoString(fileName, L"PrivateBuild");
    if (!note.empty()) text += L" (" + note + L")";
  }
  return text;
}

double GetFileVersionNumber(const std::wstring& fileName) {
  return VersionNumber(GetFileVersionText(fileName, false, false));
}

std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key) {
  SHFILEINFOW sfi = {};
  if (SHGetFileInfoW(fileName.c_str(), 0, &sfi, sizeof(sfi), SHGFI_EXETYPE) == 0) return L"";
  std::vector<unsigned char> buffer = ReadVersionResource(fileName);
  if (buffer.empty()) return L"";
  DWORD* translation = nullptr;
  UINT len = 0;
  wchar_t trans[] = L"\\VarFileInfo\\Translation";
  if (!VerQueryValueW(buffer.data(), trans, reinterpret_cast<void**>(&translation), &len) ||
      !translation || len < sizeof(DWORD))
    return L"";
  std::wstring sub = L"\\StringFileInfo\\" + TranslationKey(*translation) + L"\\" + key;
  wchar_t* value = nullptr;
  if (!VerQueryValueW(buffer.data(), sub.c_str(), reinterpret_cast<void**>(&value), &len) || !value)
    return L"";
  return std::wstring(value);  // up to its terminating zero
}

OsVersion GetOsVersion() {
  OSVERSIONINFOW vi = {};
  vi.dwOSVersionInfoSize = sizeof(vi);
  OsVersion v;
  if (GetVersionExW(&vi)) {
    v.platformId = vi.dwPlatformId;
    v.major = vi.dwMajorVersion;
    v.minor = vi.dwMinorVersion;
  }
  return v;
}

bool IsWin2000OrLater() { return quellon::IsWin2000OrLater(GetOsVersion()); }
bool IsVistaOrLater() { return quellon::IsVistaOrLater(GetOsVersion()); }
bool IsWin7OrLater() { return quellon::IsWin7OrLater(GetOsVersion()); }

bool IsProcessElevated() {
  win32::UniqueHandle token;
  if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
  // TOKEN_ELEVATION: one DWORD; TokenElevation is class 20.
  DWORD elevation = 0, returned = 0;
  if (!GetTokenInformation(token.get(), static_cast<TOKEN_INFORMATION_CLASS>(20), &elevation,
                           sizeof(elevation), &returned))
    return false;
  return elevation != 0;
}

bool IsUserInAdminGroup() {
  win32::UniqueHandle token;
  if (!OpenThreadToken(GetCurrentThread(), TOKEN_QUERY, TRUE, token.put())) {
    if (GetLastError() != ERROR_NO_TOKEN) return false;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.put())) return false;
  }
  // A fixed 1024-byte buffer: a token whose groups do not fit counts as
  // no administrator rights (rights checks fail closed).
  alignas(TOKEN_GROUPS) unsigned char buffer[1024];
  DWORD returned = 0;
  BOOL ok = GetTokenInformation(token.get(), TokenGroups, buffer, sizeof(buffer), &returned);
  token.reset();
  if (!ok) return false;
  SID_IDENTIFIER_AUTHORITY nt = SECURITY_NT_AUTHORITY;
  PSID admins = nullptr;
  if (!AllocateAndInitializeSid(&nt, 2, SECURITY_BUILTIN_DOMAIN_RID, DOMAIN_ALIAS_RID_ADMINS, 0, 0,
                                0, 0, 0, 0, &admins))
    return false;
  const TOKEN_GROUPS* groups = reinterpret_cast<const TOKEN_GROUPS*>(buffer);
  bool found = false;
  for (DWORD i = 0; i < groups->GroupCount && !found; ++i)
    found = EqualSid(groups->Groups[i].Sid, admins) != FALSE;
  FreeSid(admins);
  return found;
}

bool IsAdmin() {
  OsVersion v = GetOsVersion();
  if (v.platformId != kPlatformNT) return true;
  if (v.major >= 6) return IsProcessElevated();
  return IsUserInAdminGroup();
}

}  // namespace quellon
