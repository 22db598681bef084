#include <chrono>
#include <ctime>

#include "os/clock.h"

namespace quellon::os {
namespace {

class PosixClock final : public Clock {
 public:
  int64_t MonotonicMs() override {
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
  }
  double Now() override {
    using namespace std::chrono;
    auto now = system_clock::now();
    std::time_t t = system_clock::to_time_t(now);
    std::tm local{};
    localtime_r(&t, &local);
    double unixDays = static_cast<double>(t + local.tm_gmtoff) / 86400.0;
    auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
    return unixDays + 25569.0 + static_cast<double>(ms) / 86400000.0;  // 1970-01-01 is day 25569
  }
};

}  // namespace

Clock& SystemClock() {
  static PosixClock clock;
  return clock;
}

}  // namespace quellon::os
