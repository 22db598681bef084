#include "imaging/jpeg_error.h"

#include <cstring>
#include <new>

#include "util/text.h"

namespace quellon::imaging::jpeg {
namespace {

[[noreturn]] void ErrorExit(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

// Warnings (level -1) are remembered for the strict reader; trace messages
// are dropped.
void EmitMessage(j_common_ptr cinfo, int level) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  if (level < 0 && !err->warned) {
    err->warned = true;
    (*cinfo->err->format_message)(cinfo, err->message);
  }
}

}  // namespace

void InitErrorManager(ErrorManager* err) {
  std::memset(err, 0, sizeof *err);
  jpeg_std_error(&err->pub);
  err->pub.error_exit = ErrorExit;
  err->pub.emit_message = EmitMessage;
}

std::wstring Message(const ErrorManager& err) {
  return L"JPEG: " + (err.message[0] ? Utf8ToWide(err.message) : std::wstring(L"unreadable data"));
}

bool Grow(std::vector<uint8_t>* out, size_t size) {
  try {
    out->resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace quellon::imaging::jpeg
