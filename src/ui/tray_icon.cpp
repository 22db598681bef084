#include "ui/tray_icon.h"

#include "ui/control_table.h"
#include "ui/popup_menu.h"

namespace quellon::ui {

TrayIcon::TrayIcon(Form& form, std::wstring name) : Component(form, ControlKind::TrayIcon, std::move(name)) {}

void TrayIcon::ApplyDesc(const ControlDesc& desc) {
  Component::ApplyDesc(desc);
  SetHint(desc.caption ? desc.caption : L"");
}

bool TrayIcon::SetVisible(bool on) {
  if (on == visible_) return true;
  visible_ = on;
  failed_ = false;
  Changed(Property::Visible);
  if (failed_) {
    visible_ = false;
    return false;
  }
  return true;
}

void TrayIcon::SetHint(const std::wstring& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  Changed(Property::Hint);
}

void TrayIcon::SetBalloon(const std::wstring& title, const std::wstring& text, BalloonIcon icon, int timeoutMs) {
  balloonTitle_ = title;
  balloonText_ = text;
  balloonIcon_ = icon;
  balloonTimeoutMs_ = timeoutMs;
}

void TrayIcon::ShowBalloon() {
  if (!visible_) return;
  ++balloonsShown_;
  Changed(Property::Balloon);
}

void TrayIcon::NativeDoubleClick() {
  if (visible_ && OnDblClick) OnDblClick();
}

void TrayIcon::NativeBalloonClick() {
  if (visible_ && OnBalloonClick) OnBalloonClick();
}

void TrayIcon::NativeContextMenu(Point at) {
  if (visible_ && menu_) menu_->Popup(at);
}

}  // namespace quellon::ui
