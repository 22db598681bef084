// One page of a page control; it always fills its page control.
#pragma once
#include "ui/control.h"

namespace quellon::ui {

class PageControl;

class TabSheet : public Control {
 public:
  TabSheet(Form& form, std::wstring name, PageControl& pages);

  PageControl& Pages() const;

 protected:
  // As any control's, but a page keeps filling its page control.
  void ApplyDesc(const ControlDesc& desc) override;
};

}  // namespace quellon::ui
