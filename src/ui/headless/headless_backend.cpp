#include "ui/headless/headless_backend.h"

#include <algorithm>

#include "ui/form.h"
#include "ui/kinds.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"

namespace quellon::ui {

namespace {

class HeadlessPeer : public Peer {
 public:
  void Changed(Property) override {}
};

class HeadlessFormPeer final : public Peer {
 public:
  HeadlessFormPeer(HeadlessBackend& backend, Form& form) : backend_(backend), form_(form) {}
  ~HeadlessFormPeer() override { backend_.DropMessages(form_); }
  void Changed(Property) override {}

 private:
  HeadlessBackend& backend_;
  Form& form_;
};

class HeadlessTimerPeer final : public Peer {
 public:
  HeadlessTimerPeer(HeadlessBackend& backend, Timer& timer) : backend_(backend), timer_(timer) {
    Changed(Property::Enabled);
  }
  ~HeadlessTimerPeer() override { backend_.DisarmTimer(timer_); }
  void Changed(Property) override {
    if (timer_.Active())
      backend_.ArmTimer(timer_);
    else
      backend_.DisarmTimer(timer_);
  }

 private:
  HeadlessBackend& backend_;
  Timer& timer_;
};

class HeadlessTrayPeer final : public Peer {
 public:
  HeadlessTrayPeer(HeadlessBackend& backend, TrayIcon& icon) : backend_(backend), icon_(icon) {}
  void Changed(Property what) override {
    if (what == Property::Visible && icon_.Visible() && backend_.refuseTrayIcons) icon_.NativeShowFailed();
  }

 private:
  HeadlessBackend& backend_;
  TrayIcon& icon_;
};

std::unique_ptr<Peer> MakePlain(HeadlessBackend&, Component&) { return std::make_unique<HeadlessPeer>(); }

// The peer for each kind: most keep nothing; forms drop their queued
// messages, timers arm and disarm, tray icons play the notification area.
constexpr PeerRow<HeadlessBackend> kPeers[] = {
    {ControlKind::Form, &MakePeer<HeadlessFormPeer, Form>},
    {ControlKind::Label, &MakePlain},
    {ControlKind::Button, &MakePlain},
    {ControlKind::CheckBox, &MakePlain},
    {ControlKind::RadioButton, &MakePlain},
    {ControlKind::GroupBox, &MakePlain},
    {ControlKind::PageControl, &MakePlain},
    {ControlKind::TabSheet, &MakePlain},
    {ControlKind::ComboBox, &MakePlain},
    {ControlKind::Edit, &MakePlain},
    {ControlKind::SpinEdit, &MakePlain},
    {ControlKind::TimePicker, &MakePlain},
    {ControlKind::ProgressBar, &MakePlain},
    {ControlKind::Timer, &MakePeer<HeadlessTimerPeer, Timer>},
    {ControlKind::Action, &MakePlain},
    {ControlKind::PopupMenu, &MakePlain},
    {ControlKind::TrayIcon, &MakePeer<HeadlessTrayPeer, TrayIcon>},
};
static_assert(OneRowPerKind(kPeers), "one peer row per kind, in ControlKind's order");

}  // namespace

HeadlessBackend::HeadlessBackend(os::Clock& clock) : clock_(clock) {}

HeadlessBackend::~HeadlessBackend() = default;

std::unique_ptr<Peer> HeadlessBackend::CreatePeer(Component& component) {
  return RowOfKind(kPeers, component.Kind()).make(*this, component);
}

Extent HeadlessBackend::MeasureText(const std::wstring& text, const Font& font) {
  int h = font.height > 0 ? font.height : kControlFontHeight;
  int cw = std::max(1, h * 6 / 13) + (font.bold ? 1 : 0);
  int lines = 1;
  int longest = 0;
  int current = 0;
  for (wchar_t ch : text) {
    if (ch == L'\r') continue;
    if (ch == L'\n') {
      ++lines;
      current = 0;
      continue;
    }
    longest = std::max(longest, ++current);
  }
  return {longest * cw, lines * h};
}

Extent HeadlessBackend::FrameExtent(const Form& form) {
  switch (form.Border()) {
    case BorderStyle::None: return {0, 0};
    case BorderStyle::ToolWindow: return {6, 24};
    default: return {8, 30};
  }
}

void HeadlessBackend::Post(Form& form, const Message& message) {
  queue_.emplace_back(&form, message);
}

void HeadlessBackend::DropMessages(Form& form) {
  queue_.erase(std::remove_if(queue_.begin(), queue_.end(),
                              [&](const std::pair<Form*, Message>& m) { return m.first == &form; }),
               queue_.end());
}

void HeadlessBackend::DeliverMessages() {
  // Messages posted while handling run in the same pass, as with the
  // system's queue.
  while (!queue_.empty()) {
    auto [form, message] = queue_.front();
    queue_.pop_front();
    intptr_t result = 0;
    try {
      form->DeliverMessage(message, result);
    } catch (...) {
      ReportException(std::current_exception());
    }
  }
}

void HeadlessBackend::ArmTimer(Timer& timer) {
  int64_t due = clock_.MonotonicMs() + timer.Interval();
  for (Armed& a : timers_)
    if (a.timer == &timer) {
      a.due = due;
      return;
    }
  timers_.push_back({&timer, due});
}

void HeadlessBackend::DisarmTimer(Timer& timer) {
  timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                               [&](const Armed& a) { return a.timer == &timer; }),
                timers_.end());
}

size_t HeadlessBackend::RunningTimers() const { return timers_.size(); }

void HeadlessBackend::FireDueTimers() {
  int64_t now = clock_.MonotonicMs();
  std::vector<Armed> due;
  for (const Armed& a : timers_)
    if (a.due <= now) due.push_back(a);
  std::stable_sort(due.begin(), due.end(), [](const Armed& a, const Armed& b) { return a.due < b.due; });
  for (const Armed& d : due) {
    // A handler before this one may have stopped or restarted it.
    auto it = std::find_if(timers_.begin(), timers_.end(), [&](const Armed& a) { return a.timer == d.timer; });
    if (it == timers_.end() || it->due > now) continue;
    it->due = now + d.timer->Interval();
    try {
      d.timer->Fire();
    } catch (...) {
      ReportException(std::current_exception());
    }
  }
}

void HeadlessBackend::RunModal(Form& form) {
  auto open = [&] {
    return form.GetModalResult() == mrNone && form.Visible() && !form.WindowsDestroyed();
  };
  ProcessMessages();
  if (open() && OnModal) {
    try {
      OnModal(form);
    } catch (...) {
      ReportException(std::current_exception());
    }
    ProcessMessages();
  }
}

int HeadlessBackend::TrackPopup(PopupMenu& menu, Point at) {
  return OnPopupMenu ? OnPopupMenu(menu, at) : -1;
}

void HeadlessBackend::ProcessMessages() {
  DeliverMessages();
  FireDueTimers();
  DeliverMessages();
}

}  // namespace quellon::ui
