// What the program asks of the desktop's windows and processes: the
// top-level windows in the system's order with what the application lists
// and the close monitoring read of them, the program file behind a window,
// the running processes, and the two ways of closing (a WM_CLOSE posted to a
// window, the termination of a process). Handles are the native ones as the
// portable code passes them around (os::WindowHandle); 0 is no window.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "os/app_shell.h"
#include "util/result.h"

namespace quellon::os {

using ProcessId = uint32_t;

struct ProcessEntry {
  ProcessId id = 0;
  std::wstring path;  // the program file's full path; empty when it cannot be read
};

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Every top-level window, in the system's order (EnumWindows).
  virtual std::vector<WindowHandle> TopLevelWindows() = 0;
  // The window still exists.
  virtual bool IsWindow(WindowHandle window) = 0;
  // The caption (GetWindowTextW); empty when it cannot be read.
  virtual std::wstring WindowTitle(WindowHandle window) = 0;
  // The class name, at most 63 characters (a 64-character buffer).
  virtual std::wstring WindowClass(WindowHandle window) = 0;
  virtual bool IsVisible(WindowHandle window) = 0;
  virtual bool IsMinimized(WindowHandle window) = 0;
  // The owner (GWL_HWNDPARENT); 0 when none.
  virtual WindowHandle Owner(WindowHandle window) = 0;
  // The extended style (GWL_EXSTYLE).
  virtual uint32_t ExStyle(WindowHandle window) = 0;
  virtual WindowHandle DesktopWindow() = 0;
  // The process that created the window; 0 when the window is gone.
  virtual ProcessId WindowProcess(WindowHandle window) = 0;
  virtual ProcessId CurrentProcess() = 0;
  // The running processes with their program files. A process that cannot
  // be opened is listed with an empty path.
  virtual Result<std::vector<ProcessEntry>> Processes() = 0;
  // Posts WM_CLOSE to the window.
  virtual Status PostClose(WindowHandle window) = 0;
  // Ends the process at once (TerminateProcess).
  virtual Status TerminateProcess(ProcessId process) = 0;
};

// The system's windows and processes.
WindowSystem& SystemWindowSystem();

}  // namespace quellon::os
