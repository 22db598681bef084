// libjpeg's error handling for the encoder and the decoder (internal to the
// imaging code). libjpeg reports a fatal error by calling error_exit, which
// must not return; ours keeps the message and jumps back to the setjmp of the
// run in progress. A run (one function that makes all libjpeg calls of an
// encode or decode) holds nothing with a destructor and keeps its results in
// its caller's objects, so the jump skips no clean-up; the caller destroys
// the libjpeg object on every path.
#pragma once
#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace quellon::imaging::jpeg {

struct ErrorManager {
  jpeg_error_mgr pub;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
  bool warned;  // a warning was issued (its text is in message)
};

// Fills *err and routes errors and warnings to it; nothing goes to stderr.
void InitErrorManager(ErrorManager* err);

// "JPEG: " and libjpeg's text.
std::wstring Message(const ErrorManager& err);

// Resizes *out; false instead of an exception when memory is short, since
// no exception may cross libjpeg's C frames.
bool Grow(std::vector<uint8_t>* out, size_t size);

template <typename T>
std::optional<T> Fail(std::wstring* error, std::wstring message) {
  if (error) *error = std::move(message);
  return std::nullopt;
}

}  // namespace quellon::imaging::jpeg
