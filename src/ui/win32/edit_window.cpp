#include "ui/win32/edit_window.h"

#include <vector>

#include "ui/form.h"
#include "ui/win32/win32_backend.h"

namespace quellon::ui {

namespace {
constexpr int kLabelHeight = 15;
constexpr int kLabelGap = 2;
}  // namespace

EditWindow::EditWindow(Win32Backend& backend, Edit& edit) : EditWindow(backend, edit, 0) {}

EditWindow::EditWindow(Win32Backend& backend, Edit& edit, int rightMargin)
    : WindowPeer(backend, edit), edit_(edit), rightMargin_(rightMargin) {
  DWORD style = ChildStyle() | WS_TABSTOP | ES_AUTOHSCROLL | (edit.ReadOnly() ? ES_READONLY : 0);
  Attach(CreateStandard(L"EDIT", edit.Text().c_str(), style, WS_EX_CLIENTEDGE, ParentHwnd(), NativeRect(),
                        backend.NextControlId()));
  PlaceLabel();
}

EditWindow::~EditWindow() = default;

Rect EditWindow::NativeRect() const {
  Rect r = edit_.Bounds();
  r.width -= rightMargin_;
  return r;
}

std::wstring EditWindow::WindowText() const {
  int n = ::GetWindowTextLengthW(Hwnd());
  std::vector<wchar_t> buffer(static_cast<size_t>(n) + 1);
  ::GetWindowTextW(Hwnd(), buffer.data(), n + 1);
  return buffer.data();
}

void EditWindow::PlaceLabel() {
  if (edit_.EditLabel().empty()) {
    label_.reset();
    return;
  }
  Rect b = edit_.Bounds();
  int top = b.top - kLabelHeight - kLabelGap;
  if (!label_) {
    label_.reset(::CreateWindowExW(0, L"STATIC", edit_.EditLabel().c_str(), WS_CHILD | SS_LEFT | SS_NOPREFIX,
                                   b.left, top, b.width, kLabelHeight, ParentHwnd(), nullptr,
                                   backend_.Instance(), nullptr));
    if (!label_) return;
  } else {
    ::SetWindowTextW(label_.get(), edit_.EditLabel().c_str());
    ::SetWindowPos(label_.get(), nullptr, b.left, top, b.width, kLabelHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  ::SendMessageW(label_.get(), WM_SETFONT, reinterpret_cast<WPARAM>(CurrentFont()), TRUE);
  ::ShowWindow(label_.get(), edit_.Visible() ? SW_SHOWNA : SW_HIDE);
}

void EditWindow::Changed(Property what) {
  if (!Hwnd()) return;
  switch (what) {
    case Property::ReadOnly: {
      Updating guard(*this);
      ::SendMessageW(Hwnd(), EM_SETREADONLY, edit_.ReadOnly(), 0);
      break;
    }
    case Property::EditLabel:
      PlaceLabel();
      break;
    case Property::Visible:
    case Property::Bounds:
    case Property::Font:
      WindowPeer::Changed(what);
      PlaceLabel();
      break;
    case Property::Parent:
      WindowPeer::Changed(what);
      label_.reset();
      PlaceLabel();
      break;
    default:
      WindowPeer::Changed(what);
      break;
  }
}

bool EditWindow::OnCommand(WORD code) {
  switch (code) {
    case EN_CHANGE:
      if (updating_) return true;
      edit_.NativeTextChanged(WindowText());
      return true;
    case EN_SETFOCUS:
      edit_.OwnerForm().NativeFocusChanged(&edit_);
      return true;
    case EN_KILLFOCUS:
      if (edit_.OwnerForm().FocusedControl() == &edit_) edit_.OwnerForm().NativeFocusChanged(nullptr);
      edit_.NativeFocusLost();
      return true;
    default:
      return false;
  }
}

HBRUSH EditWindow::OnCtlColor(UINT msg, HDC dc) {
  // Read-only boxes ask with WM_CTLCOLORSTATIC; both get the own colour.
  if (msg != WM_CTLCOLOREDIT && msg != WM_CTLCOLORSTATIC) return nullptr;
  if (!brush_) {
    if (edit_.GetFont().color == kDefaultColor) return nullptr;
    ::SetTextColor(dc, ResolveColor(edit_.GetFont().color, COLOR_WINDOWTEXT));
    ::SetBkColor(dc, ::GetSysColor(msg == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE));
    return ::GetSysColorBrush(msg == WM_CTLCOLOREDIT ? COLOR_WINDOW : COLOR_BTNFACE);
  }
  if (edit_.GetFont().color != kDefaultColor)
    ::SetTextColor(dc, ResolveColor(edit_.GetFont().color, COLOR_WINDOWTEXT));
  ::SetBkColor(dc, ResolveColor(edit_.GetColor(), COLOR_WINDOW));
  return static_cast<HBRUSH>(brush_.get());
}

}  // namespace quellon::ui
