#include "util/result.h"

namespace quellon {
namespace {

constexpr wchar_t kFailed[] = L" failed: ";
constexpr size_t kFailedLength = sizeof kFailed / sizeof kFailed[0] - 1;

}  // namespace

ErrorKind KindOfSystemCode(uint32_t code) {
  switch (code) {
    case kErrFileNotFound:
    case kErrPathNotFound:
      return ErrorKind::NotFound;
    case kErrAccessDenied:
      return ErrorKind::AccessDenied;
    case kErrInvalidData:
      return ErrorKind::BadData;
    case kErrKeyDeleted:
      return ErrorKind::KeyDeleted;
    case kErrDatatypeMismatch:
      return ErrorKind::WrongType;
    default:
      return ErrorKind::Failed;
  }
}

std::wstring Error::SystemText() const {
  size_t at = code != 0 ? message.find(kFailed) : std::wstring::npos;
  return at == std::wstring::npos ? message : message.substr(at + kFailedLength);
}

Error SystemError(ErrorKind kind, const std::wstring& call, uint32_t code,
                  const std::wstring& systemText) {
  return Error{kind, code, call + kFailed + systemText};
}

Error SystemError(const std::wstring& call, uint32_t code, const std::wstring& systemText) {
  return SystemError(KindOfSystemCode(code), call, code, systemText);
}

}  // namespace quellon
