#include <gtest/gtest.h>

#include "app/process_values.h"

namespace quellon {
namespace {

TEST(InstanceGuardTest, DecisionFromTheMutexCreationAndTheWait) {
  constexpr uint32_t kNotEnoughMemory = 8, kNoSystemResources = 1450;
  const struct {
    const char* what;
    InstanceMutexProbe probe;
    InstanceGuard guard;
  } kCases[] = {
      {"a new or free mutex", {true, 0, kInstanceWaitObject0}, InstanceGuard::Owned},
      {"its holder died", {true, 0, kInstanceWaitAbandoned}, InstanceGuard::Owned},
      {"another copy holds it", {true, 0, kInstanceWaitTimeout}, InstanceGuard::AnotherCopyRuns},
      {"an event or other object has the name", {false, kInstanceErrInvalidHandle, 0},
       InstanceGuard::AnotherCopyRuns},
      {"a mutex of the name that may not be opened", {false, kInstanceErrAccessDenied, 0},
       InstanceGuard::AnotherCopyRuns},
      {"no memory for a mutex", {false, kNotEnoughMemory, 0}, InstanceGuard::Unguarded},
      {"no system resources", {false, kNoSystemResources, 0}, InstanceGuard::Unguarded},
      {"the wait itself failed", {true, 0, kInstanceWaitFailed}, InstanceGuard::Unguarded},
  };
  for (const auto& c : kCases) EXPECT_EQ(DecideInstanceGuard(c.probe), c.guard) << c.what;
}

TEST(ProcessValuesTest, TheInstanceNumberNamesTheMutex) {
  const std::wstring before = ProcessCommandLine();
  SetProcessValuesForTest(L"\"c:\\zub\\zub.exe\" instance7 /p=1");
  EXPECT_EQ(InstanceNumber(), 7);
  EXPECT_EQ(ProcessCommandLine(), L"\"c:\\zub\\zub.exe\" instance7 /p=1");
  EXPECT_EQ(InstanceMutexName(InstanceNumber()), L"ZUB [Tarnwick]7");
  EXPECT_EQ(InstanceMutexName(1), L"ZUB [Tarnwick]1");
  SetProcessValuesForTest(before);
}

}  // namespace
}  // namespace quellon
