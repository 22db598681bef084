// The kind table: for every ControlKind, one row saying what it is (a
// control with a parent, or a component the form owns), where it may sit,
// what it may hold and how a control table's row makes its object. The
// object then takes the row's state itself (Component::ApplyDesc), and
// each backend makes its peer from a table of its own, one row per kind
// in the same order (OneRowPerKind).
//
// A new kind: its value in ControlKind (before kControlKindCount's last),
// its class with its ApplyDesc, one row here (kinds.cpp) and one row in
// each backend's peer table.
#pragma once
#include <cstddef>
#include <memory>
#include <string>

#include "ui/types.h"

namespace quellon::ui {

class Component;
class Control;
class Form;
class Peer;

// What a container holds, and so what a kind needs its parent to hold.
enum class Holds { Nothing, Controls, Pages };

struct KindInfo {
  ControlKind kind;
  const wchar_t* name;
  // A control (a window inside its parent); otherwise a component the form
  // itself owns, with no parent (timers, actions, menus, the tray icon).
  bool control;
  // What the parent must hold; Nothing: no parent (the form's own
  // components, and the form).
  Holds sitsIn;
  Holds holds;
  // Makes the object for a row, its parent already checked against
  // sitsIn; nullptr for a kind no row makes (the form).
  std::unique_ptr<Component> (*make)(Form& form, std::wstring name, Control* parent);
};

// Throws std::logic_error for a value that is no kind.
const KindInfo& Describe(ControlKind kind);

// A table keyed by kind has exactly one row per kind, in ControlKind's
// order, so a row is found by its kind's number.
template <typename Row, size_t N>
constexpr bool OneRowPerKind(const Row (&rows)[N]) {
  if (N != static_cast<size_t>(kControlKindCount)) return false;
  for (size_t i = 0; i < N; ++i)
    if (static_cast<size_t>(rows[i].kind) != i) return false;
  return true;
}

// A row of a backend's peer table, and the maker of a peer P (constructed
// from the backend and the component as its class C) for such a row.
template <typename B>
struct PeerRow {
  ControlKind kind;
  std::unique_ptr<Peer> (*make)(B& backend, Component& component);
};
template <typename P, typename C, typename B>
std::unique_ptr<Peer> MakePeer(B& backend, Component& component) {
  return std::make_unique<P>(backend, static_cast<C&>(component));
}

template <typename Row, size_t N>
const Row& RowOfKind(const Row (&rows)[N], ControlKind kind) {
  return rows[static_cast<size_t>(Describe(kind).kind)];
}

}  // namespace quellon::ui
