// A framed group with a caption; its children are one radio group.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class GroupBox : public Control {
 public:
  GroupBox(Form& form, std::wstring name, Control* parent)
      : Control(form, ControlKind::GroupBox, std::move(name), parent) {}
};

}  // namespace quellon::ui
