// A stack of pages with hidden tabs: exactly the active page is visible.
// The program switches pages itself; there is no tab strip to click.
#pragma once
#include <vector>

#include "ui/control.h"
#include "ui/tab_sheet.h"

namespace quellon::ui {

class PageControl : public Control {
 public:
  PageControl(Form& form, std::wstring name, Control* parent);

  std::vector<TabSheet*> Pages() const;
  TabSheet* ActivePage() const { return active_; }
  // Shows the page (which must be one of this control's) and hides the
  // page shown before; nullptr hides them all.
  void SetActivePage(TabSheet* page);

  // Backend side: a new page joined; it takes the full size, hidden unless
  // it is the first.
  void PageAdded(TabSheet& page);

 protected:
  void BoundsChanged() override;

 private:
  TabSheet* active_ = nullptr;
};

}  // namespace quellon::ui
