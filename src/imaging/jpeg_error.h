// libjpeg's error handling for the encoder and the decoder (internal to the
// imaging code). libjpeg reports a fatal error by calling error_exit, which
// must not return; ours keeps the message and jumps back to the setjmp of the
// run in progress (no C++ exception may cross libjpeg's C frames), and the
// codec returns it as an Error. A run (one function that makes all libjpeg calls of an
// encode or decode) holds nothing with a destructor and keeps its results in
// its caller's objects, so the jump skips no clean-up; the caller destroys
// the libjpeg object on every path.
#pragma once
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdint>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "util/result.h"

namespace quellon::imaging::jpeg {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool warned;  // a warning was issued (its text is in message)
};

// Fills *err and routes errors and warnings to it; nothing goes to stderr.
void InitErrorManager(ErrorManager* err);

// The library's error, "JPEG: " and libjpeg's text: BadData, or Failed when
// memory ran out.
Error LibraryError(const ErrorManager& err);

// An error the codec finds itself (a picture it cannot take, memory that
// runs out): "JPEG: " and the text.
Error Refusal(const wchar_t* text, ErrorKind kind = ErrorKind::BadData);

// Resizes *out; false instead of an exception when memory is short, since
// no exception may cross libjpeg's C frames.
bool Grow(std::vector<uint8_t>* out, size_t size);

}  // namespace quellon::imaging::jpeg
