// Contract of the application shell port, run against the fake on the host
// and against fake and Win32 shell under Wine. A real box is modal and
// blocks its caller, so the Win32 harness answers it from a helper thread
// that finds the box, reads it as the user sees it and clicks the button.
// Terminate ends the message loop, so the harness runs a loop of its own
// around the handler. Halt ends the process, so the real shell halts a
// child process; the fake throws test::HaltCalled instead, which host tests
// catch.
#pragma once
#include <functional>
#include <optional>
#include <string>

#include "contract/harness_contract.h"
#include "os/app_shell.h"

namespace quellon::test {

// A box as its user saw it.
struct SeenBox {
  std::wstring text, caption;
  os::BoxButtons buttons = os::BoxButtons::Ok;
  os::WindowHandle owner = 0;
};

struct LoopOutcome {
  bool handlerFinished = false;  // the handler ran to its end
  bool ended = false;            // then the loop ended
};

struct HaltOutcome {
  bool called = false;       // Halt was reached
  bool returned = false;     // the code after it ran
  bool exitHandlers = false;  // exit handlers registered before it ran
};

class AppShellHarness {
 public:
  virtual ~AppShellHarness() = default;
  virtual os::AppShell& Shell() = 0;
  // The next box is answered with `button` by a user who notes what it
  // shows.
  virtual void AnswerNextBox(os::BoxResult button) = 0;
  // What that user saw, once ShowMessageBox has returned; nothing when no
  // box came up.
  virtual std::optional<SeenBox> AnsweredBox() = 0;
  // The owner of a box for which none is named.
  virtual os::WindowHandle ApplicationWindow() = 0;
  // A top-level window that can own a box.
  virtual os::WindowHandle OwnerWindow() = 0;
  // Runs handler from the application's message loop and lets the loop
  // handle everything pending after it.
  virtual LoopOutcome RunInMessageLoop(const std::function<void()>& handler) = 0;
  // Calls Halt where ending the process ends nothing else.
  virtual HaltOutcome Halt() = 0;
};

using AppShellContract = HarnessContract<AppShellHarness>;

}  // namespace quellon::test
