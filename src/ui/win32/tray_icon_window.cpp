#include "ui/win32/tray_icon_window.h"

#include <shellapi.h>

#include <cwchar>

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

namespace {

constexpr UINT kIconId = 1;

// Balloon clicks arrive as this mouse "message" (shell 5.0 and later).
#ifndef NIN_BALLOONUSERCLICK
constexpr UINT NIN_BALLOONUSERCLICK = WM_USER + 5;
#endif

template <size_t N>
void CopyText(wchar_t (&to)[N], const std::wstring& text) {
  size_t n = text.size() < N - 1 ? text.size() : N - 1;
  std::wmemcpy(to, text.c_str(), n);
  to[n] = L'\0';
}

}  // namespace

TrayIconWindow::TrayIconWindow(Win32Backend& backend, TrayIcon& icon) : NativeWindow(backend), icon_(icon) {
  taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
  CreateOwn(kClassName, L"", WS_POPUP, WS_EX_TOOLWINDOW, nullptr, {}, 0);
  ownIcon_.reset(static_cast<HICON>(::LoadImageW(backend.Instance(), L"MAINICON", IMAGE_ICON,
                                                 ::GetSystemMetrics(SM_CXSMICON),
                                                 ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR)));
  hicon_ = ownIcon_ ? ownIcon_.get() : ::LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
  if (icon.Visible() && !Add()) icon.NativeShowFailed();
}

TrayIconWindow::~TrayIconWindow() { Remove(); }

bool TrayIconWindow::Add() {
  if (!Hwnd()) return false;
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
  nid.hWnd = Hwnd();
  nid.uID = kIconId;
  nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  nid.uCallbackMessage = kCallbackMessage;
  nid.hIcon = hicon_;
  CopyText(nid.szTip, icon_.Hint());
  added_ = ::Shell_NotifyIconW(NIM_ADD, &nid) != FALSE;
  return added_;
}

void TrayIconWindow::Remove() {
  if (!added_ || !Hwnd()) return;
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
  nid.hWnd = Hwnd();
  nid.uID = kIconId;
  ::Shell_NotifyIconW(NIM_DELETE, &nid);
  added_ = false;
}

void TrayIconWindow::Modify(UINT flags) {
  if (!added_) return;
  NOTIFYICONDATAW nid{};
  nid.cbSize = NOTIFYICONDATAW_V2_SIZE;
  nid.hWnd = Hwnd();
  nid.uID = kIconId;
  nid.uFlags = flags;
  CopyText(nid.szTip, icon_.Hint());
  if (flags & NIF_INFO) {
    CopyText(nid.szInfoTitle, icon_.BalloonTitle());
    CopyText(nid.szInfo, icon_.BalloonText());
    nid.uTimeout = static_cast<UINT>(icon_.BalloonTimeout());
    nid.dwInfoFlags = static_cast<DWORD>(icon_.BalloonKind());  // NIIF_NONE .. NIIF_ERROR
  }
  ::Shell_NotifyIconW(NIM_MODIFY, &nid);
}

void TrayIconWindow::Changed(Property what) {
  switch (what) {
    case Property::Visible:
      if (icon_.Visible()) {
        if (!added_ && !Add()) icon_.NativeShowFailed();
      } else {
        Remove();
      }
      break;
    case Property::Hint:
      Modify(NIF_TIP);
      break;
    case Property::Balloon:
      Modify(NIF_INFO);
      break;
    default:
      break;
  }
}

LRESULT TrayIconWindow::WndProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == kCallbackMessage) {
    switch (static_cast<UINT>(lp)) {
      case WM_LBUTTONDBLCLK:
        icon_.NativeDoubleClick();
        break;
      case NIN_BALLOONUSERCLICK:
        icon_.NativeBalloonClick();
        break;
      case WM_RBUTTONUP:
      case WM_CONTEXTMENU: {
        POINT pt{};
        ::GetCursorPos(&pt);
        icon_.NativeContextMenu({pt.x, pt.y});
        break;
      }
      default:
        break;
    }
    return 0;
  }
  if (taskbarCreated_ && msg == taskbarCreated_) {
    // Explorer came back: the icon has to be added again.
    added_ = false;
    if (icon_.Visible()) Add();
    return 0;
  }
  return Default(msg, wp, lp);
}

}  // namespace quellon::ui
