// Path rules that need no operating system: how paths are split, compared,
// validated and built for shortcuts, free-space queries and long names.
// Windows paths throughout, and one rule for every split in the program:
// both '\' and '/' separate folders (Windows accepts either, and paths typed
// by users or made by other programs mix them); "X:" is a drive, so a ':'
// also ends the folder part. Paths this code builds use '\'.
#pragma once
#include <functional>
#include <string>
#include <vector>

namespace quellon {

// '\' or '/'.
bool IsPathSeparator(wchar_t c);

// The drive part: "X:" for a path starting with a drive letter and a colon,
// "\\server\share" for one starting with a server and share prefix (either
// separator), else "".
std::wstring DrivePart(const std::wstring& path);

// The folder part: everything up to and including the last separator or ':'.
std::wstring FolderPart(const std::wstring& path);

// The name after the folder part.
std::wstring FileNamePart(const std::wstring& path);

// The extension with its dot, from the last '.' after the folder part; "" when
// the name has none.
std::wstring FileExtension(const std::wstring& path);

// The path with its extension replaced by (or, without one, extended by) ext.
std::wstring ChangeFileExtension(const std::wstring& path, const std::wstring& ext);

// Every backslash turned into a slash, then the whole upper-cased, so that
// paths compare regardless of separator and letter case.
std::wstring ComparablePath(const std::wstring& path);

// The relative-path test used when the shell's own is not available: a path
// without a drive part is relative.
bool IsRelativeByDrivePart(const std::wstring& path);

// IsValidAbsolutePath once the relative test has been made: not relative, a
// non-empty folder part, and none of ? / * < > | ".
bool IsValidAbsolutePathRule(const std::wstring& path, bool isRelative);

// The folders to create, outermost first, so that path exists with all its
// parents: every prefix ending before a separator after the drive part, and
// the path itself (trailing separators dropped).
std::vector<std::wstring> FolderChain(const std::wstring& path);

// The drive a free-space query is made for: a single character is a drive
// letter and gets ':'; a longer text is reduced to its drive part. A server
// and share gets the trailing backslash the system asks for. "" when there is
// no drive.
std::wstring DiskFreeDrive(const std::wstring& driveOrPath);

// The file name of a link: linkName with its extension changed to ".lnk"
// unless it already is ".lnk" in any letter case; with no linkName, the
// target's file name with the extension ".lnk".
std::wstring ShortcutFileName(const std::wstring& linkName, const std::wstring& target);

// The folder CreateShortcut uses: the place's folder followed by subFolder.
// Empty when the place's folder is empty, so that a lone subfolder is never
// taken as a path relative to the current folder.
std::wstring ShortcutFolder(const std::wstring& placeFolder, const std::wstring& subFolder);

// The long form of a short path: each component after the drive part, from
// the last to the first, replaced by the display name of the short path
// ending with it, joined to the drive part with backslashes; then the
// extension set back to `extension`. displayName returns "" when it fails;
// any failure, or a path without a drive part, gives "".
std::wstring LongPathFromShort(const std::wstring& shortPath, const std::wstring& extension,
                               const std::function<std::wstring(const std::wstring&)>& displayName);

}  // namespace quellon
