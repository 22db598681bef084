#include "contract/app_shell_contract.h"

#include "fakes/fake_app_shell.h"
#include "util/text.h"

namespace quellon::test {
namespace {

using os::BoxButtons;
using os::BoxIcon;
using os::BoxResult;

TEST_P(AppShellContract, BoxShowsItsTextAndGivesTheButtonThatClosedIt) {
  struct Case {
    BoxButtons buttons;
    BoxIcon icon;
    BoxResult answer;
  } cases[] = {
      {BoxButtons::Ok, BoxIcon::None, BoxResult::Ok},
      {BoxButtons::YesNo, BoxIcon::Warning, BoxResult::Yes},
      {BoxButtons::YesNo, BoxIcon::Warning, BoxResult::No},
      {BoxButtons::Ok, BoxIcon::Error, BoxResult::Ok},
  };
  const std::wstring text = L"Erste Zeile \u00fcber \"ZUB\"\nzweite \u2013 Zeile";
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.answer));
    H().AnswerNextBox(c.answer);
    EXPECT_EQ(H().Shell().ShowMessageBox(text, L"Error7", c.buttons, c.icon), c.answer);
    auto seen = H().AnsweredBox();
    ASSERT_TRUE(seen);
    EXPECT_EQ(seen->text, text) << WideToUtf8(seen->text);
    EXPECT_EQ(seen->caption, L"Error7");
    EXPECT_EQ(seen->buttons, c.buttons);
  }
}

TEST_P(AppShellContract, BoxBelongsToTheNamedWindowOrTheApplicationWindow) {
  H().AnswerNextBox(BoxResult::Ok);
  H().Shell().ShowMessageBox(L"by default", L"Error", BoxButtons::Ok, BoxIcon::None);
  auto seen = H().AnsweredBox();
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->owner, H().ApplicationWindow());

  const os::WindowHandle owner = H().OwnerWindow();
  ASSERT_NE(owner, H().ApplicationWindow());
  H().AnswerNextBox(BoxResult::Ok);
  H().Shell().ShowMessageBox(L"named", L"Error", BoxButtons::Ok, BoxIcon::None, owner);
  seen = H().AnsweredBox();
  ASSERT_TRUE(seen);
  EXPECT_EQ(seen->owner, owner);
}

// Terminate only asks: the handler that calls it runs to its end, then the
// loop ends.
TEST_P(AppShellContract, TerminateEndsTheLoopAfterTheHandler) {
  bool after = false;
  LoopOutcome out = H().RunInMessageLoop([&] {
    H().Shell().Terminate();
    after = true;
  });
  EXPECT_TRUE(after);
  EXPECT_TRUE(out.handlerFinished);
  EXPECT_TRUE(out.ended);

  out = H().RunInMessageLoop([] {});
  EXPECT_TRUE(out.handlerFinished);
  EXPECT_FALSE(out.ended) << "the loop ended without Terminate";
}

TEST_P(AppShellContract, HaltEndsAtOnceWithoutExitHandlers) {
  HaltOutcome out = H().Halt();
  EXPECT_TRUE(out.called);
  EXPECT_FALSE(out.returned);
  EXPECT_FALSE(out.exitHandlers);
}

class FakeAppShellHarness final : public AppShellHarness {
 public:
  os::AppShell& Shell() override { return shell_; }
  void AnswerNextBox(BoxResult button) override {
    shell_.answer = button;
    before_ = shell_.boxes.size();
  }
  std::optional<SeenBox> AnsweredBox() override {
    if (shell_.boxes.size() != before_ + 1) return std::nullopt;
    const auto& b = shell_.boxes.back();
    return SeenBox{b.text, b.caption, b.buttons, b.owner};
  }
  os::WindowHandle ApplicationWindow() override { return os::kApplicationWindow; }
  os::WindowHandle OwnerWindow() override { return 0x5A17; }
  LoopOutcome RunInMessageLoop(const std::function<void()>& handler) override {
    const int before = shell_.terminateRequests;
    handler();
    return {true, shell_.terminateRequests > before};
  }
  HaltOutcome Halt() override {
    try {
      shell_.Halt();
    } catch (const HaltCalled&) {
      return {true, false, false};
    }
    return {true, true, false};
  }

 private:
  FakeAppShell shell_;
  size_t before_ = 0;
};

}  // namespace

INSTANTIATE_TEST_SUITE_P(Fake, AppShellContract,
                         testing::Values(Run<AppShellHarness, FakeAppShellHarness>("Fake")), AppShellContract::Name);

}  // namespace quellon::test
