#include "ui/form.h"

#include <algorithm>

#include "ui/action.h"
#include "ui/button.h"
#include "ui/kinds.h"
#include "ui/popup_menu.h"
#include "util/text.h"

namespace quellon::ui {

Form::Form(Backend& backend, const FormDesc& desc)
    : Control(*this, ControlKind::Form, desc.name ? desc.name : L"", nullptr),
      backend_(&backend),
      className_(desc.className ? desc.className : L""),
      border_(desc.border),
      borderIcons_(desc.borderIcons),
      doubleBuffered_(desc.doubleBuffered) {
  SetVisible(false);
  StoreText(desc.caption ? desc.caption : L"");
  clientWidth_ = desc.clientWidth;
  clientHeight_ = desc.clientHeight;
  Extent frame = backend.FrameExtent(*this);
  Rect work = backend.WorkArea();
  int width = clientWidth_ + frame.width;
  int height = clientHeight_ + frame.height;
  SetBounds({work.left + (work.width - width) / 2, work.top + (work.height - height) / 2, width,
             height});
  backend.FormCreated(this);
  try {
    CreatePeer();
  } catch (...) {
    backend.FormGone(this);
    throw;
  }
}

Form::~Form() {
  DestroyWindows();
  backend_->FormGone(this);
  // Children before the containers made before them.
  while (!components_.empty()) components_.pop_back();
}

std::string Form::MissingMessage(const std::wstring& name) {
  return "ui: no component " + WideToUtf8(name) + " of the asked kind";
}

namespace detail {

void BindMismatch(const Form& form, const Component& component, bool formFits) {
  std::string what = WideToUtf8(component.Name()) + " (" + WideToUtf8(KindName(component.Kind())) + ")";
  if (!formFits)
    throw std::logic_error("ui: " + what + " is bound to a member of another form than " +
                           WideToUtf8(form.Name()));
  throw std::logic_error("ui: " + what + " is bound to a member of another type");
}

}  // namespace detail

Control* Form::ParentFor(const ControlDesc& desc) {
  if (!desc.parent || !*desc.parent) return this;
  Control* parent = dynamic_cast<Control*>(Find(desc.parent));
  if (!parent)
    throw std::logic_error("ui: " + WideToUtf8(desc.name) + ": no parent " +
                           WideToUtf8(desc.parent));
  return parent;
}

Component& Form::CreateComponent(const ControlDesc& desc) {
  std::wstring name = desc.name ? desc.name : L"";
  if (name.empty() || byName_.count(name) || name == Name())
    throw std::logic_error("ui: missing or repeated name " + WideToUtf8(name));
  const KindInfo& kind = Describe(desc.kind);
  if (!kind.make)
    throw std::logic_error("ui: " + WideToUtf8(name) + ": no row makes a " + WideToUtf8(kind.name));
  Control* parent = nullptr;
  if (kind.sitsIn == Holds::Nothing) {
    if (desc.parent && *desc.parent)
      throw std::logic_error("ui: " + WideToUtf8(name) + " belongs to the form itself");
  } else {
    parent = ParentFor(desc);
    if (Describe(parent->Kind()).holds != kind.sitsIn)
      throw std::logic_error("ui: " + WideToUtf8(parent->Name()) + " cannot hold " + WideToUtf8(name));
  }
  std::unique_ptr<Component> made = kind.make(*this, name, parent);
  // State first, quietly (no handlers are bound yet), then the window.
  made->ApplyDesc(desc);
  Component& result = *made;
  components_.push_back(std::move(made));
  byName_[name] = &result;
  result.CreatePeer();
  if (kind.control && desc.tabOrder >= 0) static_cast<Control&>(result).SetTabOrder(desc.tabOrder);
  // Last: a member is only ever set to a component that is whole, in the
  // form and with its window.
  if (desc.bind) desc.bind(*this, result);
  return result;
}

void Form::CreateControls(const ControlDesc* descs, size_t count) {
  for (size_t i = 0; i < count; ++i) CreateComponent(descs[i]);
}

Component* Form::Find(const std::wstring& name) const {
  auto it = byName_.find(name);
  return it == byName_.end() ? nullptr : it->second;
}

std::vector<Component*> Form::Components() const {
  std::vector<Component*> all;
  for (const auto& c : components_) all.push_back(c.get());
  return all;
}

void Form::SetClientSize(int width, int height) {
  clientWidth_ = width;
  clientHeight_ = height;
  Extent frame = backend_->FrameExtent(*this);
  SetBounds({Left(), Top(), width + frame.width, height + frame.height});
}

void Form::SetPosition(int left, int top) { SetBounds({left, top, Width(), Height()}); }

void Form::SetWindowState(WindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  Changed(Property::WindowState);
  ApplyState(state);
}

void Form::NativeWindowState(WindowState state) {
  if (state == windowState_) return;
  windowState_ = state;
  ApplyState(state);
}

void Form::ApplyState(WindowState state) { Run(state == WindowState::Minimized ? OnMinimize : OnRestore); }

void Form::NativeMoved(int left, int top) {
  Rect b = Bounds();
  if (b.left == left && b.top == top) return;
  // The window is already there; only the state follows.
  StoreBounds({left, top, b.width, b.height});
}

void Form::SetFocusedControl(Control* control) {
  focused_ = control;
  if (control)
    control->Changed(Property::Focus);
  else
    Changed(Property::Focus);
}

namespace {

Button* FindButton(const Control& root, bool wantDefault) {
  for (Control* c : root.Controls()) {
    if (c->Kind() == ControlKind::Button) {
      auto* b = static_cast<Button*>(c);
      if ((wantDefault ? b->Default() : b->Cancel()) && b->CanReceiveInput()) return b;
    }
    if (Button* inner = FindButton(*c, wantDefault)) return inner;
  }
  return nullptr;
}

}  // namespace

bool Form::DialogKey(int key) {
  if (key != keys::kReturn && key != keys::kEscape) return false;
  Button* b = FindButton(*this, key == keys::kReturn);
  if (!b) return false;
  b->Click();
  return true;
}

bool Form::ShortCut(int key, unsigned shift) {
  for (const auto& c : components_) {
    if (c->Kind() != ControlKind::Action) continue;
    auto* a = static_cast<Action*>(c.get());
    if (a->GetShortCut().key == key && a->GetShortCut().shift == shift) return a->Execute();
  }
  return false;
}

int Form::ShowModal() {
  if (modal_ || windowsDestroyed_) throw std::logic_error("ui: " + WideToUtf8(Name()) + " cannot be shown modally");
  std::vector<Form*> disabled;
  for (Form* f : backend_->Forms())
    if (f != this && f->Enabled() && f->HandleAllocated()) {
      f->SetEnabled(false);
      disabled.push_back(f);
    }
  modal_ = true;
  modalResult_ = mrNone;
  auto finish = [&] {
    modal_ = false;
    if (!windowsDestroyed_) Hide();
    for (Form* f : disabled) f->SetEnabled(true);
  };
  try {
    Show();
    backend_->RunModal(*this);
  } catch (...) {
    finish();
    throw;
  }
  finish();
  if (modalResult_ == mrNone) modalResult_ = mrCancel;
  return modalResult_;
}

void Form::Close() {
  if (windowsDestroyed_) return;
  bool canClose = true;
  if (OnCloseQuery) OnCloseQuery(canClose);
  if (!canClose) return;
  Run(OnClose);
  if (modal_) {
    // A modal form closes into its result and stays for the caller.
    if (modalResult_ == mrNone) modalResult_ = mrCancel;
    return;
  }
  DestroyWindows();
}

void Form::DestroyPeers(Control& control) {
  const std::vector<Control*> children = control.Controls();
  for (auto it = children.rbegin(); it != children.rend(); ++it) DestroyPeers(**it);
  control.DestroyPeer();
}

void Form::DestroyWindows() {
  if (windowsDestroyed_) return;
  windowsDestroyed_ = true;
  Run(OnDestroy);
  focused_ = nullptr;
  for (auto it = components_.rbegin(); it != components_.rend(); ++it)
    if (!Describe((*it)->Kind()).control) (*it)->DestroyPeer();
  const std::vector<Control*> children = Controls();
  for (auto it = children.rbegin(); it != children.rend(); ++it) DestroyPeers(**it);
  DestroyPeer();
}

void Form::NativeContextMenu(Point at) {
  if (contextMenu_) contextMenu_->Popup(at);
}

void Form::Post(unsigned msg, uintptr_t wparam, intptr_t lparam) {
  if (windowsDestroyed_) return;
  backend_->Post(*this, {msg, wparam, lparam});
}

bool Form::DeliverMessage(const Message& message, intptr_t& result) {
  if (!OnMessage) return false;
  return OnMessage(message, result);
}

}  // namespace quellon::ui
