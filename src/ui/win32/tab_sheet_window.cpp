#include "ui/win32/tab_sheet_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

TabSheetWindow::TabSheetWindow(Win32Backend& backend, TabSheet& page) : WindowPeer(backend, page) {
  CreateOwn(kClassName, page.Caption().c_str(), ChildStyle() | WS_CLIPCHILDREN, WS_EX_CONTROLPARENT,
            ParentHwnd(), NativeRect(), backend.NextControlId());
  Attach(Hwnd());
}

}  // namespace quellon::ui
