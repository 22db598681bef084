#include "ui/win32/progress_bar_window.h"

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

ProgressBarWindow::ProgressBarWindow(Win32Backend& backend, ProgressBar& bar) : WindowPeer(backend, bar), bar_(bar) {
  Attach(CreateStandard(PROGRESS_CLASSW, L"", ChildStyle() | (bar.Smooth() ? PBS_SMOOTH : 0), 0, ParentHwnd(),
                        NativeRect(), backend.NextControlId()));
  Changed(Property::Range);
}

void ProgressBarWindow::Changed(Property what) {
  if (!Hwnd()) return;
  switch (what) {
    case Property::Range: {
      LONG style = ::GetWindowLongW(Hwnd(), GWL_STYLE);
      style = bar_.Smooth() ? (style | PBS_SMOOTH) : (style & ~PBS_SMOOTH);
      ::SetWindowLongW(Hwnd(), GWL_STYLE, style);
      ::SendMessageW(Hwnd(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()), bar_.Max());
      ::SendMessageW(Hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
      break;
    }
    case Property::Value:
      ::SendMessageW(Hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.Position()), 0);
      break;
    default:
      WindowPeer::Changed(what);
      break;
  }
}

}  // namespace quellon::ui
