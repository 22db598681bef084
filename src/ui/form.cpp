#include "ui/form.h"

#include <algorithm>

#include "ui/action.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/progress_bar.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/time_picker.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"
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

bool Form::IsControlKind(ControlKind kind) {
  switch (kind) {
    case ControlKind::Timer:
    case ControlKind::Action:
    case ControlKind::PopupMenu:
    case ControlKind::TrayIcon:
    case ControlKind::Form:
      return false;
    default:
      return true;
  }
}

std::string Form::MissingMessage(const std::wstring& name) {
  return "ui: no component " + WideToUtf8(name) + " of the asked kind";
}

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
  std::unique_ptr<Component> made;
  Control* control = nullptr;
  if (!IsControlKind(desc.kind)) {
    if (desc.parent && *desc.parent)
      throw std::logic_error("ui: " + WideToUtf8(name) + " belongs to the form itself");
    if (desc.kind == ControlKind::PopupMenu) {
      made = std::make_unique<PopupMenu>(*this, name);
    } else if (desc.kind == ControlKind::TrayIcon) {
      auto t = std::make_unique<TrayIcon>(*this, name);
      t->SetHint(desc.caption ? desc.caption : L"");
      made = std::move(t);
    } else if (desc.kind == ControlKind::Timer) {
      auto t = std::make_unique<Timer>(*this, name);
      t->SetEnabled((desc.flags & kDisabled) == 0);
      if (desc.value > 0) t->SetInterval(desc.value);
      made = std::move(t);
    } else {
      auto a = std::make_unique<Action>(*this, name);
      a->SetCaption(desc.caption ? desc.caption : L"");
      a->SetEnabled((desc.flags & kDisabled) == 0);
      a->SetShortCut({desc.value, kNoShift});
      made = std::move(a);
    }
  } else {
    Control* parent = ParentFor(desc);
    bool pageParent = parent->Kind() == ControlKind::PageControl;
    if (!parent->IsContainer() || pageParent != (desc.kind == ControlKind::TabSheet))
      throw std::logic_error("ui: " + WideToUtf8(parent->Name()) + " cannot hold " +
                             WideToUtf8(name));
    switch (desc.kind) {
      case ControlKind::Label: made = std::make_unique<Label>(*this, name, parent); break;
      case ControlKind::Button: made = std::make_unique<Button>(*this, name, parent); break;
      case ControlKind::CheckBox: made = std::make_unique<CheckBox>(*this, name, parent); break;
      case ControlKind::RadioButton: made = std::make_unique<RadioButton>(*this, name, parent); break;
      case ControlKind::GroupBox: made = std::make_unique<GroupBox>(*this, name, parent); break;
      case ControlKind::PageControl: made = std::make_unique<PageControl>(*this, name, parent); break;
      case ControlKind::TabSheet:
        made = std::make_unique<TabSheet>(*this, name, *static_cast<PageControl*>(parent));
        break;
      case ControlKind::ComboBox: made = std::make_unique<ComboBox>(*this, name, parent); break;
      case ControlKind::Edit: made = std::make_unique<Edit>(*this, name, parent); break;
      case ControlKind::SpinEdit: made = std::make_unique<SpinEdit>(*this, name, parent); break;
      case ControlKind::TimePicker: made = std::make_unique<TimePicker>(*this, name, parent); break;
      case ControlKind::ProgressBar: made = std::make_unique<ProgressBar>(*this, name, parent); break;
      default: throw std::logic_error("ui: " + WideToUtf8(name) + " is not a control kind");
    }
    control = static_cast<Control*>(made.get());
    // State first, quietly (no handlers are bound yet), then the window.
    // A label sizes itself once, at the end, from its final text, font and
    // alignment and the edge the table gives.
    auto* label = desc.kind == ControlKind::Label ? static_cast<Label*>(control) : nullptr;
    if (label) label->SetAutoSize(false);
    if (desc.kind != ControlKind::TabSheet) control->SetBounds(desc.bounds);
    if (desc.flags & kHidden) control->SetVisible(false);
    if (desc.flags & kDisabled) control->SetEnabled(false);
    control->SetFont(desc.font);
    switch (desc.kind) {
      case ControlKind::Label: {
        auto* l = static_cast<Label*>(control);
        l->SetAlignment((desc.flags & kCenter)  ? Alignment::Center
                        : (desc.flags & kRight) ? Alignment::Right
                                                : Alignment::Left);
        l->SetWordWrap((desc.flags & kWordWrap) != 0);
        l->SetShowAccelChar((desc.flags & kNoAccelChar) == 0);
        l->SetShadow(desc.shadow);
        break;
      }
      case ControlKind::Button: {
        auto* b = static_cast<Button*>(control);
        b->SetDefault((desc.flags & kDefault) != 0);
        b->SetCancel((desc.flags & kCancel) != 0);
        b->SetModalResult(desc.value);
        break;
      }
      case ControlKind::CheckBox:
        static_cast<CheckBox*>(control)->SetChecked((desc.flags & kChecked) != 0);
        break;
      case ControlKind::RadioButton:
        static_cast<RadioButton*>(control)->SetChecked((desc.flags & kChecked) != 0);
        break;
      case ControlKind::ComboBox: {
        auto* c = static_cast<ComboBox*>(control);
        c->SetStyle((desc.flags & kPickList) ? ComboStyle::DropDownList : ComboStyle::DropDown);
        c->SetSorted((desc.flags & kSorted) != 0);
        break;
      }
      case ControlKind::Edit:
        static_cast<Edit*>(control)->SetReadOnly((desc.flags & kReadOnly) != 0);
        break;
      case ControlKind::SpinEdit:
        static_cast<SpinEdit*>(control)->SetValue(desc.value);
        break;
      default:
        break;
    }
    if (desc.kind != ControlKind::SpinEdit) control->SetCaption(desc.caption ? desc.caption : L"");
    if (label) label->SetAutoSize((desc.flags & kFixedSize) == 0);
  }
  made->SetTag(desc.tag);
  Component& result = *made;
  components_.push_back(std::move(made));
  byName_[name] = &result;
  result.CreatePeer();
  if (control && desc.tabOrder >= 0) control->SetTabOrder(desc.tabOrder);
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
    if (!IsControlKind((*it)->Kind())) (*it)->DestroyPeer();
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
