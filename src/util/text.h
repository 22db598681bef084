// Text helpers shared by every layer. The program's strings are wide
// (UTF-16 on Windows); files and the Linux host see UTF-8.
#pragma once
#include <cstddef>
#include <string>

namespace quellon {

std::string WideToUtf8(const std::wstring& text);
std::wstring Utf8ToWide(const std::string& text);

// Locale-aware case mapping; the length never changes.
std::wstring UpperCase(const std::wstring& text);
std::wstring LowerCase(const std::wstring& text);

// ASCII-only case mapping, for protocol texts such as parameter names.
std::wstring AsciiLower(const std::wstring& text);

bool StartsWith(const std::wstring& text, const std::wstring& prefix);
bool EndsWith(const std::wstring& text, const std::wstring& suffix);

// Ensures exactly one trailing backslash on a non-empty path.
std::wstring WithTrailingBackslash(const std::wstring& path);

// The longest user or stored value a message quotes in full.
constexpr size_t kMaxQuotedLength = 50;

// A value as a message quotes it: unchanged up to kMaxQuotedLength
// characters, longer ones cut to that length with "..." at the end, so a
// message box or log line stays readable whatever was typed or stored. A
// surrogate pair is never split.
std::wstring QuotedValue(const std::wstring& value);

}  // namespace quellon
