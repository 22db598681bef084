#include <gtest/gtest.h>

#include <vector>

#include "core/countdown.h"
#include "util/text.h"

namespace quellon {
namespace {

// Drives a countdown with ticks at the given offsets (ms after the start)
// and records what each tick decided.
struct CountRun {
  std::vector<TickOutcome> ticks;
  int64_t actedAtMs = -1;
  int beeps = 0;
  std::vector<int64_t> beepSecs;
  std::vector<int> balloons;
};

CountRun Drive(int64_t periodSeconds, const std::vector<int64_t>& tickOffsets, int64_t alarm = 0,
          bool tray = false, bool taskbar = false) {
  const int64_t start = 5000000;
  Countdown c;
  c.Start(start, periodSeconds);
  CountRun run;
  std::wstring caption = L"start";
  for (int64_t offset : tickOffsets) {
    TickInput in;
    in.nowMs = start + offset;
    in.caption = caption;
    in.fullSeconds = periodSeconds;
    in.soundWarning = alarm > 0;
    in.alarm = alarm;
    in.trayVisible = tray;
    in.hasTaskbarProgress = taskbar;
    TickOutcome out = c.Tick(in);
    caption = out.caption;
    run.ticks.push_back(out);
    if (out.beep) {
      ++run.beeps;
      run.beepSecs.push_back(out.secs);
    }
    if (out.balloonSeconds) run.balloons.push_back(out.balloonSeconds);
    if (out.act) {
      run.actedAtMs = offset;
      break;
    }
  }
  return run;
}

std::vector<int64_t> Regular(int n, int64_t spacing = 1000, int64_t late = 0) {
  std::vector<int64_t> v;
  for (int i = 1; i <= n; ++i) v.push_back(i * spacing + late);
  return v;
}

TEST(CountdownTest, OnTimeTicksCountDownSecondBySecond) {
  CountRun run = Drive(3, Regular(10));
  ASSERT_EQ(run.ticks.size(), 3u);
  EXPECT_EQ(run.ticks[0].caption, L"0:00:02");
  EXPECT_EQ(run.ticks[1].caption, L"0:00:01");
  EXPECT_EQ(run.ticks[2].caption, L"0:00:00");
  EXPECT_EQ(run.actedAtMs, 3000);
}

TEST(CountdownTest, PeriodZeroActsAtTheFirstTick) {
  CountRun run = Drive(0, Regular(3));
  EXPECT_EQ(run.actedAtMs, 1000);
  EXPECT_EQ(run.ticks[0].caption, L"0:00:00");
}

TEST(CountdownTest, ActionComesAtTheFirstTickAtOrAfterTheDeadline) {
  struct Case {
    const char* name;
    std::vector<int64_t> ticks;
    int64_t expectedActMs;
  };
  // A 60 s period.
  std::vector<int64_t> slow;  // 1 % slow ticks, as the default timer gives
  for (int i = 1; i <= 70; ++i) slow.push_back(i * 1010);
  std::vector<int64_t> early;  // every tick 15 ms early
  for (int i = 1; i <= 70; ++i) early.push_back(i * 1000 - 15);
  std::vector<int64_t> merged;  // a busy machine: ticks every 2.5 s
  for (int i = 1; i <= 30; ++i) merged.push_back(i * 2500);
  std::vector<int64_t> stalled = {1000, 2000, 45000, 59999, 60000, 61000};
  const Case cases[] = {
      {"slow", slow, 60600},        // tick 60 at 60.6 s
      {"early", early, 59985},      // tick 60 at 59.985 s counts as the 60th second
      {"merged", merged, 60000},    // tick 24
      {"stalled", stalled, 59999},  // a millisecond early counts as on time
  };
  for (const auto& c : cases) {
    CountRun run = Drive(60, c.ticks);
    EXPECT_EQ(run.actedAtMs, c.expectedActMs) << c.name;
  }
}

TEST(CountdownTest, CaptionShowsTheTimeLeftWhateverTheTickSpacing) {
  // 8999 is a millisecond before the ninth second: it shows that second.
  std::vector<int64_t> ticks = {1010, 2020, 7500, 7600, 8999, 9000};
  CountRun run = Drive(10, ticks);
  std::vector<std::wstring> captions;
  for (const auto& t : run.ticks) captions.push_back(t.caption);
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"0:00:09", L"0:00:08", L"0:00:03", L"0:00:03",
                                                 L"0:00:01", L"0:00:01"}));
}

TEST(CountdownTest, EachWarningSecondBeepsOnce) {
  // Alarm 15 with a 20 s period: 15 down to 0, sixteen beeps.
  EXPECT_EQ(Drive(20, Regular(30)).beeps, 0);
  CountRun onTime = Drive(20, Regular(30), 15);
  EXPECT_EQ(onTime.beeps, 16);
  EXPECT_EQ(onTime.beepSecs.front(), 15);
  EXPECT_EQ(onTime.beepSecs.back(), 0);

  // Early ticks that land twice in the same second still beep once there.
  std::vector<int64_t> doubled;
  for (int i = 1; i <= 20; ++i) {
    doubled.push_back(i * 1000 - 400);
    doubled.push_back(i * 1000);
  }
  CountRun twice = Drive(20, doubled, 15);
  EXPECT_EQ(twice.beeps, 16);
  for (size_t i = 1; i < twice.beepSecs.size(); ++i)
    EXPECT_LT(twice.beepSecs[i], twice.beepSecs[i - 1]);

  // Late ticks beep for the second they show.
  CountRun late = Drive(20, Regular(30, 1000, 700), 15);
  EXPECT_EQ(late.beeps, 16);
}

TEST(CountdownTest, BalloonsAtFifteenAndFiveSecondsOnlyInTheTray) {
  EXPECT_TRUE(Drive(20, Regular(30), 0, false).balloons.empty());
  EXPECT_EQ(Drive(20, Regular(30), 0, true).balloons, (std::vector<int>{15, 5}));
}

TEST(CountdownTest, ProgressShowsInTheLastFortyFiveMinutesEveryTenSeconds) {
  Countdown c;
  c.Start(0, 2710);
  std::vector<TickOutcome> updates;
  for (int64_t t = 1000; t <= 2710000; t += 1000) {
    TickInput in;
    in.nowMs = t;
    in.caption = L"x";
    in.hasTaskbarProgress = true;
    TickOutcome out = c.Tick(in);
    if (out.setProgress) updates.push_back(out);
  }
  ASSERT_FALSE(updates.empty());
  EXPECT_EQ(updates.front().secs, 2700);  // 2709..2701 are not multiples of ten
  EXPECT_EQ(updates.front().progressTotal, 2700u);
  EXPECT_EQ(updates.front().progressCompleted, 0u);
  EXPECT_EQ(updates.back().progressCompleted, 2700u);
  EXPECT_EQ(updates.size(), 271u);

  // Merged ticks that jump over a multiple of ten still move the bar.
  Countdown m;
  m.Start(0, 100);
  TickInput in;
  in.caption = L"x";
  in.hasTaskbarProgress = true;
  in.nowMs = 1000;
  EXPECT_FALSE(m.Tick(in).setProgress);  // 99
  in.nowMs = 13000;
  EXPECT_TRUE(m.Tick(in).setProgress);   // 87: passed 90
}

TEST(CountdownTest, NothingBeforeThreeHoursRemain) {
  Countdown c;
  c.Start(0, 3 * 3600 + 5);
  TickInput in;
  in.caption = L"x";
  in.soundWarning = true;
  in.alarm = 60;
  in.trayVisible = true;
  in.hasTaskbarProgress = true;
  in.nowMs = 1000;
  TickOutcome out = c.Tick(in);
  EXPECT_EQ(out.caption, L"3:00:04");
  EXPECT_EQ(out.secs, 10800);
  EXPECT_FALSE(out.beep || out.setProgress || out.balloonSeconds || out.act);
}

TEST(CountdownTest, WaitingRestartsFromTheFullTime) {
  Countdown c;
  c.Start(0, 5);
  TickInput in;
  in.fullSeconds = 5;
  in.caption = L"0:00:05";
  in.nowMs = 1000;
  EXPECT_EQ(c.Tick(in).caption, L"0:00:04");
  in.waiting = true;
  in.nowMs = 2000;
  TickOutcome w = c.Tick(in);
  EXPECT_EQ(w.caption, kWaitingCaption);
  EXPECT_FALSE(w.act);
  // The first quiet tick starts the count again: full time less its second.
  in.waiting = false;
  in.caption = w.caption;
  in.nowMs = 3300;
  TickOutcome r = c.Tick(in);
  EXPECT_EQ(r.caption, L"0:00:04");
  in.caption = r.caption;
  in.nowMs = 7300;
  EXPECT_TRUE(c.Tick(in).act);
}

TEST(CountdownTest, StartFromCaption) {
  Countdown c;
  c.StartFromCaption(0, L" 1:00:10 ");
  EXPECT_TRUE(c.Running());
  EXPECT_EQ(c.RemainingSeconds(0), 3610);
  EXPECT_EQ(c.RemainingSeconds(1), 3610);
  EXPECT_EQ(c.RemainingSeconds(1000), 3609);
  c.StartFromCaption(0, kWaitingCaption);
  EXPECT_FALSE(c.Running());
  c.StartFromCaption(0, L"garbage");
  EXPECT_FALSE(c.Running());
}

}  // namespace
}  // namespace quellon

namespace quellon {
namespace {

// The system's timer fires up to its resolution early: such a tick counts
// as the second it falls just before, so the first tick does not repeat
// the start caption and the action does not wait a whole extra second.
TEST(CountdownTest, TicksAFewMillisecondsEarlyCountAsTheirSecond) {
  for (int64_t early = 1; early <= 20; ++early) {
    SCOPED_TRACE(early);
    CountRun run = Drive(3, Regular(5, 1000, -early));
    ASSERT_GE(run.ticks.size(), 3u);
    EXPECT_EQ(run.ticks[0].caption, L"0:00:02");
    EXPECT_EQ(run.ticks[1].caption, L"0:00:01");
    EXPECT_EQ(run.actedAtMs, 3000 - early);
  }
}

}  // namespace
}  // namespace quellon
