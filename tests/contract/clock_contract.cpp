#include "contract/clock_contract.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <thread>

#include "core/datetime.h"
#include "fakes/fake_clock.h"

namespace quellon::test {
namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST_P(ClockContract, MonotonicClockNeverGoesBackAndMovesOn) {
  int64_t last = Clock().MonotonicMs();
  for (int i = 0; i < 1000; ++i) {
    const int64_t now = Clock().MonotonicMs();
    ASSERT_GE(now, last) << "read " << i;
    last = now;
  }
  H().LetTimePass(30);
  EXPECT_GT(Clock().MonotonicMs(), last);
}

// Both clocks count the same milliseconds: a monotonic clock in other units
// (ticks, microseconds) would end the countdown far too early or late.
TEST_P(ClockContract, MonotonicAndWallClockCountTheSameTime) {
  const int64_t m0 = Clock().MonotonicMs();
  const double w0 = Clock().Now();
  H().LetTimePass(300);
  const int64_t m1 = Clock().MonotonicMs();
  const double w1 = Clock().Now();
  const double monotonic = static_cast<double>(m1 - m0);
  const double wall = (w1 - w0) * kMsPerDay;
  EXPECT_GE(monotonic, 250.0);
  // The two readings of each pair are not taken at the same instant.
  EXPECT_NEAR(monotonic, wall, 100.0 + monotonic / 10) << "monotonic " << monotonic << " ms, wall " << wall << " ms";
}

// Days since 1899-12-30 in local time, as the time-of-day trigger compares.
TEST_P(ClockContract, NowIsTheLocalDateTime) {
  const double before = H().ReferenceNow();
  const double now = Clock().Now();
  const double after = H().ReferenceNow();
  EXPECT_GE(now, before - kSecond / 2) << DecodeDateTime(now).year;
  EXPECT_LT(now, after + 1.5 * kSecond);
  EXPECT_GE(now, EncodeDate(2000, 1, 1));
}

class FakeClockHarness final : public ClockHarness {
 public:
  FakeClockHarness() { clock_.SetWallClock(wall_); }
  os::Clock& Clock() override { return clock_; }
  void LetTimePass(int ms) override {
    clock_.Advance(ms);
    wall_ += ms / kMsPerDay;
  }
  double ReferenceNow() override { return std::floor(wall_ * 86400.0) / 86400.0; }

 private:
  FakeClock clock_;
  double wall_ = EncodeDate(2024, 3, 31) + EncodeTime(2, 30, 15, 250);
};

class SystemClockHarness final : public ClockHarness {
 public:
  os::Clock& Clock() override { return os::SystemClock(); }
  void LetTimePass(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
  double ReferenceNow() override {
    const std::time_t t = std::time(nullptr);
    const std::tm local = *std::localtime(&t);
    return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
           EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, 0);
  }
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Clocks, ClockContract,
                         testing::Values(Run<ClockHarness, FakeClockHarness>("Fake"),
                                         Run<ClockHarness, SystemClockHarness>("System")),
                         ClockContract::Name);

}  // namespace quellon::test
