#include "ui/component.h"

#include "ui/control_table.h"
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

void Component::ApplyDesc(const ControlDesc& desc) { SetTag(desc.tag); }

}  // namespace quellon::ui
