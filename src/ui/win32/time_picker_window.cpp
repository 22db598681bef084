#include "ui/win32/time_picker_window.h"

#include "core/datetime.h"
#include "ui/win32/win32_backend.h"

namespace quellon::ui {

TimePickerWindow::TimePickerWindow(Win32Backend& backend, TimePicker& picker)
    : WindowPeer(backend, picker), picker_(picker) {
  Attach(CreateStandard(DATETIMEPICK_CLASSW, L"", ChildStyle() | WS_TABSTOP | DTS_TIMEFORMAT | DTS_UPDOWN, 0,
                        ParentHwnd(), NativeRect(), backend.NextControlId()));
  ShowFormat();
  ShowValue();
}

void TimePickerWindow::ShowValue() {
  Updating guard(*this);
  // Only the time of day shows; the date the picker holds is a fixed one.
  int64_t ms = TimeOfDayMs(picker_.Value());
  SYSTEMTIME st{};
  st.wYear = 2000;
  st.wMonth = 1;
  st.wDay = 1;
  st.wHour = static_cast<WORD>(ms / 3600000);
  st.wMinute = static_cast<WORD>(ms / 60000 % 60);
  st.wSecond = static_cast<WORD>(ms / 1000 % 60);
  st.wMilliseconds = static_cast<WORD>(ms % 1000);
  ::SendMessageW(Hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
}

void TimePickerWindow::ShowFormat() {
  Updating guard(*this);
  const std::wstring& f = picker_.Format();
  ::SendMessageW(Hwnd(), DTM_SETFORMATW, 0, f.empty() ? 0 : reinterpret_cast<LPARAM>(f.c_str()));
}

void TimePickerWindow::Changed(Property what) {
  if (!Hwnd()) return;
  switch (what) {
    case Property::Value: ShowValue(); break;
    case Property::Format: ShowFormat(); break;
    default: WindowPeer::Changed(what); break;
  }
}

bool TimePickerWindow::OnNotify(NMHDR* header, LRESULT& result) {
  if (header->code != DTN_DATETIMECHANGE) return false;
  result = 0;
  if (updating_) return true;
  auto* change = reinterpret_cast<NMDATETIMECHANGE*>(header);
  if (change->dwFlags != GDT_VALID) return true;
  const SYSTEMTIME& st = change->st;
  int64_t ms = ((st.wHour * 60LL + st.wMinute) * 60 + st.wSecond) * 1000 + st.wMilliseconds;
  picker_.NativeTimePicked(ms);
  return true;
}

}  // namespace quellon::ui
