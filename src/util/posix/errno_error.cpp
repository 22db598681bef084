#include "util/posix/errno_error.h"

#include <cerrno>
#include <cstring>

#include "util/text.h"

namespace quellon::posix {
namespace {

ErrorKind KindOfErrno(int err) {
  switch (err) {
    case ENOENT:
    case ENOTDIR:
      return ErrorKind::NotFound;
    case EACCES:
    case EPERM:
    case EROFS:
      return ErrorKind::AccessDenied;
    default:
      return ErrorKind::Failed;
  }
}

}  // namespace

Error ErrnoError(const std::wstring& call, int err) {
  return SystemError(KindOfErrno(err), call, static_cast<uint32_t>(err),
                     Utf8ToWide(std::strerror(err)));
}

}  // namespace quellon::posix
