// File-system helpers shared by the platform utilities' Windows sources.
#pragma once
#include <windows.h>

#include <string>

namespace quellon::platform_detail {

// Path buffers handed to the system hold 260 characters and the zero.
constexpr DWORD kPathBuffer = 261;

// The text of a buffer the system filled, cut at its terminating zero.
std::wstring BufferText(const wchar_t* buffer, size_t capacity);

bool DirectoryExists(const std::wstring& path);
bool FileExists(const std::wstring& path);

// Creates the folder with its missing parents; true when it exists after.
bool ForceDirectories(const std::wstring& path);

// The module's file name as the system gives it (no case change); "" on
// failure.
std::wstring ModuleFileName(HMODULE module);

// SHGetFileInfoW's display name; false when the shell has none.
bool ShellDisplayName(const std::wstring& path, std::wstring& name);

}  // namespace quellon::platform_detail
