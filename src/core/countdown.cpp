#include "core/countdown.h"

#include "core/time_text.h"

namespace quellon {
namespace {

constexpr int64_t kThreeHours = 3 * 3600;
constexpr int64_t kProgressWindow = 2700;  // the last 45 minutes

bool IsRestartCaption(const std::wstring& caption) {
  std::wstring t = TrimBlanks(caption);
  return t.empty() || t == kWaitingCaption;
}

std::wstring SecondsCaption(int64_t seconds) {
  return FormatDuration(DurationFromSeconds(seconds)).value_or(L"0:00:00");
}

}  // namespace

std::wstring TrimBlanks(const std::wstring& text) {
  size_t b = 0, e = text.size();
  while (b < e && static_cast<unsigned>(text[b]) <= L' ') ++b;
  while (e > b && static_cast<unsigned>(text[e - 1]) <= L' ') --e;
  return text.substr(b, e - b);
}

void Countdown::Start(int64_t nowMs, int64_t seconds) {
  running_ = true;
  deadlineMs_ = nowMs + seconds * 1000;
  lastTickSecs_ = -1;
  lastBeepSecs_ = -1;
  lastBalloon_ = 0;
  progressMax_ = 0;
}

void Countdown::StartFromCaption(int64_t nowMs, const std::wstring& caption) {
  if (IsRestartCaption(caption)) {
    Stop();
    return;
  }
  try {
    Start(nowMs, DurationSeconds(ParseDuration(TrimBlanks(caption))));
  } catch (const ConvertError&) {
    Stop();
  }
}

void Countdown::Stop() { running_ = false; }

int64_t Countdown::RemainingSeconds(int64_t nowMs) const {
  int64_t left = deadlineMs_ - nowMs - kEarlyTickToleranceMs;
  return left <= 0 ? 0 : (left + 999) / 1000;
}

TickOutcome Countdown::Tick(const TickInput& in) {
  TickOutcome out;
  if (in.waiting) {
    // The count restarts from the full time at the first tick that is not
    // waiting.
    Stop();
    out.caption = kWaitingCaption;
    return out;
  }
  if (IsRestartCaption(in.caption) || !running_) {
    // The restarting tick is the count's first second, as if the count had
    // started one tick ago.
    Start(in.nowMs - 1000, in.fullSeconds);
  }

  const int64_t left = RemainingSeconds(in.nowMs);
  out.caption = SecondsCaption(left);
  out.secs = left < kThreeHours ? left : 10800;

  if (left < kThreeHours) {
    // Progress moves each time the count passes a multiple of ten seconds,
    // within the last 45 minutes counted from its first update.
    const int64_t previous = lastTickSecs_ < 0 ? out.secs + 1 : lastTickSecs_;
    bool passedTen = false;
    for (int64_t s = out.secs; s < previous && !passedTen; ++s) passedTen = s % 10 == 0;
    if (in.hasTaskbarProgress && passedTen && out.secs <= kProgressWindow) {
      if (progressMax_ == 0) progressMax_ = static_cast<uint32_t>(out.secs);
      out.setProgress = true;
      out.progressTotal = progressMax_;
      out.progressCompleted = progressMax_ - static_cast<uint32_t>(out.secs);
    }
    // Each warning second beeps once, however the ticks fall.
    if (in.soundWarning && in.alarm >= out.secs && out.secs != lastBeepSecs_) {
      out.beep = true;
      lastBeepSecs_ = out.secs;
    }
    if (in.trayVisible && (out.secs == 15 || out.secs == 5) && lastBalloon_ != out.secs) {
      out.balloonSeconds = static_cast<int>(out.secs);
      lastBalloon_ = static_cast<int>(out.secs);
    }
  }
  lastTickSecs_ = out.secs;

  if (in.nowMs + kEarlyTickToleranceMs >= deadlineMs_) {
    out.act = true;
    Stop();
  }
  return out;
}

}  // namespace quellon
