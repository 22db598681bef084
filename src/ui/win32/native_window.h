// Owner of one window handle. Windows of our own classes get their object
// bound in WM_NCCREATE (GWLP_USERDATA) and unbound in WM_NCDESTROY, so no
// message can reach an object that is gone; the object unbinds itself
// before it destroys its window for the same reason.
#pragma once
#include <windows.h>

#include "ui/types.h"

namespace quellon::ui {

class Win32Backend;

class NativeWindow {
 public:
  explicit NativeWindow(Win32Backend& backend) : backend_(backend) {}
  virtual ~NativeWindow();
  NativeWindow(const NativeWindow&) = delete;
  NativeWindow& operator=(const NativeWindow&) = delete;

  HWND Hwnd() const { return hwnd_; }

  // Registered once per process: the classes of our own windows.
  static void RegisterOwnClass(HINSTANCE instance, const wchar_t* name, HBRUSH background,
                               UINT style = 0, HICON icon = nullptr);

 protected:
  // A window of one of our own classes.
  void CreateOwn(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                 HWND parent, const Rect& r, UINT_PTR id);
  // A window of a system class (button, edit, ...).
  HWND CreateStandard(const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                      HWND parent, const Rect& r, UINT_PTR id);
  // Destroys the window now (unbound first). Safe to call twice.
  void DestroyHandle();

  virtual LRESULT WndProc(UINT msg, WPARAM wp, LPARAM lp);
  LRESULT Default(UINT msg, WPARAM wp, LPARAM lp) { return ::DefWindowProcW(hwnd_, msg, wp, lp); }

  Win32Backend& backend_;

 private:
  static LRESULT CALLBACK StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  bool own_ = false;
};

}  // namespace quellon::ui
