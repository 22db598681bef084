// The Win32 backend: every control is a real child window whose window
// text is its caption, so what the user sees can be read with
// GetWindowTextW. Standard controls are the system's classes; labels,
// group boxes, pages and forms are our own window classes.
#pragma once
#include <windows.h>

#include <memory>
#include <unordered_map>

#include "os/win32/handles.h"
#include "ui/backend.h"

namespace quellon::ui {

class Form;
class WindowPeer;

class Win32Backend final : public Backend {
 public:
  explicit Win32Backend(HINSTANCE instance);
  ~Win32Backend() override;

  std::unique_ptr<Peer> CreatePeer(Component& component) override;
  Extent MeasureText(const std::wstring& text, const Font& font) override;
  Extent FrameExtent(const Form& form) override;
  Rect WorkArea() override;
  void ProcessMessages() override;
  void Post(Form& form, const Message& message) override;
  void RunModal(Form& form) override;
  int TrackPopup(PopupMenu& menu, Point at) override;

  // Runs the message loop until the main form's window is destroyed;
  // returns the exit code of WM_QUIT.
  int Run(Form& mainForm);
  bool IsMainForm(const Form& form) const { return mainForm_ == &form; }

  HINSTANCE Instance() const { return instance_; }
  // The control font of the system (the message font of the non-client
  // metrics); owned by the backend, which outlives every form.
  HFONT ControlFont() const;
  // A font for the desc, or nullptr when the control font is meant.
  win32::UniqueGdiObject MakeFont(const Font& font) const;
  UINT_PTR NextControlId() { return nextId_++; }

  // Our control windows by handle, for notifications and keyboard routing.
  void Register(HWND hwnd, WindowPeer* peer);
  void Unregister(HWND hwnd);
  WindowPeer* PeerOf(HWND hwnd) const;

  // Window classes of forms are registered on first use, under the form's
  // class name.
  const wchar_t* FormClass(const std::wstring& className, HBRUSH background);

  // Style bits of a form's window, from its border style and icons.
  static DWORD FormStyle(const Form& form);
  static DWORD FormExStyle(const Form& form);

 protected:
  void DefaultException(std::exception_ptr error) override;

 private:
  void Dispatch(MSG& msg);
  bool RouteKey(const MSG& msg);

  HINSTANCE instance_;
  win32::UniqueGdiObject controlFont_;
  Form* mainForm_ = nullptr;
  UINT_PTR nextId_ = 1000;
  std::unordered_map<HWND, WindowPeer*> peers_;
};

// A system colour index is kept in the low byte of a system colour value.
COLORREF ResolveColor(Color color, int defaultIndex);

}  // namespace quellon::ui
