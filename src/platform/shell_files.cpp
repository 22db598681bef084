#include "platform/shell_files.h"

namespace quellon {

std::wstring DoubleZeroList(const std::vector<std::wstring>& names) {
  std::wstring out;
  for (const auto& n : names) {
    out += n;
    out += L'\0';
  }
  out += L'\0';
  return out;
}

bool BuildShellFileRequest(const std::vector<std::wstring>& fromNames,
                           const std::vector<std::wstring>& toNames, std::uint16_t flags,
                           unsigned operation, ShellFileRequest& request) {
  static constexpr unsigned kFunctions[] = {kFoCopy, kFoDelete, kFoMove, kFoRename};
  if (fromNames.empty() || operation > kShellRename) return false;
  request.function = kFunctions[operation];
  request.from = DoubleZeroList(fromNames);
  request.to = DoubleZeroList(toNames);
  request.flags = flags;
  return true;
}

}  // namespace quellon
