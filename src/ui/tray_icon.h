// The program's icon in the notification area, with a hint, a balloon, a
// menu on the right button, and events for a double click and a click on
// the balloon. Showing can fail (no notification area): SetVisible then
// returns false and the icon stays hidden.
#pragma once
#include <string>

#include "ui/component.h"

namespace quellon::ui {

class PopupMenu;

enum class BalloonIcon { None = 0, Info = 1, Warning = 2, Error = 3 };

class TrayIcon : public Component {
 public:
  TrayIcon(Form& form, std::wstring name);

  bool Visible() const { return visible_; }
  // True when the icon is in the state asked for.
  bool SetVisible(bool on);

  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);

  PopupMenu* Menu() const { return menu_; }
  void SetMenu(PopupMenu* menu) { menu_ = menu; }

  const std::wstring& BalloonTitle() const { return balloonTitle_; }
  const std::wstring& BalloonText() const { return balloonText_; }
  BalloonIcon BalloonKind() const { return balloonIcon_; }
  int BalloonTimeout() const { return balloonTimeoutMs_; }
  void SetBalloon(const std::wstring& title, const std::wstring& text, BalloonIcon icon, int timeoutMs);
  // Shows the balloon set last; nothing while the icon is hidden.
  void ShowBalloon();
  int BalloonsShown() const { return balloonsShown_; }

  Handler OnDblClick;
  Handler OnBalloonClick;

  // Backend side.
  void NativeDoubleClick();
  void NativeBalloonClick();
  void NativeContextMenu(Point at);
  // The system refused to show the icon.
  void NativeShowFailed() { failed_ = true; }

 protected:
  // The caption is the hint.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  bool visible_ = false;
  bool failed_ = false;
  std::wstring hint_;
  PopupMenu* menu_ = nullptr;
  std::wstring balloonTitle_;
  std::wstring balloonText_;
  BalloonIcon balloonIcon_ = BalloonIcon::None;
  int balloonTimeoutMs_ = 10000;
  int balloonsShown_ = 0;
};

}  // namespace quellon::ui
