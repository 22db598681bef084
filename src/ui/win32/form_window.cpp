#include "ui/win32/form_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

FormWindow::FormWindow(Win32Backend& backend, Form& form) : WindowPeer(backend, form), form_(form) {
  const wchar_t* cls = backend.FormClass(form.ClassName(), ::GetSysColorBrush(COLOR_BTNFACE));
  Rect b = form.Bounds();
  CreateOwn(cls, form.Caption().c_str(), Win32Backend::FormStyle(form), Win32Backend::FormExStyle(form),
            nullptr, b, 0);
  backend.Register(Hwnd(), this);
  // The frame the system really draws may differ from the one measured
  // before the window existed (themes); the client size is what counts.
  RECT client{};
  ::GetClientRect(Hwnd(), &client);
  int dx = form.ClientWidth() - (client.right - client.left);
  int dy = form.ClientHeight() - (client.bottom - client.top);
  if (dx || dy)
    ::SetWindowPos(Hwnd(), nullptr, 0, 0, b.width + dx, b.height + dy,
                   SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

FormWindow::~FormWindow() {
  // The main form's window going ends the message loop.
  if (Hwnd() && backend_.IsMainForm(form_)) ::PostQuitMessage(0);
}

void FormWindow::ApplyShow() {
  if (!form_.Visible()) {
    ::ShowWindow(Hwnd(), SW_HIDE);
    return;
  }
  if (form_.GetWindowState() == WindowState::Minimized)
    ::ShowWindow(Hwnd(), ::IsWindowVisible(Hwnd()) ? SW_MINIMIZE : SW_SHOWMINIMIZED);
  else
    ::ShowWindow(Hwnd(), ::IsIconic(Hwnd()) ? SW_RESTORE : SW_SHOW);
}

void FormWindow::Changed(Property what) {
  HWND hwnd = Hwnd();
  if (!hwnd) return;
  Updating guard(*this);
  switch (what) {
    case Property::Bounds: {
      Rect b = form_.Bounds();
      ::SetWindowPos(hwnd, nullptr, b.left, b.top, b.width, b.height, SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Property::Visible:
    case Property::WindowState:
      ApplyShow();
      break;
    case Property::Focus:
      ::SetFocus(hwnd);
      break;
    case Property::Font:
    case Property::Color:
      ::InvalidateRect(hwnd, nullptr, TRUE);
      break;
    default:
      WindowPeer::Changed(what);
      break;
  }
}

LRESULT FormWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  // The form sees every message first.
  intptr_t handled = 0;
  if (form_.DeliverMessage({msg, wp, lp}, handled)) return handled;
  LRESULT result = 0;
  switch (msg) {
    case WM_CLOSE:
      form_.Close();
      return 0;
    case WM_DESTROY:
      // Destroyed from outside (our own destruction unbinds first).
      if (backend_.IsMainForm(form_)) ::PostQuitMessage(0);
      break;
    case WM_COMMAND:
      // IsDialogMessage turns Enter and Escape into IDOK and IDCANCEL.
      if (lp == 0 && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
        form_.DialogKey(LOWORD(wp) == IDOK ? keys::kReturn : keys::kEscape);
        return 0;
      }
      break;
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED)
        form_.NativeWindowState(WindowState::Minimized);
      else if (wp == SIZE_RESTORED || wp == SIZE_MAXIMIZED)
        form_.NativeWindowState(WindowState::Normal);
      break;
    case WM_CONTEXTMENU:
      if (form_.ContextMenu()) {
        POINT pt{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        if (pt.x == -1 && pt.y == -1) {  // from the keyboard: at the window's corner
          RECT r{};
          ::GetWindowRect(Hwnd(), &r);
          pt = {r.left, r.top};
        }
        form_.NativeContextMenu({pt.x, pt.y});
        return 0;
      }
      break;
    case WM_MOVE:
      if (!::IsIconic(Hwnd())) {
        RECT r{};
        ::GetWindowRect(Hwnd(), &r);
        form_.NativeMoved(r.left, r.top);
      }
      break;
    default:
      break;
  }
  if (Reflect(msg, wp, lp, result)) return result;
  return Default(msg, wp, lp);
}

}  // namespace quellon::ui
