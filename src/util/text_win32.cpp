#include <windows.h>

#include "util/text.h"

namespace quellon {

std::wstring UpperCase(const std::wstring& text) {
  std::wstring out = text;
  if (!out.empty()) CharUpperBuffW(&out[0], static_cast<DWORD>(out.size()));
  return out;
}

std::wstring LowerCase(const std::wstring& text) {
  std::wstring out = text;
  if (!out.empty()) CharLowerBuffW(&out[0], static_cast<DWORD>(out.size()));
  return out;
}

}  // namespace quellon
