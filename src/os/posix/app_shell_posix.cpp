#include <cstdio>
#include <cstdlib>

#include "os/app_shell.h"
#include "util/text.h"

namespace quellon::os {
namespace {

// The Linux host has no windows: boxes go to standard error.
class PosixAppShell final : public AppShell {
 public:
  BoxResult ShowMessageBox(const std::wstring& text, const std::wstring& caption, BoxButtons, BoxIcon,
                           WindowHandle = kApplicationWindow) override {
    std::fprintf(stderr, "%s: %s\n", WideToUtf8(caption).c_str(), WideToUtf8(text).c_str());
    return BoxResult::Ok;
  }
  void Terminate() override {}
  [[noreturn]] void Halt() override { std::_Exit(0); }
};

}  // namespace

AppShell& SystemAppShell() {
  static PosixAppShell shell;
  return shell;
}

}  // namespace quellon::os
