// The program's format routine for message texts and log lines.
//
// A placeholder is "%" [index ":"] ["-"] [width] ["." precision] type, with
// width and precision given as digits or as "*" (taken from the next
// argument, which must be an integer). Types:
//   d  signed decimal; the precision is the least number of digits, padded
//      with zeros after the sign ("%.2d" of 7 gives "07")
//   u  unsigned decimal, precision as for d
//   x  upper-case hexadecimal, precision as for d
//   s  text; the precision is the most characters taken
//   f  fixed-point with "precision" decimals, two when none is given,
//      always with "." as the decimal mark
//   %  a percent sign ("%%")
// The width pads with blanks on the left, or on the right after "-"; a
// leading zero in the width is just a digit, not a fill character. The
// index picks the argument by its position from zero, and the following
// placeholders go on from there. Arguments beyond the last one used are
// ignored; a missing argument, an argument of the wrong kind or an unknown
// type is an error.
#pragma once
#include <cstdint>
#include <initializer_list>
#include <string>
#include <type_traits>
#include <utility>

#include "util/exception.h"

namespace quellon {

class FormatArg {
 public:
  enum class Kind { Signed, Unsigned, Float, Text };

  template <typename T>
  static constexpr bool kIsNumber =
      std::is_integral_v<T> && !std::is_same_v<T, bool> && !std::is_same_v<T, wchar_t>;

  template <typename T, std::enable_if_t<kIsNumber<T> && std::is_signed_v<T>, int> = 0>
  FormatArg(T value) : kind_(Kind::Signed), signed_(value) {}
  template <typename T, std::enable_if_t<kIsNumber<T> && std::is_unsigned_v<T>, int> = 0>
  FormatArg(T value) : kind_(Kind::Unsigned), unsigned_(value) {}
  FormatArg(double value) : kind_(Kind::Float), float_(value) {}
  FormatArg(const wchar_t* text) : kind_(Kind::Text), text_(text ? text : L"") {}
  FormatArg(std::wstring text) : kind_(Kind::Text), text_(std::move(text)) {}

  Kind kind() const { return kind_; }
  int64_t AsSigned() const { return signed_; }
  uint64_t AsUnsigned() const { return unsigned_; }
  double AsFloat() const { return float_; }
  const std::wstring& AsText() const { return text_; }

 private:
  Kind kind_;
  int64_t signed_ = 0;
  uint64_t unsigned_ = 0;
  double float_ = 0.0;
  std::wstring text_;
};

// A format text that does not fit its arguments.
class FormatError : public Exception {
 public:
  explicit FormatError(const std::wstring& format);
  const std::wstring& Format() const { return format_; }

 private:
  std::wstring format_;
};

// Throws FormatError ("Format '<fmt>' invalid or incompatible with argument").
std::wstring Format(const std::wstring& fmt, std::initializer_list<FormatArg> args);

}  // namespace quellon
