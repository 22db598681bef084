// A combo box (the system's COMBOBOX class, never sorted by the system:
// the control keeps the order, so indexes agree).
#pragma once
#include "ui/combo_box.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class ComboBoxWindow final : public WindowPeer {
 public:
  ComboBoxWindow(Win32Backend& backend, ComboBox& combo);
  void Changed(Property what) override;
  bool OnCommand(WORD code) override;

 protected:
  Rect NativeRect() const override;

 private:
  void Create();
  void FillItems();
  void ShowText();
  ComboBox& combo_;
};

}  // namespace quellon::ui
