// Windows shell, file and disk services: special folders, path tests,
// shortcuts, file sizes, free space, temporary and module paths, and the
// shell's file operations. None of them raises or shows anything; failure is
// the empty string, false or -1 as stated per function. Shell libraries that
// older systems may lack are loaded on demand, with an older service behind.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/path_rules.h"
#include "platform/shell_files.h"
#include "platform/special_folders.h"

namespace quellon {

// The folder of a kind with a trailing backslash, followed by subFolder (which
// is created with its missing parents) when that is not empty; "" when the
// folder cannot be found, created or is not a valid absolute path.
std::wstring GetSpecialFolder(TSpecialFolder kind, const std::wstring& subFolder);

// The program files folder with a trailing backslash; never empty.
std::wstring GetProgramFilesDir();

bool IsDirectory(const std::wstring& path);
bool IsRelativePath(const std::wstring& path);
bool IsValidAbsolutePath(const std::wstring& path);

// The shell's display name of the path, or the path itself when it has none.
std::wstring GetShellDisplayName(const std::wstring& path);

// The long form of a path (C:\PROGRA~1\TARNWI~1\ZUB.EXE becomes
// C:\Program Files\Tarnwick\ZUB.EXE), keeping the given extension; "" on
// any failure.
std::wstring GetLongPath(const std::wstring& path);

// Creates a link to target in the folder of place (and subFolder). linkPath
// is the link's full path, or "" when no link was made.
void CreateShortcut(const std::wstring& target, const std::wstring& arguments,
                    const std::wstring& workingFolder, std::wstring& linkPath,
                    const std::wstring& subFolder, bool replace, TShortcutPlace place,
                    const std::wstring& description, const std::wstring& linkName);

// Creates a link to target in folder, creating the folder when needed. An
// existing link is moved to the Recycle Bin when replace is set and kept (no
// link made) otherwise.
void CreateShortcutInFolder(const std::wstring& target, const std::wstring& arguments,
                            const std::wstring& workingFolder, std::wstring& linkPath, bool replace,
                            const std::wstring& folder, const std::wstring& description,
                            const std::wstring& linkName);

// The size (low 32 bits) of a file in the program's own folder; -1 when the
// file is not there.
std::int32_t GetProgramFileSize(const std::wstring& fileName);

// Free bytes available to the caller on the drive of driveOrPath (a drive
// letter alone, a letter and colon, or any path on the drive); -1 on failure.
std::int64_t GetDiskFreeBytes(const std::wstring& driveOrPath);

// The program file's name without folder and extension, upper-cased.
std::wstring GetExeBaseName();

// The temporary folder with its trailing backslash; "" on failure.
std::wstring GetTempDir();

// The full path of a module (nullptr: the program file), upper-cased; "" on
// failure.
std::wstring GetModulePath(HMODULE module);

// The shell's copy, delete, move or rename (operation 0 to 3) of the names;
// false for an empty source list (the shell is not asked) or when the shell
// reports a failure.
bool ShellFileOperation(const std::vector<std::wstring>& fromNames,
                        const std::vector<std::wstring>& toNames, std::uint16_t flags,
                        unsigned operation);

// Silent copy of each source to its own destination, without confirmation.
bool ShellCopyFiles(const std::vector<std::wstring>& fromNames,
                    const std::vector<std::wstring>& toNames);

// Silent deletion without confirmation, to the Recycle Bin when asked.
bool ShellDeleteFiles(const std::vector<std::wstring>& names, bool toRecycleBin);

}  // namespace quellon
