// A progress bar (the system's progress class).
#pragma once
#include "ui/progress_bar.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class ProgressBarWindow final : public WindowPeer {
 public:
  ProgressBarWindow(Win32Backend& backend, ProgressBar& bar);
  void Changed(Property what) override;

 private:
  ProgressBar& bar_;
};

}  // namespace quellon::ui
