// A command with a caption, a hint, an enabled state and an optional
// keyboard shortcut. Executing a disabled action does nothing.
// Buttons linked to it follow its enabled state, visibility and hint.
#pragma once
#include <string>
#include <vector>

#include "ui/component.h"

namespace quellon::ui {

class Button;

class Action : public Component {
 public:
  Action(Form& form, std::wstring name);
  ~Action() override;

  const std::wstring& Caption() const { return caption_; }
  void SetCaption(const std::wstring& caption);
  const std::wstring& Hint() const { return hint_; }
  void SetHint(const std::wstring& hint);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);
  bool Visible() const { return visible_; }
  void SetVisible(bool on);
  ShortCut GetShortCut() const { return shortCut_; }
  void SetShortCut(ShortCut s) { shortCut_ = s; }

  // Runs OnExecute when enabled; true when it ran.
  bool Execute();
  Handler OnExecute;

  void AddClient(Button* button);
  void RemoveClient(Button* button);

 protected:
  // The caption, kDisabled, the shortcut key.
  void ApplyDesc(const ControlDesc& desc) override;

 private:
  void Notify();

  std::wstring caption_;
  std::wstring hint_;
  bool enabled_ = true;
  bool visible_ = true;
  ShortCut shortCut_;
  std::vector<Button*> clients_;
};

}  // namespace quellon::ui
