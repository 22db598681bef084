// A top-level window and owner of its components, which it creates from a
// control table and finds by name. Closing asks OnCloseQuery, runs OnClose
// and destroys the windows (OnDestroy runs first, while they still exist);
// the component objects live on until the form itself is destroyed.
#pragma once
#include <cstddef>
#include <functional>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "ui/backend.h"
#include "ui/control.h"
#include "ui/control_table.h"

namespace quellon::ui {

class PopupMenu;

enum class BorderStyle { Sizeable, Single, Dialog, ToolWindow, None };
enum BorderIcon : unsigned { kSystemMenu = 1, kMinimizeBox = 2, kMaximizeBox = 4 };
enum class WindowState { Normal, Minimized };

// Results of a modal form, numbered as the system's dialog results.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrAbort = 3, mrRetry = 4, mrIgnore = 5,
                         mrYes = 6, mrNo = 7 };

struct FormDesc {
  const wchar_t* className;  // the window class, seen by other programs
  const wchar_t* name;
  const wchar_t* caption;
  int clientWidth;
  int clientHeight;
  BorderStyle border = BorderStyle::Sizeable;
  unsigned borderIcons = kSystemMenu | kMinimizeBox | kMaximizeBox;
  bool doubleBuffered = false;
};

class Form : public Control {
 public:
  Form(Backend& backend, const FormDesc& desc);
  ~Form() override;

  Backend& GetBackend() const { return *backend_; }

  // Building. Throws std::logic_error on a duplicate name, an unknown or
  // unsuitable parent, or a row's binder that does not fit the form or
  // the component (the component is made and stays in the form).
  template <size_t N>
  void CreateControls(const ControlDesc (&descs)[N]) {
    CreateControls(descs, N);
  }
  void CreateControls(const ControlDesc* descs, size_t count);
  Component& CreateComponent(const ControlDesc& desc);

  Component* Find(const std::wstring& name) const;
  // The named component as its class; throws std::logic_error when there
  // is none of that class.
  template <typename T>
  T& Get(const std::wstring& name) const {
    T* c = dynamic_cast<T*>(Find(name));
    if (!c) throw std::logic_error(MissingMessage(name));
    return *c;
  }
  std::vector<Component*> Components() const;

  // Window.
  const std::wstring& ClassName() const { return className_; }
  BorderStyle Border() const { return border_; }
  unsigned BorderIcons() const { return borderIcons_; }
  bool DoubleBuffered() const { return doubleBuffered_; }
  int ClientWidth() const override { return clientWidth_; }
  int ClientHeight() const override { return clientHeight_; }
  void SetClientSize(int width, int height);
  // Moves the window's outer top-left corner.
  void SetPosition(int left, int top);
  WindowState GetWindowState() const { return windowState_; }
  void SetWindowState(WindowState state);
  void Minimize() { SetWindowState(WindowState::Minimized); }
  void Restore() { SetWindowState(WindowState::Normal); }
  Handler OnMinimize;
  Handler OnRestore;

  // Focus: nullptr leaves no control with the focus.
  Control* FocusedControl() const { return focused_; }
  void SetFocusedControl(Control* control);
  void ClearFocus() { SetFocusedControl(nullptr); }

  // Keyboard: Enter clicks the default button, Escape the cancel button;
  // a shortcut executes its action. True when something ran.
  bool DialogKey(int key);
  bool ShortCut(int key, unsigned shift);

  // Modal use: shows the form over the program's other forms, which are
  // disabled meanwhile, and runs the message loop until a modal result is
  // set (by the code, or by a button with a modal result); then hides the
  // form and returns the result. Closing a modal form gives mrCancel and
  // only hides it.
  int ShowModal();
  int GetModalResult() const { return modalResult_; }
  void SetModalResult(int result) { modalResult_ = result; }
  bool Modal() const { return modal_; }

  // Closing.
  void Close();
  std::function<void(bool& canClose)> OnCloseQuery;
  Handler OnClose;
  Handler OnDestroy;
  // Runs OnDestroy once, then destroys every window, children first.
  void DestroyWindows();
  bool WindowsDestroyed() const { return windowsDestroyed_; }

  // Window messages: those the system sends to the form's window that the
  // controls do not handle themselves, and those posted with Post.
  std::function<bool(const Message& message, intptr_t& result)> OnMessage;
  void Post(unsigned msg, uintptr_t wparam = 0, intptr_t lparam = 0);
  // One pass of the message loop.
  void ProcessMessages() { backend_->ProcessMessages(); }

  // The menu a right click on the form opens.
  PopupMenu* ContextMenu() const { return contextMenu_; }
  void SetContextMenu(PopupMenu* menu) { contextMenu_ = menu; }

  // Backend side.
  void NativeContextMenu(Point at);
  bool DeliverMessage(const Message& message, intptr_t& result);
  void NativeMoved(int left, int top);
  void NativeWindowState(WindowState state);
  void NativeFocusChanged(Control* control) { focused_ = control; }

 private:
  static std::string MissingMessage(const std::wstring& name);
  Control* ParentFor(const ControlDesc& desc);
  void DestroyPeers(Control& control);
  void ApplyState(WindowState state);

  Backend* backend_;
  std::wstring className_;
  BorderStyle border_;
  unsigned borderIcons_;
  bool doubleBuffered_;
  int clientWidth_ = 0;
  int clientHeight_ = 0;
  WindowState windowState_ = WindowState::Normal;
  Control* focused_ = nullptr;
  PopupMenu* contextMenu_ = nullptr;
  bool windowsDestroyed_ = false;
  bool modal_ = false;
  int modalResult_ = mrNone;
  std::vector<std::unique_ptr<Component>> components_;
  std::map<std::wstring, Component*> byName_;
};

}  // namespace quellon::ui
