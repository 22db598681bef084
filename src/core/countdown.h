// The countdown of a watch, one decision per timer tick.
//
// The caption of the countdown label is what the user sees and what the
// tick rules speak of ("Waiting..." or a duration text), but the time left
// is measured against a deadline on the monotonic clock, set when the count
// starts. Timer messages arrive late, early or merged; the action still
// comes at the first tick at or after start + period, and a change of the
// wall clock does not move it.
#pragma once
#include <cstdint>
#include <string>

namespace quellon {

constexpr const wchar_t* kWaitingCaption = L"Waiting...";

// The system's timer may fire a tick early by up to its resolution (about
// 16 ms on Windows). A tick this close before a second's boundary counts
// as that second, so it neither repeats a caption nor delays the action by
// a whole second.
constexpr int64_t kEarlyTickToleranceMs = 32;

struct TickInput {
  int64_t nowMs = 0;               // monotonic clock
  std::wstring caption;            // the countdown label's caption now
  bool waiting = false;            // idle: input arrived; silence: not silent long enough
  int64_t fullSeconds = 0;         // the time field as a duration, for restarts
  bool soundWarning = false;
  int64_t alarm = 0;               // warning seconds of the settings
  bool trayVisible = false;
  bool hasTaskbarProgress = false;
};

struct TickOutcome {
  std::wstring caption;
  int64_t secs = 0;                // whole seconds left, 10800 for three hours or more
  bool beep = false;
  int balloonSeconds = 0;          // 15 or 5 when a balloon is due, else 0
  bool setProgress = false;
  uint32_t progressCompleted = 0, progressTotal = 0;
  bool act = false;                // time is up: perform the action
};

class Countdown {
 public:
  // Starts counting seconds from nowMs: zero is reached at nowMs + seconds.
  void Start(int64_t nowMs, int64_t seconds);
  // Starts from a caption: a duration text, or "Waiting..." / empty, which
  // leave the count to restart at the next tick that is not waiting.
  void StartFromCaption(int64_t nowMs, const std::wstring& caption);
  void Stop();
  bool Running() const { return running_; }

  TickOutcome Tick(const TickInput& in);

  // Whole seconds left at nowMs, rounded up; 0 once the deadline is
  // reached (both within the early-tick tolerance).
  int64_t RemainingSeconds(int64_t nowMs) const;

 private:
  bool running_ = false;
  int64_t deadlineMs_ = 0;
  int64_t lastTickSecs_ = -1;      // secs of the previous tick, -1 before the first
  int64_t lastBeepSecs_ = -1;
  int lastBalloon_ = 0;
  uint32_t progressMax_ = 0;
};

// Trims blanks at both ends, as the tick does before comparing captions.
std::wstring TrimBlanks(const std::wstring& text);

}  // namespace quellon
