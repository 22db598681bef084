// The window messages the main window handles itself, by the system's
// numbers (portable code has no <windows.h>).
#pragma once

namespace quellon::app {

constexpr unsigned kWmQueryEndSession = 0x0011;  // WM_QUERYENDSESSION: may the logon end?
constexpr unsigned kWmEndSession = 0x0016;       // WM_ENDSESSION: wParam TRUE ends it, FALSE cancelled
constexpr unsigned kWmUser = 0x0400;             // WM_USER: the first private message

}  // namespace quellon::app
