#include <windows.h>
#include <objidl.h>
#include <shlobj.h>

#include "os/win32/handles.h"
#include "platform/file_system_win32.h"
#include "platform/platform_win32.h"
#include "util/text.h"

namespace quellon {
namespace {

std::wstring FullPath(const std::wstring& path) {
  wchar_t buffer[platform_detail::kPathBuffer] = {};
  DWORD length = ::GetFullPathNameW(path.c_str(), platform_detail::kPathBuffer, buffer, nullptr);
  if (length == 0 || length >= platform_detail::kPathBuffer) return path;
  return platform_detail::BufferText(buffer, length);
}

// The link object's part of CreateShortcutInFolder; false when a step fails.
bool SaveShellLink(const std::wstring& linkFile, const std::wstring& target,
                   const std::wstring& arguments, const std::wstring& workingFolder,
                   const std::wstring& description) {
  win32::ScopedCoInit com;
  win32::ComPtr<IShellLinkW> link;
  if (FAILED(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                link.put_void())))
    return false;
  if (link->SetPath(target.c_str()) != S_OK) return false;
  if (link->SetArguments(arguments.c_str()) != S_OK) return false;
  const std::wstring folder = !workingFolder.empty() && IsDirectory(workingFolder)
                                  ? workingFolder
                                  : WithTrailingBackslash(FolderPart(target));
  // A link without its working folder still starts its target.
  (void)link->SetWorkingDirectory(folder.c_str());
  if (link->SetDescription(description.c_str()) != S_OK) return false;
  win32::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.put_void()))) return false;
  return SUCCEEDED(file->Save(linkFile.c_str(), FALSE));
}

}  // namespace

void CreateShortcut(const std::wstring& target, const std::wstring& arguments,
                    const std::wstring& workingFolder, std::wstring& linkPath,
                    const std::wstring& subFolder, bool replace, TShortcutPlace place,
                    const std::wstring& description, const std::wstring& linkName) {
  const std::wstring folder =
      ShortcutFolder(GetSpecialFolder(ShortcutPlaceFolder(place), L""), subFolder);
  CreateShortcutInFolder(target, arguments, workingFolder, linkPath, replace, folder, description,
                         linkName);
}

void CreateShortcutInFolder(const std::wstring& target, const std::wstring& arguments,
                            const std::wstring& workingFolder, std::wstring& linkPath, bool replace,
                            const std::wstring& folder, const std::wstring& description,
                            const std::wstring& linkName) {
  linkPath.clear();
  if (target.empty() || !platform_detail::FileExists(target) || folder.empty()) return;
  if (!IsDirectory(folder) && !platform_detail::ForceDirectories(folder)) return;

  const std::wstring linkFile = WithTrailingBackslash(folder) + ShortcutFileName(linkName, target);
  if (platform_detail::FileExists(linkFile)) {
    if (!replace || !ShellDeleteFiles({linkFile}, true)) return;
  }
  if (!SaveShellLink(linkFile, target, arguments, workingFolder, description)) return;
  if (platform_detail::FileExists(linkFile)) linkPath = FullPath(linkFile);
}

}  // namespace quellon
