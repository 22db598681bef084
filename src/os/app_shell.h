// What the program asks of the application as a whole: message boxes owned
// by the application window (or by the window the caller names), ending the
// message loop, halting at once.
#pragma once
#include <cstdint>
#include <string>

namespace quellon::os {

enum class BoxButtons { Ok, YesNo };
enum class BoxIcon { None, Error, Warning, Information };
enum class BoxResult { Ok, Yes, No, Failed };

// A native window handle as the portable code passes it around.
using WindowHandle = uintptr_t;
// The hidden application window: the owner of the error boxes.
inline constexpr WindowHandle kApplicationWindow = 0;

class AppShell {
 public:
  virtual ~AppShell() = default;
  // A modal message box owned by `owner`, which is disabled while the box
  // is up; returns which button closed it. Every implementation keeps the
  // same default owner.
  virtual BoxResult ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                                   BoxButtons buttons, BoxIcon icon,
                                   WindowHandle owner = kApplicationWindow) = 0;
  // Asks the application to terminate: the message loop ends after the
  // current handler returns.
  virtual void Terminate() = 0;
  // Ends the process at once, without running anything else.
  [[noreturn]] virtual void Halt() = 0;
};

// The process's real application shell.
AppShell& SystemAppShell();

}  // namespace quellon::os
