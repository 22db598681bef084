#include <cwctype>

#include "util/text.h"

namespace quellon {

std::wstring UpperCase(const std::wstring& text) {
  std::wstring out = text;
  for (auto& ch : out) ch = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(ch)));
  return out;
}

std::wstring LowerCase(const std::wstring& text) {
  std::wstring out = text;
  for (auto& ch : out) ch = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(ch)));
  return out;
}

}  // namespace quellon
