// The program's error box: caption "Error", OK only, no icon. A fatal error
// marks the program as closing and asks it to terminate; any later error
// box while so marked ends the program at once without showing anything.
#pragma once
#include <string>

#include "os/app_shell.h"
#include "util/exception.h"  // SilentAbort, thrown after an error box has told the user

namespace quellon {

void ShowErrorBox(const std::wstring& text, bool fatal);
void ShowErrorBox(os::AppShell& shell, const std::wstring& text, bool fatal);

// The closing mark of a fatal error box (process-wide).
bool ProgramIsClosing();
// For tests that exercise the fatal path more than once.
void ResetProgramClosingForTest();

}  // namespace quellon
