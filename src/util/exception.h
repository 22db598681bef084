// The program's exceptions. Failures are values (util/result.h); the few
// errors that must unwind to an operation's boundary (a handler, a tick, the
// start-up) are exceptions derived from Exception, which carries the wide
// message the user or the log is given. Read it with Message(); what() is a
// UTF-8 copy for diagnostics only, never turned back into a wide text.
#pragma once
#include <exception>
#include <string>

namespace quellon {

class Exception : public std::exception {
 public:
  explicit Exception(std::wstring message);
  const std::wstring& Message() const { return message_; }
  const char* what() const noexcept override { return what_.c_str(); }

 private:
  std::wstring message_;
  std::string what_;
};

// Thrown after the user has already been told (a message box was shown, the
// program may be ending), to unwind a sequence without another message.
// Boundaries catch it before Exception and show nothing.
class SilentAbort : public Exception {
 public:
  SilentAbort();
};

}  // namespace quellon
