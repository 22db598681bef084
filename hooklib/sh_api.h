// The interface between ZUB.exe and its hook library SH.dll: file, exports,
// the shared block and the messages. Both sides include this header; it
// needs no <windows.h>, so portable code can use the layout too.
//
// How the two meet. The program creates a 12-byte file mapping backed by the
// paging file, named by the library's full path with every backslash turned
// into a slash and the whole in upper case (CharUpperBuffW), for instance
// "C:/PROGRAM FILES/QUELLON/SH.DLL"; each copy of the library (SH.dll, or
// SH1.dll, SH2.dll, ... in the temporary folder) therefore has a block of its
// own. It writes the event code and its window into the block, calls "Init",
// installs the hook with SetWindowsHookExW(type, HookProc or GetMsgProc,
// library, 0) and writes the hook handle into the block.
//
// Inside every process the system loads it into, the library forms the same
// name from its own path and, on each hook call, opens the block, reads it
// and closes it again; it never keeps the block open, so the name is free
// again as soon as the program closes its handle.
//
// What the library delivers, only while the block's window field is not 0:
//   HookProc (WH_CBT, WH_SHELL): for each call whose code equals the block's
//     event code (4 = HCBT_DESTROYWND, 2 = HSHELL_WINDOWDESTROYED), message
//     kShMsgWindowDestroyed with the handle of the window being destroyed in
//     wParam. It is sent (SendMessageTimeoutW, 1 s, aborted when the program
//     hangs), so the window still exists while the program handles it.
//   GetMsgProc (WH_GETMESSAGE, event code -1): message kShMsgGetMessage,
//     posted, with the number of each keyboard (0x0100..0x0109) and mouse
//     (0x0200..0x020E) message a thread takes from its queue. Other message
//     numbers are not reported: the program has no use for them, and the
//     program's own kShMsgGetMessage would otherwise report itself forever.
//   kShMsgDetach (wParam kShReattachCode) asks the program to install its
//     hook again; this version of the library never needs to ask.
// Every hook procedure passes the call on with CallNextHookEx.
#pragma once
#include <cstdint>

namespace quellon::sh {

// The file next to the program, and its required file version (major.minor).
inline constexpr wchar_t kLibraryFileName[] = L"SH.dll";
inline constexpr unsigned kVersionMajor = 0;
inline constexpr unsigned kVersionMinor = 22;

// Export names, undecorated on both architectures.
inline constexpr char kExportInit[] = "Init";
inline constexpr char kExportHookProc[] = "HookProc";
inline constexpr char kExportGetMsgProc[] = "GetMsgProc";

// The shared block, little-endian. Handles are stored as their low 32 bits
// (window and hook handles are 32-bit values on 64-bit Windows too) and read
// back sign-extended, as HandleToLong / LongToHandle do.
inline constexpr uint32_t kBlockSize = 12;
inline constexpr uint32_t kOffsetHook = 0;       // HHOOK, 0 when no hook is installed
inline constexpr uint32_t kOffsetWindow = 4;     // HWND that receives the messages, 0 = silent
inline constexpr uint32_t kOffsetEventCode = 8;  // signed 32-bit hook code to report

struct SharedBlock {
  int32_t hook = 0;
  int32_t window = 0;
  int32_t eventCode = 0;
};
static_assert(sizeof(SharedBlock) == kBlockSize, "the shared block is 12 bytes");

// Event codes the program writes.
inline constexpr int32_t kEventCbtDestroyWindow = 4;    // with WH_CBT (5)
inline constexpr int32_t kEventShellWindowDestroyed = 2;  // with WH_SHELL (10)
inline constexpr int32_t kEventAllMessages = -1;        // with WH_GETMESSAGE (3)

// Messages to the program's window (WM_USER = 0x0400).
inline constexpr unsigned kShMsgWindowDestroyed = 0x0400 + 1;  // wParam: window being destroyed
inline constexpr unsigned kShMsgGetMessage = 0x0400 + 2;       // wParam: message number
inline constexpr unsigned kShMsgDetach = 0x0400 + 3;           // wParam: kShReattachCode
inline constexpr unsigned kShReattachCode = 2115;

}  // namespace quellon::sh

#ifdef _WIN32
// The exports' types. "Init" takes nothing; its result is ignored (SH.dll
// returns nonzero when it finds its block). The hook procedures are ordinary
// HOOKPROCs.
extern "C" {
typedef int(__stdcall* ShInitFn)(void);
typedef intptr_t(__stdcall* ShHookProcFn)(int code, uintptr_t wParam, intptr_t lParam);
}
#endif
