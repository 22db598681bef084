#include "contract/taskbar_contract.h"

#include "fakes/fake_taskbar.h"

namespace quellon::test {
namespace {

// The calls of one countdown: indeterminate at the start, the share of the
// last seconds as they pass, indeterminate again when the window comes back
// from the tray, nothing at the end.
TEST_P(TaskbarContract, TheCountdownsCallsAreAccepted) {
  auto progress = H().Create();
  ASSERT_NE(progress, nullptr);
  EXPECT_TRUE(progress->SetIndeterminate());
  struct Step {
    uint64_t completed, total;
  } steps[] = {{0, 2700}, {10, 2700}, {2690, 2700}, {2700, 2700}, {1, 1}};
  for (const auto& s : steps) EXPECT_TRUE(progress->SetValue(s.completed, s.total)) << s.completed << "/" << s.total;
  EXPECT_TRUE(progress->SetIndeterminate());
  EXPECT_TRUE(progress->SetNoProgress());
}

// Each countdown makes its own display for the window and drops it at the
// end; the next one works as the first did.
TEST_P(TaskbarContract, ANewDisplayAfterTheLastWasDropped) {
  for (int round = 0; round < 2; ++round) {
    auto progress = H().Create();
    ASSERT_NE(progress, nullptr) << round;
    EXPECT_TRUE(progress->SetValue(5, 10)) << round;
    EXPECT_TRUE(progress->SetNoProgress()) << round;
  }
}

TEST_P(TaskbarContract, NoDisplayWithoutTheTaskbarList) { EXPECT_EQ(H().CreateWithoutTaskbarList(), nullptr); }

class FakeTaskbarHarness final : public TaskbarHarness {
 public:
  std::unique_ptr<os::TaskbarProgress> Create() override { return bar_.Create(); }
  std::unique_ptr<os::TaskbarProgress> CreateWithoutTaskbarList() override {
    bar_.available = false;
    return bar_.Create();
  }

 private:
  FakeTaskbar bar_;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Fake, TaskbarContract,
                         testing::Values(Run<TaskbarHarness, FakeTaskbarHarness>("Fake")), TaskbarContract::Name);

}  // namespace quellon::test
