// Forms declare their controls as data: one row per control, parents
// before their children, created in order by Form::CreateControls.
#pragma once
#include "ui/types.h"

namespace quellon::ui {

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

struct ControlDesc {
  ControlKind kind;
  const wchar_t* name;
  const wchar_t* parent;   // nullptr: the form itself
  const wchar_t* caption;  // window text; for an action its caption
  Rect bounds;             // inside the parent's client area
  int tabOrder = -1;       // -1: after the siblings created before it
  int tag = 0;
  unsigned flags = 0;
  // Timer: interval in ms; action: shortcut key; spin edit: initial value;
  // button: modal result. (A tray icon's caption is its hint.)
  int value = 0;
  Font font = {};
  Shadow shadow = {};
};

}  // namespace quellon::ui
