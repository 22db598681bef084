#include "core/command_line.h"

#include "core/datetime.h"
#include "util/text.h"

namespace quellon {
namespace {

// Cuts one token from text at pos; pos moves past it.
std::wstring CutToken(const std::wstring& text, size_t& pos) {
  std::wstring result;
  bool inQuotes = false;
  while (pos < text.size() && static_cast<unsigned>(text[pos]) <= 32) ++pos;
  while (pos < text.size()) {
    if (!inQuotes && text[pos] == L'"' && !(pos + 1 < text.size() && text[pos + 1] == L'"')) {
      inQuotes = true;
      ++pos;
      if (pos >= text.size()) break;  // a quote at the very end opens nothing
    }
    wchar_t ch = text[pos++];
    result += ch;
    bool doubled = false;
    if (ch == L'"' && pos < text.size() && text[pos] == L'"') {
      ++pos;
      doubled = true;
    }
    if (pos >= text.size()) break;
    if (!inQuotes && ch == L' ') break;
    if (inQuotes && ch == L'"' && !doubled) break;
  }
  if (inQuotes && !result.empty() && result.back() == L'"')
    result.pop_back();
  else if (!result.empty() && result.back() == L' ')
    result.pop_back();
  return result;
}

}  // namespace

std::wstring GetParam(const std::wstring& commandLine, int index) {
  size_t pos = 0;
  std::wstring token;
  for (int i = 0; i <= index; ++i) token = CutToken(commandLine, pos);
  return token;
}

int GetParamCount(const std::wstring& commandLine) {
  size_t pos = 0;
  CutToken(commandLine, pos);  // the program path
  int count = 0;
  while (!CutToken(commandLine, pos).empty()) ++count;
  return count;
}

int GetInstanceNumber(const std::wstring& commandLine) {
  const std::wstring kInstance = L"instance";
  int result = 1;
  const int count = GetParamCount(commandLine);
  if (commandLine.find(kInstance) == std::wstring::npos) {
    if (count == 1) {
      std::wstring p = GetParam(commandLine, 1);
      if (p == L"setup" || p == L"setup_admin" || p.find(L"uninst") != std::wstring::npos)
        return 0;
    }
    return 1;
  }
  for (int i = 1; i <= count; ++i) {
    std::wstring p = GetParam(commandLine, i);
    if (StartsWith(p, kInstance) && p.size() > 8 && p[8] >= L'0' && p[8] <= L'9') {
      int v = 0;
      if (TryStrToInt(p.substr(8), v)) result = v < 1 ? 1 : v;
    }
  }
  return result;
}

}  // namespace quellon
