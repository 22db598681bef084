#include "ui/win32/combo_box_window.h"

#include <string>
#include <vector>

#include "ui/win32/win32_backend.h"

namespace quellon::ui {

namespace {
// Height of the open list below the box.
constexpr int kListHeight = 200;
}  // namespace

ComboBoxWindow::ComboBoxWindow(Win32Backend& backend, ComboBox& combo) : WindowPeer(backend, combo), combo_(combo) {
  Create();
}

void ComboBoxWindow::Create() {
  DWORD style = ChildStyle() | WS_TABSTOP | WS_VSCROLL | CBS_AUTOHSCROLL |
                (combo_.Style() == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
  Attach(CreateStandard(L"COMBOBOX", L"", style, 0, ParentHwnd(), NativeRect(), backend_.NextControlId()));
  FillItems();
  if (combo_.DropDownWidth() > 0) ::SendMessageW(Hwnd(), CB_SETDROPPEDWIDTH, combo_.DropDownWidth(), 0);
}

Rect ComboBoxWindow::NativeRect() const {
  Rect r = combo_.Bounds();
  r.height += kListHeight;
  return r;
}

void ComboBoxWindow::FillItems() {
  Updating guard(*this);
  ::SendMessageW(Hwnd(), CB_RESETCONTENT, 0, 0);
  for (const std::wstring& item : combo_.Items())
    ::SendMessageW(Hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
  ShowText();
}

void ComboBoxWindow::ShowText() {
  Updating guard(*this);
  ::SendMessageW(Hwnd(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ItemIndex()), 0);
  if (combo_.Style() == ComboStyle::DropDown) ::SetWindowTextW(Hwnd(), combo_.Text().c_str());
}

void ComboBoxWindow::Changed(Property what) {
  if (!Hwnd()) return;
  switch (what) {
    case Property::Items: {
      // The style is fixed at creation: a changed style needs a new window.
      bool list = (::GetWindowLongW(Hwnd(), GWL_STYLE) & 3) == CBS_DROPDOWNLIST;
      if (list != (combo_.Style() == ComboStyle::DropDownList)) {
        backend_.Unregister(Hwnd());
        DestroyHandle();
        Create();
      } else {
        FillItems();
      }
      break;
    }
    case Property::Text:
    case Property::ItemIndex:
      ShowText();
      break;
    case Property::DropDownWidth:
      ::SendMessageW(Hwnd(), CB_SETDROPPEDWIDTH, combo_.DropDownWidth(), 0);
      break;
    default:
      WindowPeer::Changed(what);
      break;
  }
}

bool ComboBoxWindow::OnCommand(WORD code) {
  if (updating_) return false;
  switch (code) {
    case CBN_EDITCHANGE: {
      int n = ::GetWindowTextLengthW(Hwnd());
      std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
      ::GetWindowTextW(Hwnd(), buffer.data(), n + 1);
      combo_.NativeTextChanged(buffer.data());
      return true;
    }
    case CBN_SELCHANGE: {
      LRESULT index = ::SendMessageW(Hwnd(), CB_GETCURSEL, 0, 0);
      if (index != CB_ERR) combo_.NativeItemSelected(static_cast<int>(index));
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quellon::ui
