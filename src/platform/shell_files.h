// The request handed to the shell's file operation, built without the OS:
// name lists become double-zero-terminated strings, the operation number the
// shell's function code.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace quellon {

// Operation numbers of ShellFileOperation.
enum ShellFileOp : unsigned { kShellCopy = 0, kShellDelete = 1, kShellMove = 2, kShellRename = 3 };

// The shell's function codes (FO_MOVE, FO_COPY, FO_DELETE, FO_RENAME).
constexpr unsigned kFoMove = 1, kFoCopy = 2, kFoDelete = 3, kFoRename = 4;

// The shell's flags used by the copy and delete helpers.
constexpr std::uint16_t kFofMultiDestFiles = 0x0001, kFofSilent = 0x0004,
                        kFofNoConfirmation = 0x0010, kFofAllowUndo = 0x0040;
constexpr std::uint16_t kShellCopyFlags = kFofMultiDestFiles | kFofSilent | kFofNoConfirmation;

struct ShellFileRequest {
  unsigned function = 0;   // FO_* code
  std::wstring from;       // each name followed by a zero, plus one more zero
  std::wstring to;         // likewise; only the final zero for an empty list
  std::uint16_t flags = 0;
};

// Each name followed by a zero character, plus one more zero.
std::wstring DoubleZeroList(const std::vector<std::wstring>& names);

// Fills request; false, and the shell is not to be called, when the source
// list is empty or the operation is not one of 0 to 3.
bool BuildShellFileRequest(const std::vector<std::wstring>& fromNames,
                           const std::vector<std::wstring>& toNames, std::uint16_t flags,
                           unsigned operation, ShellFileRequest& request);

// Flags of ShellDeleteFiles: the copy flags, plus undo for the Recycle Bin.
constexpr std::uint16_t ShellDeleteFlags(bool toRecycleBin) {
  return static_cast<std::uint16_t>(kShellCopyFlags | (toRecycleBin ? kFofAllowUndo : 0));
}

}  // namespace quellon
