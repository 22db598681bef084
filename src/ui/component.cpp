#include "ui/component.h"

#include "ui/form.h"

namespace quellon::ui {

Component::Component(Form& form, ControlKind kind, std::wstring name)
    : form_(&form), kind_(kind), name_(std::move(name)) {}

Component::~Component() = default;

void Component::CreatePeer() {
  if (!peer_) peer_ = form_->GetBackend().CreatePeer(*this);
}

void Component::DestroyPeer() {
  // Moved out first so that nothing reaches the peer while it goes.
  std::unique_ptr<Peer> peer = std::move(peer_);
  peer.reset();
}

Backend& Component::GetBackend() const { return form_->GetBackend(); }

const wchar_t* KindName(ControlKind kind) {
  switch (kind) {
    case ControlKind::Form: return L"Form";
    case ControlKind::Label: return L"Label";
    case ControlKind::Button: return L"Button";
    case ControlKind::CheckBox: return L"CheckBox";
    case ControlKind::RadioButton: return L"RadioButton";
    case ControlKind::GroupBox: return L"GroupBox";
    case ControlKind::PageControl: return L"PageControl";
    case ControlKind::TabSheet: return L"TabSheet";
    case ControlKind::ComboBox: return L"ComboBox";
    case ControlKind::Edit: return L"Edit";
    case ControlKind::SpinEdit: return L"SpinEdit";
    case ControlKind::TimePicker: return L"TimePicker";
    case ControlKind::ProgressBar: return L"ProgressBar";
    case ControlKind::Timer: return L"Timer";
    case ControlKind::Action: return L"Action";
    case ControlKind::PopupMenu: return L"PopupMenu";
    case ControlKind::TrayIcon: return L"TrayIcon";
  }
  return L"?";
}

}  // namespace quellon::ui
