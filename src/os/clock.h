// Clock port: the monotonic clock the countdown measures against and the
// local wall clock the time-of-day trigger reads.
#pragma once
#include <cstdint>

namespace quellon::os {

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds on a clock that never jumps with the wall clock and never
  // wraps within the life of the process.
  virtual int64_t MonotonicMs() = 0;
  // Local date-time: days since 1899-12-30 00:00 with the time of day as
  // the fraction.
  virtual double Now() = 0;
};

// The process's real clock.
Clock& SystemClock();

}  // namespace quellon::os
