// ZUB.exe as the end-to-end tests drive it: started from the product
// folder, its windows found by caption, ended on request. Whatever happens
// in a test, the process does not outlive its ZubProcess object unless it
// is released.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "os/win32/handles.h"

namespace quellon::test {

class ZubProcess {
 public:
  // Starts ZUB.exe of the product folder with the parameters (the text
  // after the program's name on its command line).
  explicit ZubProcess(const std::wstring& parameters = L"");
  ~ZubProcess();
  ZubProcess(const ZubProcess&) = delete;
  ZubProcess& operator=(const ZubProcess&) = delete;

  bool Started() const { return static_cast<bool>(process_); }
  // Why the start failed ("CreateProcessW <exe> failed: <system text>").
  const std::wstring& Error() const { return error_; }
  DWORD Id() const { return id_; }

  // Polls for a visible top-level window of this process with the
  // caption; nullptr after the time-out or once the process has ended.
  HWND WaitForWindow(const std::wstring& caption, DWORD timeoutMs = 10000) const;
  // True when the process ended within the time-out.
  bool WaitForExit(DWORD timeoutMs);
  bool Running() const;
  DWORD ExitCode() const;
  // Ends the process at once (and waits for it to be gone).
  void Kill();
  // Lets the process outlive this object.
  void Release() { process_.reset(); }

 private:
  win32::UniqueHandle process_;
  DWORD id_ = 0;
  std::wstring error_;
};

// The full path of a product file.
std::wstring ProductFile(const std::wstring& name);

std::wstring WindowText(HWND hwnd);
std::wstring WindowClass(HWND hwnd);
SIZE ClientSize(HWND hwnd);
// Every descendant window, in the order EnumChildWindows gives.
std::vector<HWND> ChildWindows(HWND parent);
// The first descendant with exactly this text (and class, if given;
// classes compare without regard to case).
HWND FindChild(HWND parent, const std::wstring& text, const std::wstring& cls = L"");

}  // namespace quellon::test
