// The application shell contract on the Win32 shell: real message boxes
// answered by a helper thread, PostQuitMessage seen by a message loop, Halt
// in a child process; and the boxes' owners as the user meets them.
#include <windows.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <thread>

#include "app/window_actions.h"
#include "contract/app_shell_contract.h"
#include "fakes/fake_power_api.h"
#include "fakes/fake_registry.h"
#include "install/error_box.h"
#include "os/win32/app_window_win32.h"
#include "os/win32/handles.h"

namespace quellon::test {
namespace {

// --- Halt in a child process --------------------------------------------
//
// win_tests.exe started with this flag is the child of the Halt case: it
// halts while its static objects are made, before any test runs, and
// leaves marks in the named file.
constexpr wchar_t kHaltChildFlag[] = L"--quellon-halt-child=";

void Mark(const std::wstring& path, const char* what) {
  win32::UniqueFile file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                     OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  DWORD written = 0;
  if (file) WriteFile(file.get(), what, static_cast<DWORD>(std::strlen(what)), &written, nullptr);
}

std::wstring g_haltMarks;

void MarkExitHandlers() { Mark(g_haltMarks, "exit handlers\n"); }

const bool kHaltChild = [] {
  const std::wstring line = GetCommandLineW();
  const size_t at = line.find(kHaltChildFlag);
  if (at == std::wstring::npos) return false;
  g_haltMarks = line.substr(at + std::wcslen(kHaltChildFlag));
  std::atexit(MarkExitHandlers);
  Mark(g_haltMarks, "called\n");
  os::SystemAppShell().Halt();
  Mark(g_haltMarks, "returned\n");
  return true;
}();

std::string ReadMarks(const std::wstring& path) {
  win32::UniqueFile file(
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!file) return {};
  char buf[256];
  DWORD got = 0;
  if (!ReadFile(file.get(), buf, sizeof buf, &got, nullptr)) return {};
  return std::string(buf, got);
}

// --- The user of a box ----------------------------------------------------

struct Seen {
  SeenBox box;
  bool ownerEnabled = true;  // while the box was up
};

BOOL CALLBACK FindBox(HWND wnd, LPARAM out) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (std::wcscmp(cls, L"#32770") != 0 || !IsWindowVisible(wnd)) return TRUE;
  *reinterpret_cast<HWND*>(out) = wnd;
  return FALSE;
}

BOOL CALLBACK FindText(HWND wnd, LPARAM out) {
  wchar_t cls[16] = {};
  GetClassNameW(wnd, cls, 16);
  if (_wcsicmp(cls, L"Static") != 0 || (GetWindowLongW(wnd, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) return TRUE;
  *reinterpret_cast<HWND*>(out) = wnd;
  return FALSE;
}

std::wstring TextOf(HWND wnd) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(wnd)) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(wnd, text.data(), static_cast<int>(text.size()))));
  return text;
}

// A helper thread that waits for a box of the given thread, reads it and
// clicks a button.
class BoxUser {
 public:
  BoxUser(DWORD thread, os::BoxResult button) : worker_([this, thread, button] { Run(thread, button); }) {}
  ~BoxUser() { Finish(); }

  std::optional<Seen> Finish() {
    stop_ = true;
    if (worker_.joinable()) worker_.join();
    return seen_;
  }

 private:
  void Run(DWORD thread, os::BoxResult button) {
    HWND box = nullptr;
    for (int i = 0; i < 3000 && !box && !stop_; ++i) {  // gives up after about 30 s
      EnumThreadWindows(thread, FindBox, reinterpret_cast<LPARAM>(&box));
      if (!box) Sleep(10);
    }
    if (!box) return;
    Seen seen;
    seen.box.caption = TextOf(box);
    HWND text = nullptr;
    EnumChildWindows(box, FindText, reinterpret_cast<LPARAM>(&text));
    if (text) seen.box.text = TextOf(text);
    seen.box.buttons =
        GetDlgItem(box, IDYES) && GetDlgItem(box, IDNO) ? os::BoxButtons::YesNo : os::BoxButtons::Ok;
    HWND owner = GetWindow(box, GW_OWNER);
    seen.box.owner = reinterpret_cast<os::WindowHandle>(owner);
    seen.ownerEnabled = owner && IsWindowEnabled(owner);
    seen_ = seen;
    const int id = button == os::BoxResult::Yes ? IDYES : button == os::BoxResult::No ? IDNO : IDOK;
    SendMessageW(GetDlgItem(box, id), BM_CLICK, 0, 0);
    for (int i = 0; i < 500 && IsWindow(box); ++i) Sleep(10);
    // A click the box did not take: press the button's command instead,
    // so a failing case does not hang the run.
    if (IsWindow(box)) PostMessageW(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0);
  }

  std::atomic<bool> stop_{false};
  std::optional<Seen> seen_;
  std::thread worker_;
};

class Win32AppShellHarness final : public AppShellHarness {
 public:
  os::AppShell& Shell() override { return os::SystemAppShell(); }

  void AnswerNextBox(os::BoxResult button) override {
    user_.reset();
    user_ = std::make_unique<BoxUser>(GetCurrentThreadId(), button);
  }
  std::optional<SeenBox> AnsweredBox() override {
    auto seen = LastSeen();
    if (!seen) return std::nullopt;
    return seen->box;
  }
  // With what only the real box shows.
  std::optional<Seen> LastSeen() {
    if (!user_) return std::nullopt;
    last_ = user_->Finish();
    user_.reset();
    return last_;
  }

  os::WindowHandle ApplicationWindow() override {
    return reinterpret_cast<os::WindowHandle>(win32::ApplicationWindow());
  }
  os::WindowHandle OwnerWindow() override {
    if (!owner_)
      owner_.reset(CreateWindowExW(0, L"STATIC", L"ZUB box owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200,
                                   100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    return reinterpret_cast<os::WindowHandle>(owner_.get());
  }

  // Thread messages mark the handler's turn and the point after which only
  // what the handler left behind is pending: WM_QUIT comes after every
  // posted message, so it is looked for once the queue is down to it.
  LoopOutcome RunInMessageLoop(const std::function<void()>& handler) override {
    constexpr UINT kRun = WM_APP + 1, kDone = WM_APP + 2;
    const DWORD thread = GetCurrentThreadId();
    PostThreadMessageW(thread, kRun, 0, 0);
    LoopOutcome out;
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
      if (!msg.hwnd && msg.message == kRun) {
        handler();
        out.handlerFinished = true;
        PostThreadMessageW(thread, kDone, 0, 0);
      } else if (!msg.hwnd && msg.message == kDone) {
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
          if (msg.message == WM_QUIT) {
            out.ended = true;
            break;
          }
          DispatchMessageW(&msg);
        }
        return out;
      } else {
        DispatchMessageW(&msg);
      }
    }
    out.ended = true;
    return out;
  }

  HaltOutcome Halt() override {
    wchar_t dir[MAX_PATH + 1] = {}, exe[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, dir);
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    const std::wstring marks =
        std::wstring(dir) + L"quellon-halt-" + std::to_wstring(GetCurrentProcessId()) + L".txt";
    DeleteFileW(marks.c_str());
    std::wstring line = L"\"" + std::wstring(exe) + L"\" " + kHaltChildFlag + marks;
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    HaltOutcome out;
    if (!CreateProcessW(exe, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
      ADD_FAILURE() << "CreateProcessW failed: " << GetLastError();
      return out;
    }
    win32::UniqueHandle process(pi.hProcess), thread(pi.hThread);
    if (WaitForSingleObject(process.get(), 60000) != WAIT_OBJECT_0) {
      TerminateProcess(process.get(), 1);
      ADD_FAILURE() << "the halting child did not end";
    }
    DWORD code = 1;
    GetExitCodeProcess(process.get(), &code);
    EXPECT_EQ(code, 0u);
    const std::string seen = ReadMarks(marks);
    DeleteFileW(marks.c_str());
    out.called = seen.find("called") != std::string::npos;
    out.returned = seen.find("returned") != std::string::npos;
    out.exitHandlers = seen.find("exit handlers") != std::string::npos;
    return out;
  }

 private:
  std::unique_ptr<BoxUser> user_;
  std::optional<Seen> last_;
  win32::UniqueWindow owner_;
};

// While a box is up its owner takes no input; after it, the owner does
// again.
TEST(AppShellWin32Test, OwnerIsDisabledWhileItsBoxIsUp) {
  Win32AppShellHarness h;
  const os::WindowHandle owner = h.OwnerWindow();
  ASSERT_NE(owner, 0u);
  HWND wnd = reinterpret_cast<HWND>(owner);
  h.AnswerNextBox(os::BoxResult::Ok);
  EXPECT_EQ(h.Shell().ShowMessageBox(L"owned", L"Error", os::BoxButtons::Ok, os::BoxIcon::None, owner),
            os::BoxResult::Ok);
  auto seen = h.LastSeen();
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->box.owner, owner);
  EXPECT_FALSE(seen->ownerEnabled);
  EXPECT_TRUE(IsWindowEnabled(wnd));
}

// A failed standby or hibernation shows its box over the main window, which
// cannot be used until the box is answered.
TEST(AppShellWin32Test, SuspendFailureBoxDisablesTheMainWindow) {
  ResetProgramClosingForTest();
  Win32AppShellHarness h;
  const os::WindowHandle mainWindow = h.OwnerWindow();
  ASSERT_NE(mainWindow, 0u);
  FakeRegistry registry;
  TZUBSettings settings(registry, SettingsEnv{});
  settings.SetIsHibernationPossible(true);
  FakePowerApi power;
  power.setSuspendStateOk = false;
  power.setSystemPowerStateOk = false;
  app::WindowActionsEnv env{power, h.Shell()};
  env.mainWindow = [&] { return mainWindow; };
  app::WindowActions actions(settings, std::move(env));
  for (bool hibernate : {false, true}) {
    h.AnswerNextBox(os::BoxResult::Ok);
    actions.SuspendSystem(hibernate);
    auto seen = h.LastSeen();
    ASSERT_TRUE(seen) << hibernate;
    EXPECT_EQ(seen->box.caption, L"Error1");
    EXPECT_EQ(seen->box.text, L"The system could not be hibernated / switched to standby mode.");
    EXPECT_EQ(seen->box.owner, mainWindow) << hibernate;
    EXPECT_FALSE(seen->ownerEnabled) << hibernate;
    EXPECT_TRUE(IsWindowEnabled(reinterpret_cast<HWND>(mainWindow)));
  }
  EXPECT_FALSE(settings.IsHibernationPossible());
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(Win32, AppShellContract,
                         testing::Values(Run<AppShellHarness, Win32AppShellHarness>("Win32")), AppShellContract::Name);

}  // namespace quellon::test
