// Version resources of files, the running system's version and the user's
// rights, from Windows.
#pragma once
#include <string>

#include "install/version_info.h"

namespace quellon {

// "a.b" or "a.b.c.d" from the file's fixed version block, with " (note)"
// appended when withPrivateBuild is set and the file has a "PrivateBuild"
// string; empty when the file has no readable version resource.
std::wstring GetFileVersionText(const std::wstring& fileName, bool full, bool withPrivateBuild);
// major.minor as a number; -1.0 without a version.
double GetFileVersionNumber(const std::wstring& fileName);
// One string of the version resource's first translation; empty when the
// file is not an executable or has no such string.
std::wstring GetVersionInfoString(const std::wstring& fileName, const std::wstring& key);

// The running system's version as GetVersionExW reports it.
OsVersion GetOsVersion();
bool IsWin2000OrLater();
bool IsVistaOrLater();
bool IsWin7OrLater();

bool IsAdmin();
bool IsProcessElevated();
bool IsUserInAdminGroup();

}  // namespace quellon
