#include "support/win32/zub_process.h"

#include "os/win32/win_error.h"

namespace quellon::test {

std::wstring ProductFile(const std::wstring& name) {
  return std::wstring(QUELLON_PRODUCT_DIR_W) + L"\\" + name;
}

ZubProcess::ZubProcess(const std::wstring& parameters) {
  std::wstring exe = ProductFile(L"ZUB.exe");
  std::wstring commandLine = L"\"" + exe + L"\"";
  if (!parameters.empty()) commandLine += L" " + parameters;
  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  std::wstring folder = QUELLON_PRODUCT_DIR_W;
  if (!::CreateProcessW(exe.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                        &pi)) {
    const DWORD code = ::GetLastError();
    error_ = win32::CallError(L"CreateProcessW " + exe, code).message;
    return;
  }
  ::CloseHandle(pi.hThread);
  process_.reset(pi.hProcess);
  id_ = pi.dwProcessId;
}

ZubProcess::~ZubProcess() {
  if (Running()) Kill();
}

bool ZubProcess::Running() const {
  return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

namespace {

struct WindowSearch {
  DWORD pid;
  const std::wstring* caption;
  HWND found;
};

BOOL CALLBACK MatchTopLevel(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<WindowSearch*>(lp);
  DWORD pid = 0;
  ::GetWindowThreadProcessId(hwnd, &pid);
  if (pid == s->pid && ::IsWindowVisible(hwnd) && WindowText(hwnd) == *s->caption) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

HWND ZubProcess::WaitForWindow(const std::wstring& caption, DWORD timeoutMs) const {
  if (!process_) return nullptr;
  DWORD start = ::GetTickCount();
  for (;;) {
    WindowSearch s{id_, &caption, nullptr};
    ::EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&s));
    if (s.found) return s.found;
    if (!Running() || ::GetTickCount() - start >= timeoutMs) return nullptr;
    ::Sleep(50);
  }
}

bool ZubProcess::WaitForExit(DWORD timeoutMs) {
  return process_ && ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD ZubProcess::ExitCode() const {
  DWORD code = STILL_ACTIVE;
  if (process_) ::GetExitCodeProcess(process_.get(), &code);
  return code;
}

void ZubProcess::Kill() {
  if (!process_) return;
  ::TerminateProcess(process_.get(), 1);
  ::WaitForSingleObject(process_.get(), 5000);
}

std::wstring WindowText(HWND hwnd) {
  // WM_GETTEXT works across processes, for every kind of window.
  DWORD_PTR length = 0;
  if (!::SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &length)) return L"";
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!::SendMessageTimeoutW(hwnd, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(&text[0]), SMTO_ABORTIFHUNG,
                             2000, &copied))
    return L"";
  text.resize(static_cast<size_t>(copied));
  return text;
}

std::wstring WindowClass(HWND hwnd) {
  wchar_t name[256] = {};
  int n = ::GetClassNameW(hwnd, name, 256);
  return std::wstring(name, static_cast<size_t>(n > 0 ? n : 0));
}

SIZE ClientSize(HWND hwnd) {
  RECT r{};
  ::GetClientRect(hwnd, &r);
  return {r.right - r.left, r.bottom - r.top};
}

namespace {

BOOL CALLBACK CollectChild(HWND hwnd, LPARAM lp) {
  reinterpret_cast<std::vector<HWND>*>(lp)->push_back(hwnd);
  return TRUE;
}

}  // namespace

std::vector<HWND> ChildWindows(HWND parent) {
  std::vector<HWND> children;
  ::EnumChildWindows(parent, &CollectChild, reinterpret_cast<LPARAM>(&children));
  return children;
}

HWND FindChild(HWND parent, const std::wstring& text, const std::wstring& cls) {
  for (HWND child : ChildWindows(parent)) {
    if (WindowText(child) != text) continue;
    if (!cls.empty() && ::lstrcmpiW(WindowClass(child).c_str(), cls.c_str()) != 0) continue;
    return child;
  }
  return nullptr;
}

}  // namespace quellon::test
