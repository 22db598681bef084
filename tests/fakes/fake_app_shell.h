// An application shell that records its boxes and answers them as told.
#pragma once
#include <string>
#include <vector>

#include "os/app_shell.h"

namespace quellon::test {

struct HaltCalled {};

class FakeAppShell final : public os::AppShell {
 public:
  struct Box {
    std::wstring text, caption;
    os::BoxButtons buttons;
    os::BoxIcon icon;
    os::WindowHandle owner;
  };

  os::BoxResult ShowMessageBox(const std::wstring& text, const std::wstring& caption,
                               os::BoxButtons buttons, os::BoxIcon icon,
                               os::WindowHandle owner = os::kApplicationWindow) override {
    boxes.push_back({text, caption, buttons, icon, owner});
    return answer;
  }
  void Terminate() override { ++terminateRequests; }
  [[noreturn]] void Halt() override { throw HaltCalled{}; }

  std::vector<Box> boxes;
  os::BoxResult answer = os::BoxResult::Ok;
  int terminateRequests = 0;
};

}  // namespace quellon::test
