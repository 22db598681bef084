#include <gtest/gtest.h>

#include <vector>

#include "core/command_line.h"
#include "util/text.h"

namespace quellon {
namespace {

std::vector<std::wstring> Params(const std::wstring& cmd) {
  std::vector<std::wstring> v;
  for (int i = 1; i <= GetParamCount(cmd); ++i) v.push_back(GetParam(cmd, i));
  return v;
}

TEST(CommandLineTest, Tokenizer) {
  struct Case {
    const wchar_t* cmd;
    std::vector<std::wstring> params;
  } cases[] = {
      {L"zub.exe", {}},
      {L"zub.exe 1 /h2   /m30", {L"1", L"/h2", L"/m30"}},
      {L"zub.exe a\"b c\"d", {L"ab c", L"d"}},
      {L"zub.exe \"\"", {L"\""}},
      {L"zub.exe \"a\"\"b\"", {L"a\"b"}},
      {L"zub.exe 4\"c:\\program files\\app.exe\"", {L"4c:\\program files\\app.exe"}},
      {L"\"c:\\my tools\\zub.exe\" 3", {L"3"}},
      {L"zub.exe \t2 \t3", {L"2", L"3"}},  // control characters only lead a token
      {L"zub.exe 1 \"", {L"1"}},  // a quote at the very end opens nothing
      {L"zub.exe \"abc", {L"abc"}},
      {L"", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(Params(c.cmd), c.params) << WideToUtf8(c.cmd);
  EXPECT_EQ(GetParam(L"\"c:\\my tools\\zub.exe\" 3", 0), L"c:\\my tools\\zub.exe");
  EXPECT_EQ(GetParam(L"zub.exe 1", 7), L"");
}

TEST(CommandLineTest, InstanceNumber) {
  struct Case {
    const wchar_t* cmd;
    int instance;
  } cases[] = {
      {L"zub.exe", 1},
      {L"zub.exe instance2", 2},
      {L"zub.exe instance02 3", 2},
      {L"zub.exe instance0", 1},
      {L"zub.exe instance-3", 1},
      {L"zub.exe instancex", 1},
      {L"zub.exe instance2 instance5", 5},
      {L"zub.exe instance7 instance2x", 7},
      {L"zub.exe instance123", 123},
      {L"zub.exe setup", 0},
      {L"zub.exe setup_admin", 0},
      {L"zub.exe /uninstall", 0},
      {L"zub.exe my_uninstaller", 0},
      {L"zub.exe setup 1", 1},
      {L"c:\\instances\\zub.exe setup", 1},  // "instance" anywhere disables the switches
  };
  for (const auto& c : cases) EXPECT_EQ(GetInstanceNumber(c.cmd), c.instance) << WideToUtf8(c.cmd);
}

}  // namespace
}  // namespace quellon
