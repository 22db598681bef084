#include <windows.h>

#include "os/clock.h"

namespace quellon::os {
namespace {

class Win32Clock final : public Clock {
 public:
  Win32Clock() { QueryPerformanceFrequency(&freq_); }

  // QueryPerformanceCounter exists on every supported system (GetTickCount64
  // does not exist on XP, and GetTickCount wraps after 49.7 days).
  int64_t MonotonicMs() override {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    if (freq_.QuadPart <= 0) return static_cast<int64_t>(GetTickCount());
    return static_cast<int64_t>(now.QuadPart / freq_.QuadPart * 1000 +
                                now.QuadPart % freq_.QuadPart * 1000 / freq_.QuadPart);
  }

  double Now() override {
    SYSTEMTIME st;
    GetLocalTime(&st);
    FILETIME ft;
    SystemTimeToFileTime(&st, &ft);
    ULARGE_INTEGER u;
    u.LowPart = ft.dwLowDateTime;
    u.HighPart = ft.dwHighDateTime;
    // FILETIME counts 100 ns from 1601-01-01; day 0 here is 1899-12-30,
    // 109205 days later.
    return static_cast<double>(u.QuadPart) / 864000000000.0 - 109205.0;
  }

 private:
  LARGE_INTEGER freq_{};
};

}  // namespace

Clock& SystemClock() {
  static Win32Clock clock;
  return clock;
}

}  // namespace quellon::os
