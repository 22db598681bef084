#include "ui/kinds.h"

#include <iterator>
#include <stdexcept>

#include "ui/action.h"
#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/progress_bar.h"
#include "ui/radio_button.h"
#include "ui/spin_edit.h"
#include "ui/tab_sheet.h"
#include "ui/time_picker.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"

namespace quellon::ui {

namespace {

template <typename T>
std::unique_ptr<Component> MakeControl(Form& form, std::wstring name, Control* parent) {
  return std::make_unique<T>(form, std::move(name), parent);
}

template <typename T>
std::unique_ptr<Component> MakeOwned(Form& form, std::wstring name, Control*) {
  return std::make_unique<T>(form, std::move(name));
}

std::unique_ptr<Component> MakePage(Form& form, std::wstring name, Control* parent) {
  auto* pages = dynamic_cast<PageControl*>(parent);
  if (!pages) throw std::logic_error("ui: a page belongs to a page control");
  return std::make_unique<TabSheet>(form, std::move(name), *pages);
}

constexpr Holds N = Holds::Nothing;
constexpr Holds C = Holds::Controls;
constexpr Holds P = Holds::Pages;

constexpr KindInfo kKinds[] = {
    // kind, name, control, sits in, holds, make
    {ControlKind::Form, L"Form", true, N, C, nullptr},
    {ControlKind::Label, L"Label", true, C, N, &MakeControl<Label>},
    {ControlKind::Button, L"Button", true, C, N, &MakeControl<Button>},
    {ControlKind::CheckBox, L"CheckBox", true, C, N, &MakeControl<CheckBox>},
    {ControlKind::RadioButton, L"RadioButton", true, C, N, &MakeControl<RadioButton>},
    {ControlKind::GroupBox, L"GroupBox", true, C, C, &MakeControl<GroupBox>},
    {ControlKind::PageControl, L"PageControl", true, C, P, &MakeControl<PageControl>},
    {ControlKind::TabSheet, L"TabSheet", true, P, C, &MakePage},
    {ControlKind::ComboBox, L"ComboBox", true, C, N, &MakeControl<ComboBox>},
    {ControlKind::Edit, L"Edit", true, C, N, &MakeControl<Edit>},
    {ControlKind::SpinEdit, L"SpinEdit", true, C, N, &MakeControl<SpinEdit>},
    {ControlKind::TimePicker, L"TimePicker", true, C, N, &MakeControl<TimePicker>},
    {ControlKind::ProgressBar, L"ProgressBar", true, C, N, &MakeControl<ProgressBar>},
    {ControlKind::Timer, L"Timer", false, N, N, &MakeOwned<Timer>},
    {ControlKind::Action, L"Action", false, N, N, &MakeOwned<Action>},
    {ControlKind::PopupMenu, L"PopupMenu", false, N, N, &MakeOwned<PopupMenu>},
    {ControlKind::TrayIcon, L"TrayIcon", false, N, N, &MakeOwned<TrayIcon>},
};
static_assert(OneRowPerKind(kKinds), "one row per kind, in ControlKind's order");

}  // namespace

const KindInfo& Describe(ControlKind kind) {
  auto i = static_cast<size_t>(kind);
  if (i >= std::size(kKinds)) throw std::logic_error("ui: not a kind of component");
  return kKinds[i];
}

const wchar_t* KindName(ControlKind kind) {
  auto i = static_cast<size_t>(kind);
  return i < std::size(kKinds) ? kKinds[i].name : L"?";
}

}  // namespace quellon::ui
