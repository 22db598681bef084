// What the power port answers when nothing stops it, on the fake (as the
// host tests start it) and on the real calls under Wine, which accepts
// standby and hibernation without doing either. The real suspend calls run
// only under Wine: on Windows they would switch the computer off.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "actions/power_api.h"
#include "fakes/fake_power_api.h"

#if defined(_WIN32)
#include "support/win32/under_wine.h"
#endif

namespace quellon::test {
namespace {

struct PowerTarget {
  std::string name;
  std::function<PowerApi&()> api;
};
inline void PrintTo(const PowerTarget& t, std::ostream* os) { *os << t.name; }

class PowerContract : public ::testing::TestWithParam<PowerTarget> {
 protected:
  PowerApi& Api() { return GetParam().api(); }
};

TEST_P(PowerContract, EnablesTheShutdownPrivilege) {
  Status enabled = Api().EnableShutdownPrivilege();
  EXPECT_TRUE(enabled.ok()) << enabled.error().message;
}

TEST_P(PowerContract, FindsSetSuspendStateInThePowerLibrary) { EXPECT_TRUE(Api().HasSetSuspendState()); }

TEST_P(PowerContract, AcceptsStandbyAndHibernationThroughBothCalls) {
  EXPECT_TRUE(Api().SetSuspendState(false, true, false));
  EXPECT_TRUE(Api().SetSuspendState(true, true, false));
  EXPECT_TRUE(Api().SetSystemPowerState(true, true));
  EXPECT_TRUE(Api().SetSystemPowerState(false, true));
}

std::vector<PowerTarget> Targets() {
  std::vector<PowerTarget> targets{{"Fake", [] () -> PowerApi& {
                                      static FakePowerApi fake;
                                      return fake;
                                    }}};
#if defined(_WIN32)
  if (UnderWine()) targets.push_back({"Win32", [] () -> PowerApi& { return SystemPowerApi(); }});
#endif
  return targets;
}

INSTANTIATE_TEST_SUITE_P(Targets, PowerContract, ::testing::ValuesIn(Targets()),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace quellon::test
