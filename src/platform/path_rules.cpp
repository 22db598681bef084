#include "platform/path_rules.h"

#include "util/text.h"

namespace quellon {
namespace {

// Where a folder part ends: the separators and the drive's colon.
constexpr const wchar_t* kFolderEnds = L"\\/:";

bool IsAsciiLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

size_t FindSeparator(const std::wstring& path, size_t from) { return path.find_first_of(L"\\/", from); }

std::wstring WithoutTrailingSeparators(std::wstring path) {
  while (!path.empty() && IsPathSeparator(path.back())) path.pop_back();
  return path;
}

// The position of the extension's dot, or npos when the name has none.
size_t ExtensionDot(const std::wstring& path) {
  size_t pos = path.find_last_of(std::wstring(L".") + kFolderEnds);
  return pos != std::wstring::npos && path[pos] == L'.' ? pos : std::wstring::npos;
}

}  // namespace

bool IsPathSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

std::wstring DrivePart(const std::wstring& path) {
  if (path.size() >= 2 && IsAsciiLetter(path[0]) && path[1] == L':') return path.substr(0, 2);
  if (path.size() >= 2 && IsPathSeparator(path[0]) && IsPathSeparator(path[1])) {
    size_t serverEnd = FindSeparator(path, 2);
    if (serverEnd == std::wstring::npos || serverEnd == 2) return L"";
    size_t shareEnd = FindSeparator(path, serverEnd + 1);
    if (shareEnd == std::wstring::npos) shareEnd = path.size();
    if (shareEnd == serverEnd + 1) return L"";
    return path.substr(0, shareEnd);
  }
  return L"";
}

std::wstring FolderPart(const std::wstring& path) {
  size_t pos = path.find_last_of(kFolderEnds);
  return pos == std::wstring::npos ? std::wstring() : path.substr(0, pos + 1);
}

std::wstring FileNamePart(const std::wstring& path) {
  size_t pos = path.find_last_of(kFolderEnds);
  return pos == std::wstring::npos ? path : path.substr(pos + 1);
}

std::wstring FileExtension(const std::wstring& path) {
  size_t dot = ExtensionDot(path);
  return dot == std::wstring::npos ? std::wstring() : path.substr(dot);
}

std::wstring ChangeFileExtension(const std::wstring& path, const std::wstring& ext) {
  return path.substr(0, ExtensionDot(path)) + ext;
}

std::wstring ComparablePath(const std::wstring& path) {
  std::wstring out = path;
  for (auto& ch : out)
    if (ch == L'\\') ch = L'/';
  return UpperCase(out);
}

bool IsRelativeByDrivePart(const std::wstring& path) { return DrivePart(path).empty(); }

bool IsValidAbsolutePathRule(const std::wstring& path, bool isRelative) {
  return !isRelative && !FolderPart(path).empty() &&
         path.find_first_of(L"?/*<>|\"") == std::wstring::npos;
}

std::vector<std::wstring> FolderChain(const std::wstring& path) {
  std::vector<std::wstring> chain;
  const std::wstring full = WithoutTrailingSeparators(path);
  const size_t start = DrivePart(full).size();
  if (full.size() <= start) return chain;
  for (size_t i = start + 1; i < full.size(); ++i)
    if (IsPathSeparator(full[i]) && !IsPathSeparator(full[i - 1])) chain.push_back(full.substr(0, i));
  chain.push_back(full);
  return chain;
}

std::wstring DiskFreeDrive(const std::wstring& driveOrPath) {
  if (driveOrPath.size() == 1) return driveOrPath + L':';
  std::wstring drive = DrivePart(driveOrPath);
  if (drive.size() > 2) drive += L'\\';  // a server and share
  return drive;
}

std::wstring ShortcutFileName(const std::wstring& linkName, const std::wstring& target) {
  if (linkName.empty()) return ChangeFileExtension(FileNamePart(target), L".lnk");
  if (LowerCase(FileExtension(linkName)) == L".lnk") return linkName;
  return ChangeFileExtension(linkName, L".lnk");
}

std::wstring ShortcutFolder(const std::wstring& placeFolder, const std::wstring& subFolder) {
  if (placeFolder.empty() || subFolder.empty()) return placeFolder;
  return placeFolder + (IsPathSeparator(placeFolder.back()) ? L"" : L"\\") + subFolder;
}

std::wstring LongPathFromShort(const std::wstring& shortPath, const std::wstring& extension,
                               const std::function<std::wstring(const std::wstring&)>& displayName) {
  const std::wstring drive = DrivePart(shortPath);
  if (drive.empty()) return L"";

  std::vector<std::wstring> components;
  const std::wstring rest = shortPath.substr(drive.size());
  size_t pos = 0;
  while (pos <= rest.size()) {
    size_t end = FindSeparator(rest, pos);
    if (end == std::wstring::npos) end = rest.size();
    if (end > pos) components.push_back(rest.substr(pos, end - pos));
    pos = end + 1;
  }

  // The short path ending with each component, outermost first.
  std::vector<std::wstring> prefixes;
  std::wstring prefix = drive;
  for (const auto& c : components) {
    prefix += L'\\';
    prefix += c;
    prefixes.push_back(prefix);
  }

  std::vector<std::wstring> names(components.size());
  for (size_t i = components.size(); i-- > 0;) {
    names[i] = displayName(prefixes[i]);
    if (names[i].empty()) return L"";
  }

  std::wstring result = drive;
  for (const auto& n : names) {
    result += L'\\';
    result += n;
  }
  if (components.empty() || (!rest.empty() && IsPathSeparator(rest.back()))) result += L'\\';
  return ChangeFileExtension(result, extension);
}

}  // namespace quellon
