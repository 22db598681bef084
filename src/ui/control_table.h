// Forms declare their controls as data: one row per control, parents
// before their children, created in order by Form::CreateControls. A row
// names its fields as it sets them:
//
//   Row(ControlKind::RadioButton, L"cbTime").In(L"tabOptions")
//       .Caption(L"At specified time").At(12, 56, 320, 17).TabOrder(2).Tag(3)
//
// and may bind the form's typed member to the component it makes:
//
//   Row(ControlKind::Button, L"btnStart")...Bind<&TMyForm::btnStart>()
#pragma once
#include <type_traits>

#include "ui/types.h"

namespace quellon::ui {

class Component;
class Form;

enum DescFlag : unsigned {
  kHidden = 1u << 0,
  kDisabled = 1u << 1,
  kChecked = 1u << 2,     // check box, radio button
  kDefault = 1u << 3,     // button: answers Enter
  kCancel = 1u << 4,      // button: answers Escape
  kReadOnly = 1u << 5,    // edit
  kFixedSize = 1u << 6,   // label: no auto size
  kCenter = 1u << 7,      // label: centred text
  kRight = 1u << 8,       // label: right-aligned text
  kWordWrap = 1u << 9,    // label
  kPickList = 1u << 10,   // combo box: a drop-down list, not editable
  kSorted = 1u << 11,     // combo box
  kNoAccelChar = 1u << 12 // label: "&" is shown as it is
};

// Called with the form and the component a row made, before the component
// joins the form; throws std::logic_error when either is not what the
// binder was written for.
using Binder = void (*)(Form& form, Component& component);

template <auto Member>
void BindTo(Form& form, Component& component);

class ControlDesc {
 public:
  constexpr ControlDesc(ControlKind k, const wchar_t* n) : kind(k), name(n) {}

  // The parent's name; none: the form itself.
  constexpr ControlDesc In(const wchar_t* parentName) const {
    ControlDesc d = *this;
    d.parent = parentName;
    return d;
  }
  // Window text; an action's caption; a tray icon's hint.
  constexpr ControlDesc Caption(const wchar_t* text) const {
    ControlDesc d = *this;
    d.caption = text;
    return d;
  }
  // Bounds inside the parent's client area.
  constexpr ControlDesc At(int left, int top, int width, int height) const {
    ControlDesc d = *this;
    d.bounds = {left, top, width, height};
    return d;
  }
  constexpr ControlDesc TabOrder(int order) const {
    ControlDesc d = *this;
    d.tabOrder = order;
    return d;
  }
  constexpr ControlDesc Tag(int value) const {
    ControlDesc d = *this;
    d.tag = value;
    return d;
  }
  // DescFlag bits, or-ed into those set before.
  constexpr ControlDesc Flags(unsigned bits) const {
    ControlDesc d = *this;
    d.flags |= bits;
    return d;
  }
  // The kind's number, under the name it has for that kind.
  constexpr ControlDesc Interval(int ms) const { return WithValue(ms); }        // timer
  constexpr ControlDesc ShortCut(int key) const { return WithValue(key); }      // action
  constexpr ControlDesc Value(int initial) const { return WithValue(initial); } // spin edit
  constexpr ControlDesc ModalResult(int result) const { return WithValue(result); }  // button
  constexpr ControlDesc Font(const ::quellon::ui::Font& f) const {
    ControlDesc d = *this;
    d.font = f;
    return d;
  }
  constexpr ControlDesc Shadow(const ::quellon::ui::Shadow& s) const {
    ControlDesc d = *this;
    d.shadow = s;
    return d;
  }
  // Fills the form's member (a pointer to the component's class) once the
  // component is made: Bind<&TMyForm::btnStart>().
  template <auto Member>
  constexpr ControlDesc Bind() const {
    ControlDesc d = *this;
    d.bind = &BindTo<Member>;
    return d;
  }

  ControlKind kind;
  const wchar_t* name;
  const wchar_t* parent = nullptr;
  const wchar_t* caption = L"";
  Rect bounds = {};
  int tabOrder = -1;  // -1: after the siblings created before it
  int tag = 0;
  unsigned flags = 0;
  // Timer: interval in ms; action: shortcut key; spin edit: initial value;
  // button: modal result.
  int value = 0;
  ::quellon::ui::Font font = {};
  ::quellon::ui::Shadow shadow = {};
  Binder bind = nullptr;

 private:
  constexpr ControlDesc WithValue(int v) const {
    ControlDesc d = *this;
    d.value = v;
    return d;
  }
};

// The start of a row.
constexpr ControlDesc Row(ControlKind kind, const wchar_t* name) { return ControlDesc(kind, name); }

namespace detail {

template <typename M>
struct MemberPointer;
template <typename Owner_, typename Target_>
struct MemberPointer<Target_* Owner_::*> {
  using Owner = Owner_;
  using Target = Target_;
};

// Throws the std::logic_error of a binder whose form or member type does
// not fit (form.cpp).
[[noreturn]] void BindMismatch(const Form& form, const Component& component, bool formFits);

}  // namespace detail

// The binder of a member `Target* Owner::*`: checks that the form is an
// Owner and the component a Target, then stores the component there.
template <auto Member>
void BindTo(Form& form, Component& component) {
  using P = detail::MemberPointer<decltype(Member)>;
  static_assert(std::is_base_of_v<Form, typename P::Owner>, "the member belongs to a form");
  static_assert(std::is_base_of_v<Component, typename P::Target>, "the member points to a component");
  auto* owner = dynamic_cast<typename P::Owner*>(&form);
  auto* target = dynamic_cast<typename P::Target*>(&component);
  if (!owner || !target) detail::BindMismatch(form, component, owner != nullptr);
  owner->*Member = target;
}

}  // namespace quellon::ui
