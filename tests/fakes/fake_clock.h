// A clock the test moves by hand.
#pragma once
#include "os/clock.h"

namespace quellon::test {

class FakeClock final : public os::Clock {
 public:
  int64_t MonotonicMs() override { return monotonicMs_; }
  double Now() override { return now_; }

  // Moves both clocks forward together.
  void Advance(int64_t ms) {
    monotonicMs_ += ms;
    now_ += static_cast<double>(ms) / 86400000.0;
  }
  // Moves only the wall clock, as a user changing the system time does.
  void SetWallClock(double now) { now_ = now; }

 private:
  int64_t monotonicMs_ = 1000000;
  double now_ = 45000.5;  // 2023-03-15 12:00
};

}  // namespace quellon::test
