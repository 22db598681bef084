#include "ui/win32/native_window.h"

#include <exception>
#include <string>

#include "os/win32/win_error.h"
#include "ui/win32/win32_backend.h"
#include "util/exception.h"
#include "util/text.h"

namespace quellon::ui {

NativeWindow::~NativeWindow() { DestroyHandle(); }

void NativeWindow::RegisterOwnClass(HINSTANCE instance, const wchar_t* name, HBRUSH background,
                                    UINT style, HICON icon) {
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (::GetClassInfoExW(instance, name, &existing)) return;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.style = style;
  wc.lpfnWndProc = &NativeWindow::StaticWndProc;
  wc.hInstance = instance;
  wc.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = background;
  wc.hIcon = icon;
  wc.lpszClassName = name;
  if (!::RegisterClassExW(&wc)) throw Exception(win32::LastError(L"RegisterClassExW").message);
}

void NativeWindow::CreateOwn(const wchar_t* className, const wchar_t* text, DWORD style,
                             DWORD exStyle, HWND parent, const Rect& r, UINT_PTR id) {
  own_ = true;
  HWND hwnd = ::CreateWindowExW(exStyle, className, text, style, r.left, r.top, r.width, r.height,
                                parent, reinterpret_cast<HMENU>(id), backend_.Instance(), this);
  if (!hwnd) throw Exception(win32::LastError(L"CreateWindowExW").message);
  // hwnd_ was set in WM_NCCREATE.
}

HWND NativeWindow::CreateStandard(const wchar_t* className, const wchar_t* text, DWORD style,
                                  DWORD exStyle, HWND parent, const Rect& r, UINT_PTR id) {
  own_ = false;
  hwnd_ = ::CreateWindowExW(exStyle, className, text, style, r.left, r.top, r.width, r.height,
                            parent, reinterpret_cast<HMENU>(id), backend_.Instance(), nullptr);
  if (!hwnd_) {
    const DWORD code = ::GetLastError();
    throw Exception(win32::CallError(std::wstring(L"CreateWindowExW ") + className, code).message);
  }
  return hwnd_;
}

void NativeWindow::DestroyHandle() {
  HWND hwnd = hwnd_;
  hwnd_ = nullptr;
  if (!hwnd || !::IsWindow(hwnd)) return;
  if (own_) {
    if (reinterpret_cast<NativeWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA)) != this) return;
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
  }
  ::DestroyWindow(hwnd);
}

LRESULT NativeWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) { return Default(msg, wp, lp); }

LRESULT CALLBACK NativeWindow::StaticWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
    auto* self = static_cast<NativeWindow*>(cs->lpCreateParams);
    if (self) {
      self->hwnd_ = hwnd;
      ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
  }
  auto* self = reinterpret_cast<NativeWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return ::DefWindowProcW(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return ::DefWindowProcW(hwnd, msg, wp, lp);
  }
  // Handlers are the program's code; what escapes them goes to the
  // application's error handling, never through the system's frames.
  try {
    return self->WndProc(msg, wp, lp);
  } catch (...) {
    self->backend_.ReportException(std::current_exception());
    return 0;
  }
}

}  // namespace quellon::ui
