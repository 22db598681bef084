#include <gtest/gtest.h>

#include "fakes/fake_app_shell.h"
#include "install/error_box.h"

namespace quellon {
namespace {

class ErrorBoxTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetProgramClosingForTest(); }
  void TearDown() override { ResetProgramClosingForTest(); }
  test::FakeAppShell shell;
};

TEST_F(ErrorBoxTest, NonFatalShowsTheBoxAndGoesOn) {
  ShowErrorBox(shell, L"Something failed.", false);
  ShowErrorBox(shell, L"Again.", false);
  ASSERT_EQ(shell.boxes.size(), 2u);
  EXPECT_EQ(shell.boxes[0].caption, L"Error");
  EXPECT_EQ(shell.boxes[0].buttons, os::BoxButtons::Ok);
  EXPECT_EQ(shell.boxes[0].icon, os::BoxIcon::None);
  EXPECT_EQ(shell.terminateRequests, 0);
  EXPECT_FALSE(ProgramIsClosing());
}

TEST_F(ErrorBoxTest, FatalAsksToTerminateAndALaterBoxHalts) {
  ShowErrorBox(shell, L"Internal fatal error.", true);
  EXPECT_EQ(shell.boxes.size(), 1u);
  EXPECT_EQ(shell.terminateRequests, 1);
  EXPECT_TRUE(ProgramIsClosing());
  EXPECT_THROW(ShowErrorBox(shell, L"Second.", false), test::HaltCalled);
  EXPECT_EQ(shell.boxes.size(), 1u);  // nothing more shown
}

}  // namespace
}  // namespace quellon
