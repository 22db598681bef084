// The backend of the host tests: no windows, the controls' own state is
// all there is. Time is the given clock's: a test moves its fake clock and
// lets the message loop run, and the timers whose interval has passed fire,
// once per pass as WM_TIMER does. Posted messages are queued and delivered
// by ProcessMessages in order.
//
// Text is measured with fixed metrics so that tests can compute sizes: a
// line is as high as the font (13 pixels for the control font) and every
// character is height * 6 / 13 pixels wide (at least 1), one more when
// bold; "\r\n" and "\n" break lines.
#pragma once
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "os/clock.h"
#include "ui/backend.h"

namespace quellon::ui {

class Timer;

class HeadlessBackend final : public Backend {
 public:
  explicit HeadlessBackend(os::Clock& clock);
  ~HeadlessBackend() override;

  std::unique_ptr<Peer> CreatePeer(Component& component) override;
  Extent MeasureText(const std::wstring& text, const Font& font) override;
  Extent FrameExtent(const Form& form) override;
  Rect WorkArea() override { return {0, 0, 1280, 1024}; }
  void ProcessMessages() override;
  void Post(Form& form, const Message& message) override;
  // The messages run; then, while the form still waits for a result, the
  // test's OnModal plays the user of the modal form. Without a result by
  // then the form closes as cancelled.
  void RunModal(Form& form) override;
  std::function<void(Form& form)> OnModal;
  // Plays the user of an open popup menu: the item chosen, or -1.
  int TrackPopup(PopupMenu& menu, Point at) override;
  std::function<int(PopupMenu& menu, Point at)> OnPopupMenu;
  // Tray icons cannot be shown (no notification area).
  bool refuseTrayIcons = false;

  static constexpr int kControlFontHeight = 13;
  size_t PendingMessages() const { return queue_.size(); }
  // Active timers.
  size_t RunningTimers() const;

  // Peers' side.
  void ArmTimer(Timer& timer);
  void DisarmTimer(Timer& timer);
  void DropMessages(Form& form);

 protected:
  void DefaultException(std::exception_ptr error) override { std::rethrow_exception(error); }

 private:
  struct Armed {
    Timer* timer;
    int64_t due;
  };
  void DeliverMessages();
  void FireDueTimers();

  os::Clock& clock_;
  std::deque<std::pair<Form*, Message>> queue_;
  std::vector<Armed> timers_;
};

}  // namespace quellon::ui
