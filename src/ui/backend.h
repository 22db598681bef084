// The seam between the portable controls and a windowing system. Each
// control holds its own state; its peer, made by the backend, mirrors that
// state into the real window (Win32) or keeps nothing (headless). Input
// travels the other way: the backend calls the control's Native*/Click
// entry points, which apply the same rules on every backend.
#pragma once
#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/types.h"

namespace quellon::ui {

class Component;
class Form;
class PopupMenu;

class Peer {
 public:
  virtual ~Peer() = default;
  // The control's property changed; show the new state.
  virtual void Changed(Property what) = 0;
  // The window handle for code that must talk to the system about this
  // control (hooks, UI automation); 0 where there is none.
  virtual uintptr_t NativeHandle() const { return 0; }
};

struct Message {
  unsigned msg = 0;
  uintptr_t wparam = 0;
  intptr_t lparam = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // The peer of a component whose parent already has its peer.
  virtual std::unique_ptr<Peer> CreatePeer(Component& component) = 0;

  // Size of a text drawn in a font, lines broken at line feeds.
  virtual Extent MeasureText(const std::wstring& text, const Font& font) = 0;
  // Width and height the window frame adds around a form's client area.
  virtual Extent FrameExtent(const Form& form) = 0;
  // The desktop's work area, for placing forms.
  virtual Rect WorkArea() = 0;

  // One pass of the message loop: everything pending runs, then it returns.
  virtual void ProcessMessages() = 0;
  // Queues a message for the form; delivered by the message loop.
  virtual void Post(Form& form, const Message& message) = 0;
  // Runs the message loop while the modal form is open: until it has a
  // modal result, is hidden or its windows are gone.
  virtual void RunModal(Form& form) = 0;
  // Shows the menu at a screen point until the user chooses or dismisses;
  // the index of the chosen item, or -1.
  virtual int TrackPopup(PopupMenu& menu, Point at) = 0;

  // Every form built on this backend, oldest first.
  const std::vector<Form*>& Forms() const { return forms_; }
  void FormCreated(Form* form) { forms_.push_back(form); }
  void FormGone(Form* form);

  // Where an exception from a handler that the system called ends up (the
  // application's default error handling). Without a handler the backend
  // applies its own default (Win32: an error box; headless: rethrow).
  std::function<void(std::exception_ptr)> OnException;
  void ReportException(std::exception_ptr error) {
    if (OnException)
      OnException(error);
    else
      DefaultException(error);
  }

 protected:
  virtual void DefaultException(std::exception_ptr error) = 0;

 private:
  std::vector<Form*> forms_;
};

inline void Backend::FormGone(Form* form) {
  for (auto it = forms_.begin(); it != forms_.end(); ++it)
    if (*it == form) {
      forms_.erase(it);
      return;
    }
}

}  // namespace quellon::ui
