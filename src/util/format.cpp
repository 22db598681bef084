#include "util/format.h"

#include <cmath>
#include <cstdio>

#include "util/text.h"

namespace quellon {
namespace {

std::wstring Pad(std::wstring text, size_t width, bool left) {
  if (text.size() >= width) return text;
  std::wstring fill(width - text.size(), L' ');
  return left ? text + fill : fill + text;
}

// Digits of a magnitude in base 10 or 16, at least minDigits of them.
std::wstring Digits(uint64_t value, unsigned base, int minDigits) {
  static const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring out;
  do {
    out.insert(out.begin(), kDigits[value % base]);
    value /= base;
  } while (value != 0);
  if (minDigits > 0 && out.size() < static_cast<size_t>(minDigits))
    out.insert(0, static_cast<size_t>(minDigits) - out.size(), L'0');
  return out;
}

std::wstring Fixed(double value, int decimals) {
  if (std::isnan(value)) return L"NAN";
  if (std::isinf(value)) return value < 0 ? L"-INF" : L"INF";
  if (decimals > 18) decimals = 18;
  // The largest double has 309 integer digits.
  char buf[400];
  int n = std::snprintf(buf, sizeof buf, "%.*f", decimals, value);
  if (n < 0 || static_cast<size_t>(n) >= sizeof buf) return std::wstring();
  return std::wstring(buf, buf + n);
}

class Formatter {
 public:
  Formatter(const std::wstring& fmt, std::initializer_list<FormatArg> args)
      : fmt_(fmt), args_(args.begin()), count_(args.size()) {}

  std::wstring Run() {
    std::wstring out;
    out.reserve(fmt_.size() + 16);
    size_t i = 0;
    while (i < fmt_.size()) {
      size_t pct = fmt_.find(L'%', i);
      if (pct == std::wstring::npos) {
        out.append(fmt_, i, std::wstring::npos);
        break;
      }
      out.append(fmt_, i, pct - i);
      pos_ = pct + 1;
      out += Placeholder();
      i = pos_;
    }
    return out;
  }

 private:
  [[noreturn]] void Fail() const { throw FormatError(fmt_); }

  wchar_t Peek() const { return pos_ < fmt_.size() ? fmt_[pos_] : L'\0'; }

  bool IsDigit(wchar_t c) const { return c >= L'0' && c <= L'9'; }

  // Digits, "*" (the next argument) or nothing (-1).
  int Number() {
    if (Peek() == L'*') {
      ++pos_;
      const FormatArg& a = Next();
      if (a.kind() == FormatArg::Kind::Signed) return static_cast<int>(a.AsSigned());
      if (a.kind() == FormatArg::Kind::Unsigned) return static_cast<int>(a.AsUnsigned());
      Fail();
    }
    if (!IsDigit(Peek())) return -1;
    long long n = 0;
    while (IsDigit(Peek())) {
      n = n * 10 + (fmt_[pos_++] - L'0');
      if (n > 100000) Fail();
    }
    return static_cast<int>(n);
  }

  const FormatArg& Next() {
    if (next_ >= count_) Fail();
    return args_[next_++];
  }

  std::wstring Placeholder() {
    if (Peek() == L'%') {
      ++pos_;
      return L"%";
    }
    bool left = false;
    int width = -1, precision = -1;
    // An index comes first: digits followed by ":".
    size_t save = pos_;
    if (IsDigit(Peek())) {
      int n = Number();
      if (Peek() == L':') {
        ++pos_;
        next_ = static_cast<size_t>(n);
      } else {
        pos_ = save;
      }
    }
    if (Peek() == L'-') {
      left = true;
      ++pos_;
    }
    width = Number();
    if (Peek() == L'.') {
      ++pos_;
      precision = Number();
      if (precision < 0) precision = 0;
    }
    if (pos_ >= fmt_.size()) Fail();
    wchar_t type = fmt_[pos_++];
    if (type >= L'A' && type <= L'Z') type = static_cast<wchar_t>(type - L'A' + L'a');
    const FormatArg& a = Next();
    std::wstring text;
    switch (type) {
      case L'd': {
        if (a.kind() == FormatArg::Kind::Signed) {
          int64_t v = a.AsSigned();
          uint64_t mag = v < 0 ? 0 - static_cast<uint64_t>(v) : static_cast<uint64_t>(v);
          text = (v < 0 ? L"-" : L"") + Digits(mag, 10, precision);
        } else if (a.kind() == FormatArg::Kind::Unsigned) {
          text = Digits(a.AsUnsigned(), 10, precision);
        } else {
          Fail();
        }
        break;
      }
      case L'u':
      case L'x': {
        uint64_t v = 0;
        if (a.kind() == FormatArg::Kind::Signed)
          v = static_cast<uint64_t>(a.AsSigned());
        else if (a.kind() == FormatArg::Kind::Unsigned)
          v = a.AsUnsigned();
        else
          Fail();
        text = Digits(v, type == L'x' ? 16 : 10, precision);
        break;
      }
      case L's':
        if (a.kind() != FormatArg::Kind::Text) Fail();
        text = a.AsText();
        if (precision >= 0 && text.size() > static_cast<size_t>(precision))
          text.resize(static_cast<size_t>(precision));
        break;
      case L'f':
        if (a.kind() != FormatArg::Kind::Float) Fail();
        text = Fixed(a.AsFloat(), precision < 0 ? 2 : precision);
        break;
      default:
        Fail();
    }
    return width > 0 ? Pad(std::move(text), static_cast<size_t>(width), left) : text;
  }

  const std::wstring& fmt_;
  const FormatArg* args_;
  size_t count_;
  size_t next_ = 0;
  size_t pos_ = 0;
};

}  // namespace

FormatError::FormatError(const std::wstring& format)
    : Exception(L"Format '" + format + L"' invalid or incompatible with argument"), format_(format) {}

std::wstring Format(const std::wstring& fmt, std::initializer_list<FormatArg> args) {
  return Formatter(fmt, args).Run();
}

}  // namespace quellon
