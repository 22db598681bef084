#include <windows.h>
#include <shellapi.h>

#include "platform/platform_win32.h"

namespace quellon {

static_assert(kFoMove == FO_MOVE && kFoCopy == FO_COPY && kFoDelete == FO_DELETE &&
              kFoRename == FO_RENAME);
static_assert(kFofMultiDestFiles == FOF_MULTIDESTFILES && kFofSilent == FOF_SILENT &&
              kFofNoConfirmation == FOF_NOCONFIRMATION && kFofAllowUndo == FOF_ALLOWUNDO);
static_assert(kShellCopyFlags == 0x15);

bool ShellFileOperation(const std::vector<std::wstring>& fromNames,
                        const std::vector<std::wstring>& toNames, std::uint16_t flags,
                        unsigned operation) {
  ShellFileRequest request;
  if (!BuildShellFileRequest(fromNames, toNames, flags, operation, request)) return false;
  SHFILEOPSTRUCTW op{};
  op.wFunc = request.function;
  op.pFrom = request.from.c_str();
  op.pTo = request.to.c_str();
  op.fFlags = request.flags;
  return ::SHFileOperationW(&op) == 0;
}

bool ShellCopyFiles(const std::vector<std::wstring>& fromNames,
                    const std::vector<std::wstring>& toNames) {
  return ShellFileOperation(fromNames, toNames, kShellCopyFlags, kShellCopy);
}

bool ShellDeleteFiles(const std::vector<std::wstring>& names, bool toRecycleBin) {
  return ShellFileOperation(names, {}, ShellDeleteFlags(toRecycleBin), kShellDelete);
}

}  // namespace quellon
