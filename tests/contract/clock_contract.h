// Contract of the clock port, run against the fake and against the
// system's clock (the POSIX one on the host, QueryPerformanceCounter and
// GetLocalTime under Wine). A real run cannot move the system's wall clock,
// so that the monotonic clock ignores such a change is the fake's promise
// alone (the countdown's host tests rely on it); here the clocks are read as
// time passes.
#pragma once
#include "contract/harness_contract.h"
#include "os/clock.h"

namespace quellon::test {

class ClockHarness {
 public:
  virtual ~ClockHarness() = default;
  virtual os::Clock& Clock() = 0;
  // Lets at least ms milliseconds pass (the real clocks' harness sleeps).
  virtual void LetTimePass(int ms) = 0;
  // The local date-time now to the whole second, read apart from the clock
  // under test (the C runtime's time and localtime for the real clocks).
  virtual double ReferenceNow() = 0;
};

class ClockContract : public HarnessContract<ClockHarness> {
 protected:
  os::Clock& Clock() { return H().Clock(); }
};

}  // namespace quellon::test
