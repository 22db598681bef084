// The hidden top-level application window: owner of the error boxes and
// target of the monitor-off command; never listed, matched or closed as an
// application.
#pragma once
#include <windows.h>

namespace quellon::win32 {

// Created on first use on the calling (GUI) thread; nullptr if it cannot be.
HWND ApplicationWindow();

// The window class of the application window, so window lists can skip it.
extern const wchar_t kApplicationWindowClass[];

}  // namespace quellon::win32
