// Base of everything a form owns by name: controls, timers and actions.
#pragma once
#include <functional>
#include <memory>
#include <string>

#include "ui/backend.h"
#include "ui/types.h"

namespace quellon::ui {

class ControlDesc;
class Form;

using Handler = std::function<void()>;

class Component {
 public:
  Component(Form& form, ControlKind kind, std::wstring name);
  virtual ~Component();
  Component(const Component&) = delete;
  Component& operator=(const Component&) = delete;

  ControlKind Kind() const { return kind_; }
  const std::wstring& Name() const { return name_; }
  Form& OwnerForm() const { return *form_; }

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }

  // Backend side: the peer is made once the component is part of its form
  // and dropped when the form's windows are destroyed.
  void CreatePeer();
  void DestroyPeer();
  bool HandleAllocated() const { return peer_ != nullptr; }
  Peer* GetPeer() const { return peer_.get(); }
  uintptr_t NativeHandle() const { return peer_ ? peer_->NativeHandle() : 0; }

 protected:
  // Takes the initial state of its control table row, before it has a
  // peer and before any handler is bound (so nothing runs). Each class
  // applies the fields that mean something for it, then its base's.
  virtual void ApplyDesc(const ControlDesc& desc);
  void Changed(Property what) {
    if (peer_) peer_->Changed(what);
  }
  Backend& GetBackend() const;

 private:
  friend class Form;
  Form* form_;
  ControlKind kind_;
  std::wstring name_;
  int tag_ = 0;
  std::unique_ptr<Peer> peer_;
};

}  // namespace quellon::ui
