// SH.dll of the product, driven the way the program drives it: a shared
// block named after the library's path, "Init", then a hook with its
// procedures. The hooks here are for this thread only, so nothing outside
// the test is touched.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "os/win32/handles.h"
#include "sh_api.h"
#include "util/text.h"

namespace quellon {
namespace {

const std::wstring kLibrary = std::wstring(QUELLON_PRODUCT_DIR_W) + L"\\SH.dll";

std::wstring BlockName(const std::wstring& path) {
  std::wstring name = path;
  for (wchar_t& c : name) {
    if (c == L'\\') c = L'/';
  }
  return UpperCase(name);
}

// What the receiving window saw.
struct Seen {
  std::vector<WPARAM> destroyed;        // WM_USER+1
  std::vector<bool> stillAlive;         // the window existed while handled
  std::vector<WPARAM> messages;         // WM_USER+2
};
Seen* g_seen = nullptr;

LRESULT CALLBACK ReceiverProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (g_seen && msg == sh::kShMsgWindowDestroyed) {
    g_seen->destroyed.push_back(wp);
    g_seen->stillAlive.push_back(::IsWindow(reinterpret_cast<HWND>(wp)) != FALSE);
    return 0;
  }
  if (g_seen && msg == sh::kShMsgGetMessage) {
    g_seen->messages.push_back(wp);
    return 0;
  }
  return ::DefWindowProcW(wnd, msg, wp, lp);
}

class HookLibraryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WNDCLASSW wc{};
    wc.lpfnWndProc = ReceiverProc;
    wc.hInstance = ::GetModuleHandleW(nullptr);
    wc.lpszClassName = L"QuellonShTestReceiver";
    ::RegisterClassW(&wc);
    receiver_.reset(::CreateWindowExW(0, wc.lpszClassName, L"receiver", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                      nullptr, wc.hInstance, nullptr));
    ASSERT_TRUE(receiver_);
    g_seen = &seen_;
    // The block first, as the program creates it before loading the library.
    mapping_.reset(::CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, sh::kBlockSize,
                                        BlockName(kLibrary).c_str()));
    ASSERT_TRUE(mapping_);
    ASSERT_NE(::GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    library_.reset(::LoadLibraryW(kLibrary.c_str()));
    ASSERT_TRUE(library_) << "SH.dll not found in " << WideToUtf8(QUELLON_PRODUCT_DIR_W);
  }
  void TearDown() override {
    hook_.reset();
    g_seen = nullptr;
  }

  void WriteBlock(HWND window, int32_t eventCode) {
    win32::UniqueMappedView view(::MapViewOfFile(mapping_.get(), FILE_MAP_WRITE, 0, 0, 0));
    ASSERT_TRUE(view);
    auto* b = static_cast<sh::SharedBlock*>(view.get());
    b->window = static_cast<int32_t>(reinterpret_cast<LONG_PTR>(window));
    b->eventCode = eventCode;
  }

  int CallInit() {
    auto init = reinterpret_cast<ShInitFn>(::GetProcAddress(library_.get(), sh::kExportInit));
    return init ? init() : -1;
  }

  void Install(int type, const char* procName) {
    auto proc = reinterpret_cast<HOOKPROC>(::GetProcAddress(library_.get(), procName));
    ASSERT_NE(proc, nullptr) << procName;
    CallInit();
    hook_.reset(::SetWindowsHookExW(type, proc, library_.get(), ::GetCurrentThreadId()));
    ASSERT_TRUE(hook_);
    win32::UniqueMappedView view(::MapViewOfFile(mapping_.get(), FILE_MAP_WRITE, 0, 0, 0));
    static_cast<sh::SharedBlock*>(view.get())->hook =
        static_cast<int32_t>(reinterpret_cast<LONG_PTR>(hook_.get()));
  }

  HWND MakeWindow() {
    return ::CreateWindowExW(0, L"STATIC", L"victim", WS_POPUP, 0, 0, 5, 5, nullptr, nullptr, nullptr, nullptr);
  }

  void Pump() {
    MSG m;
    while (::PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&m);
  }

  static void UnhookValue(HHOOK h) { ::UnhookWindowsHookEx(h); }
  using UniqueHook = win32::UniqueAny<HHOOK, decltype(&UnhookValue), UnhookValue>;

  Seen seen_;
  win32::UniqueWindow receiver_;
  win32::UniqueHandle mapping_;
  win32::UniqueModule library_;
  UniqueHook hook_;
};

TEST_F(HookLibraryTest, InitFindsTheBlockOfItsOwnPath) {
  EXPECT_EQ(CallInit(), 1);
  mapping_.reset();
  EXPECT_EQ(CallInit(), 0);
}

TEST_F(HookLibraryTest, DestroyedWindowIsReportedWhileItStillExists) {
  struct Case {
    const char* what;
    int hookType;
    int32_t eventCode;
    bool withWindow;
    bool reported;
  };
  const Case cases[] = {
      {"CBT, destroy code", WH_CBT, sh::kEventCbtDestroyWindow, true, true},
      {"CBT, another code", WH_CBT, sh::kEventShellWindowDestroyed, true, false},
      {"CBT, paused (window 0)", WH_CBT, sh::kEventCbtDestroyWindow, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    seen_ = Seen{};
    WriteBlock(c.withWindow ? receiver_.get() : nullptr, c.eventCode);
    Install(c.hookType, sh::kExportHookProc);
    HWND victim = MakeWindow();
    ASSERT_TRUE(victim);
    ::DestroyWindow(victim);
    Pump();
    hook_.reset();
    if (c.reported) {
      ASSERT_EQ(seen_.destroyed, (std::vector<WPARAM>{reinterpret_cast<WPARAM>(victim)}));
      EXPECT_TRUE(seen_.stillAlive[0]);
    } else {
      EXPECT_TRUE(seen_.destroyed.empty());
    }
  }
}

TEST_F(HookLibraryTest, NothingIsReportedOnceTheProgramClosedTheBlock) {
  WriteBlock(receiver_.get(), sh::kEventCbtDestroyWindow);
  Install(WH_CBT, sh::kExportHookProc);
  mapping_.reset();
  ::DestroyWindow(MakeWindow());
  Pump();
  EXPECT_TRUE(seen_.destroyed.empty());
}

TEST_F(HookLibraryTest, RetrievedKeyboardAndMouseMessagesAreReported) {
  WriteBlock(receiver_.get(), sh::kEventAllMessages);
  Install(WH_GETMESSAGE, sh::kExportGetMsgProc);
  HWND w = receiver_.get();
  // Peeked without removal: not yet taken, not reported.
  ::PostMessageW(w, WM_KEYUP, 'A', 0);
  MSG m;
  ASSERT_TRUE(::PeekMessageW(&m, w, WM_KEYUP, WM_KEYUP, PM_NOREMOVE));
  EXPECT_TRUE(seen_.messages.empty());
  Pump();
  const UINT posted[] = {WM_KEYDOWN, WM_CHAR, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_MOUSEWHEEL,
                         0x02A3 /* WM_MOUSELEAVE */, WM_USER + 50, WM_NULL};
  for (UINT msg : posted) ::PostMessageW(w, msg, 0, 0);
  Pump();
  Pump();  // the reports themselves arrive as posted messages
  EXPECT_EQ(seen_.messages, (std::vector<WPARAM>{WM_KEYUP, WM_KEYDOWN, WM_CHAR, WM_MOUSEMOVE, WM_LBUTTONDOWN,
                                                 WM_MOUSEWHEEL}));
}

}  // namespace
}  // namespace quellon
