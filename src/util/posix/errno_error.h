// The host's side of the error idiom: a failed C library or POSIX call
// becomes an Error with the kind of its errno, errno as the code and the
// message "<call> failed: <strerror text>".
#pragma once
#include <string>

#include "util/result.h"

namespace quellon::posix {

Error ErrnoError(const std::wstring& call, int err);

}  // namespace quellon::posix
