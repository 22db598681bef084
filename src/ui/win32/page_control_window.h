// A page control with hidden tabs: a plain container of its pages (our own
// class); only the active page's window is visible.
#pragma once
#include "ui/page_control.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class PageControlWindow final : public WindowPeer {
 public:
  static constexpr const wchar_t* kClassName = L"QuellonPageControl";
  PageControlWindow(Win32Backend& backend, PageControl& pages);
};

}  // namespace quellon::ui
