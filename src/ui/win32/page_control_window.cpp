#include "ui/win32/page_control_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

PageControlWindow::PageControlWindow(Win32Backend& backend, PageControl& pages) : WindowPeer(backend, pages) {
  CreateOwn(kClassName, pages.Caption().c_str(), ChildStyle() | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
            ParentHwnd(), NativeRect(), backend.NextControlId());
  Attach(Hwnd());
}

}  // namespace quellon::ui
