// The program's own command-line tokenizer and the instance number.
// The command line has been lower-cased before any of this reads it.
#pragma once
#include <string>
#include <vector>

namespace quellon {

// Token Index of the command line: 0 is the program path, 1 and up the
// parameters; a missing token is empty. Blanks separate tokens; a double
// quote not followed by another opens a quoted part (also mid-token) that
// a closing quote ends, even without a blank after it; a doubled quote is
// one quote character.
std::wstring GetParam(const std::wstring& commandLine, int index);

// The number of parameters after the program path: counting stops at the
// first empty one.
int GetParamCount(const std::wstring& commandLine);

// 1 by default; 0 for the installer/uninstaller ("setup", "setup_admin" or
// a parameter containing "uninst" as the only parameter, unless the command
// line contains "instance" anywhere); N for the last parameter
// "instance<N>" that converts (values below 1 count as 1).
int GetInstanceNumber(const std::wstring& commandLine);

}  // namespace quellon
