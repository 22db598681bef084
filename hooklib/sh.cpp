// SH.dll: the hook library. The system loads it into every process whose
// threads the program's global hook reaches; there it reports window
// destruction and input to the program's window, as its shared block says.
// The interface is described in sh_api.h.
#include <windows.h>

#include "sh_api.h"

namespace {

HINSTANCE g_module = nullptr;

// The block's name, formed once per process from this copy's own path.
wchar_t g_blockName[1024];
bool g_haveName = false;

void FormBlockName() {
  const DWORD size = sizeof g_blockName / sizeof g_blockName[0];
  DWORD n = ::GetModuleFileNameW(g_module, g_blockName, size);
  if (n == 0 || n >= size) return;  // a truncated path would name some other block
  for (DWORD i = 0; i < n; ++i) {
    if (g_blockName[i] == L'\\') g_blockName[i] = L'/';
  }
  ::CharUpperBuffW(g_blockName, n);
  g_haveName = true;
}

// Reads the block through a view that is closed again at once: a view kept
// open would keep the name taken after the program has let it go.
bool ReadBlock(quellon::sh::SharedBlock* out) {
  if (!g_haveName) return false;
  HANDLE mapping = ::OpenFileMappingW(FILE_MAP_READ, FALSE, g_blockName);
  if (!mapping) return false;
  bool ok = false;
  if (void* view = ::MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, quellon::sh::kBlockSize)) {
    const volatile int32_t* words = static_cast<const volatile int32_t*>(view);
    out->hook = words[quellon::sh::kOffsetHook / 4];
    out->window = words[quellon::sh::kOffsetWindow / 4];
    out->eventCode = words[quellon::sh::kOffsetEventCode / 4];
    ::UnmapViewOfFile(view);
    ok = true;
  }
  ::CloseHandle(mapping);
  return ok;
}

HWND WindowOf(const quellon::sh::SharedBlock& b) {
  return reinterpret_cast<HWND>(static_cast<LONG_PTR>(b.window));
}

HHOOK HookOf(const quellon::sh::SharedBlock& b) {
  return reinterpret_cast<HHOOK>(static_cast<LONG_PTR>(b.hook));
}

bool IsInputMessage(UINT m) {
  return (m >= 0x0100 && m <= 0x0109) || (m >= 0x0200 && m <= 0x020E);
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) {
    g_module = instance;
    ::DisableThreadLibraryCalls(instance);
    FormBlockName();
  }
  return TRUE;
}

int WINAPI Init(void) {
  if (!g_haveName) FormBlockName();
  quellon::sh::SharedBlock b;
  return ReadBlock(&b) ? 1 : 0;
}

LRESULT CALLBACK HookProc(int code, WPARAM wParam, LPARAM lParam) {
  quellon::sh::SharedBlock b;
  HHOOK hook = nullptr;
  if (code >= 0 && ReadBlock(&b)) {
    hook = HookOf(b);
    HWND target = WindowOf(b);
    if (target && code == b.eventCode) {
      DWORD_PTR ignored = 0;
      ::SendMessageTimeoutW(target, quellon::sh::kShMsgWindowDestroyed, wParam, 0,
                            SMTO_ABORTIFHUNG | SMTO_NORMAL, 1000, &ignored);
    }
  }
  return ::CallNextHookEx(hook, code, wParam, lParam);
}

LRESULT CALLBACK GetMsgProc(int code, WPARAM wParam, LPARAM lParam) {
  HHOOK hook = nullptr;
  const MSG* msg = reinterpret_cast<const MSG*>(lParam);
  // Only messages taken off the queue count; a peek without removal would
  // report the same input twice.
  if (code == HC_ACTION && wParam == PM_REMOVE && msg && IsInputMessage(msg->message)) {
    quellon::sh::SharedBlock b;
    if (ReadBlock(&b)) {
      hook = HookOf(b);
      HWND target = WindowOf(b);
      if (target && (b.eventCode == quellon::sh::kEventAllMessages ||
                     static_cast<UINT>(b.eventCode) == msg->message)) {
        ::PostMessageW(target, quellon::sh::kShMsgGetMessage, msg->message, 0);
      }
    }
  }
  return ::CallNextHookEx(hook, code, wParam, lParam);
}

}  // extern "C"
