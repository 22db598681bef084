// What the program asks of the application as a whole: message boxes owned
// by the application window, ending the message loop, halting at once.
#pragma once
#include <string>

namespace quellon::os {

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Error, Warning, Information };
enum class BoxResult { Ok, Yes, No, Failed };

class AppShell {
 public:
  virtual ~AppShell() = default;
  // A modal message box; returns which button closed it.
  virtual BoxResult ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                               BoxButtons buttons, BoxIcon icon) = 0;
  // Asks the application to terminate: the message loop ends after the
  // current handler returns.
  virtual void Terminate() = 0;
  // Ends the process at once, without running anything else.
  [[noreturn]] virtual void Halt() = 0;
};

// The process's real application shell.
AppShell& SystemAppShell();

}  // namespace quellon::os
