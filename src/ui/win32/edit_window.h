// A one-line edit box (the system's EDIT class), with the caption of a
// labelled edit as a static text above it.
#pragma once
#include "ui/edit.h"
#include "ui/win32/window_peer.h"

namespace quellon::ui {

class EditWindow : public WindowPeer {
 public:
  EditWindow(Win32Backend& backend, Edit& edit);
  ~EditWindow() override;
  void Changed(Property what) override;
  bool OnCommand(WORD code) override;
  HBRUSH OnCtlColor(UINT msg, HDC dc) override;

 protected:
  // For the spin edit, which keeps room for its arrows.
  EditWindow(Win32Backend& backend, Edit& edit, int rightMargin);
  Rect NativeRect() const override;
  std::wstring WindowText() const;

 private:
  void PlaceLabel();
  Edit& edit_;
  int rightMargin_;
  win32::UniqueWindow label_;
};

}  // namespace quellon::ui
