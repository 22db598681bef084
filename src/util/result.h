// The one way an operation reports a failure: it returns a Result<T> (a T or
// an Error) or a Status (nothing or an Error). Every port, adapter, fake and
// codec of the program uses these; exceptions are kept for the few errors
// that must unwind to an operation's boundary (util/exception.h).
//
// An Error has a kind, so callers tell "not there" from "not allowed" from
// "not of that type" without parsing texts; the system's code, kept apart
// from the text; and a wide message. A failed system call gives the message
// "<call> failed: <system text>" ("RegOpenKeyExW failed: The system cannot
// find the file specified."), without the code's number: log lines carry
// the system's text alone, and a message box that wants the number has it
// in the code.
#pragma once
#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace quellon {

enum class ErrorKind {
  NotFound,      // the key, value, file or folder does not exist
  AccessDenied,  // opened read-only, read-only, or the system refuses
  WrongType,     // a value exists with another type than asked for
  KeyDeleted,    // an open registry key was deleted meanwhile
  BadData,       // data that cannot be read as what it claims to be
  Failed,        // anything else
};

// System error codes the fakes and adapters give, numbered as Windows
// numbers them.
enum SystemCode : uint32_t {
  kErrFileNotFound = 2,
  kErrPathNotFound = 3,
  kErrAccessDenied = 5,
  kErrInvalidHandle = 6,
  kErrInvalidData = 13,
  kErrSharingViolation = 32,
  kErrInvalidParameter = 87,
  kErrDiskFull = 112,
  kErrBadPathname = 161,
  kErrAlreadyExists = 183,
  kErrKeyDeleted = 1018,
  kErrDatatypeMismatch = 1629,
};

// The kind that belongs to a system code as Windows numbers them.
ErrorKind KindOfSystemCode(uint32_t code);

struct Error {
  ErrorKind kind = ErrorKind::Failed;
  uint32_t code = 0;     // the system's code; 0 for an error the program found itself
  std::wstring message;  // "<call> failed: <system text>", or the program's own text

  // The system's text of an error made by SystemError (the message after
  // "<call> failed: "); the whole message of any other error.
  std::wstring SystemText() const;
};

// The error of a failed system call, with the kind of its code.
Error SystemError(const std::wstring& call, uint32_t code, const std::wstring& systemText);
Error SystemError(ErrorKind kind, const std::wstring& call, uint32_t code,
                  const std::wstring& systemText);

// The result of an operation that yields a T, or its error.
template <typename T>
class Result {
 public:
  Result(T value) : v_(std::move(value)) {}
  Result(Error error) : v_(std::move(error)) {}
  bool ok() const { return v_.index() == 0; }
  explicit operator bool() const { return ok(); }
  const T& value() const& { return std::get<0>(v_); }
  T& value() & { return std::get<0>(v_); }
  T&& value() && { return std::get<0>(std::move(v_)); }
  const Error& error() const { return std::get<1>(v_); }
  // True when this is an error of the given kind.
  bool Is(ErrorKind kind) const { return !ok() && error().kind == kind; }

 private:
  std::variant<T, Error> v_;
};

// The result of an operation that yields nothing but may fail.
class [[nodiscard]] Status {
 public:
  Status() = default;
  Status(Error error) : error_(std::move(error)), failed_(true) {}
  bool ok() const { return !failed_; }
  explicit operator bool() const { return ok(); }
  const Error& error() const { return error_; }
  bool Is(ErrorKind kind) const { return failed_ && error_.kind == kind; }

 private:
  Error error_;
  bool failed_ = false;
};

}  // namespace quellon
