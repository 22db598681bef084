#include "imaging/jpeg_error.h"

#include <cstring>
#include <new>

#include "util/text.h"

#include <jerror.h>

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

Error LibraryError(const ErrorManager& err) {
  const ErrorKind kind = err.pub.msg_code == JERR_OUT_OF_MEMORY ? ErrorKind::Failed : ErrorKind::BadData;
  return Error{kind, 0,
               L"JPEG: " + (err.message[0] ? Utf8ToWide(err.message) : std::wstring(L"unreadable data"))};
}

Error Refusal(const wchar_t* text, ErrorKind kind) { return Error{kind, 0, std::wstring(L"JPEG: ") + text}; }

bool Grow(std::vector<uint8_t>* out, size_t size) {
  try {
    out->resize(size);
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}

}  // namespace quellon::imaging::jpeg
