#include "ui/page_control.h"

#include <stdexcept>

#include "ui/control_table.h"
#include "util/text.h"

namespace quellon::ui {

TabSheet::TabSheet(Form& form, std::wstring name, PageControl& pages)
    : Control(form, ControlKind::TabSheet, std::move(name), &pages) {
  SetBounds({0, 0, pages.Width(), pages.Height()});
  pages.PageAdded(*this);
}

void TabSheet::ApplyDesc(const ControlDesc& desc) {
  ControlDesc filling = desc;
  filling.bounds = Bounds();
  Control::ApplyDesc(filling);
}

PageControl& TabSheet::Pages() const { return *static_cast<PageControl*>(Parent()); }

PageControl::PageControl(Form& form, std::wstring name, Control* parent)
    : Control(form, ControlKind::PageControl, std::move(name), parent) {}

std::vector<TabSheet*> PageControl::Pages() const {
  std::vector<TabSheet*> pages;
  for (Control* c : Controls())
    if (c->Kind() == ControlKind::TabSheet) pages.push_back(static_cast<TabSheet*>(c));
  return pages;
}

void PageControl::PageAdded(TabSheet& page) {
  if (!active_) {
    active_ = &page;
    page.SetVisible(true);
  } else {
    page.SetVisible(false);
  }
}

void PageControl::SetActivePage(TabSheet* page) {
  if (page && page->Parent() != this)
    throw std::logic_error("ui: " + WideToUtf8(page->Name()) + " is not a page of " +
                           WideToUtf8(Name()));
  if (page == active_) return;
  // The new page shows before the old one hides, so the area never
  // flashes empty.
  TabSheet* old = active_;
  active_ = page;
  if (page) page->SetVisible(true);
  if (old) old->SetVisible(false);
  Changed(Property::ActivePage);
}

void PageControl::BoundsChanged() {
  for (TabSheet* page : Pages()) page->SetBounds({0, 0, Width(), Height()});
}

}  // namespace quellon::ui
