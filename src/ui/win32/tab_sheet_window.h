// One page of a page control (our own container class).
#pragma once
#include "ui/tab_sheet.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class TabSheetWindow final : public WindowPeer {
 public:
  static constexpr const wchar_t* kClassName = L"QuellonTabSheet";
  TabSheetWindow(Win32Backend& backend, TabSheet& page);
};

}  // namespace quellon::ui
