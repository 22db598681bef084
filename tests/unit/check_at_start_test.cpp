#include <gtest/gtest.h>

#include "fakes/fake_app_shell.h"
#include "install/check_at_start.h"

namespace quellon {
namespace {

struct Outcome {
  bool refused;
  size_t boxes;
  int webPageOpened;
  int terminateRequests;
};

Outcome Check(OsVersion v, bool layered, os::BoxResult answer) {
  test::FakeAppShell shell;
  shell.answer = answer;
  int opened = 0;
  StartCheckEnv env{v, [layered] { return layered; }, shell, [&opened] { ++opened; }};
  bool refused = CheckAtStart(env);
  if (!shell.boxes.empty()) {
    EXPECT_EQ(shell.boxes[0].caption, L"Error");
    EXPECT_EQ(shell.boxes[0].buttons, os::BoxButtons::YesNo);
    EXPECT_EQ(shell.boxes[0].icon, os::BoxIcon::Warning);
    EXPECT_EQ(shell.boxes[0].text.rfind(L"Unsupported operating system.\r\nDo you want to check ", 0), 0u);
  }
  return {refused, shell.boxes.size(), opened, shell.terminateRequests};
}

TEST(CheckAtStartTest, SupportedSystemsPassSilently) {
  for (OsVersion v : {OsVersion{kPlatformNT, 5, 1}, OsVersion{kPlatformNT, 6, 0}, OsVersion{kPlatformNT, 6, 1}}) {
    Outcome o = Check(v, false, os::BoxResult::Yes);
    EXPECT_FALSE(o.refused);
    EXPECT_EQ(o.boxes, 0u);
    EXPECT_EQ(o.terminateRequests, 0);
  }
}

TEST(CheckAtStartTest, UnsupportedSystemsAskAndEnd) {
  struct Case {
    OsVersion v;
    bool layered;
    os::BoxResult answer;
    int opened;
  } cases[] = {
      {{kPlatformNT, 6, 2}, false, os::BoxResult::Yes, 1},
      {{kPlatformNT, 6, 2}, false, os::BoxResult::No, 0},
      {{kPlatformWindows, 4, 10}, false, os::BoxResult::No, 0},
      {{kPlatformNT, 6, 1}, true, os::BoxResult::Yes, 1},  // compatibility mode on Windows 7
  };
  for (const auto& c : cases) {
    Outcome o = Check(c.v, c.layered, c.answer);
    EXPECT_TRUE(o.refused);
    EXPECT_EQ(o.boxes, 1u);
    EXPECT_EQ(o.webPageOpened, c.opened);
    EXPECT_EQ(o.terminateRequests, 1);
  }
}

}  // namespace
}  // namespace quellon
