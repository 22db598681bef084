#include "install/error_box.h"

namespace quellon {
namespace {

bool g_closing = false;

}  // namespace

void ShowErrorBox(os::AppShell& shell, const std::wstring& text, bool fatal) {
  if (g_closing) shell.Halt();
  shell.ShowMessageBox(text, L"Error", os::BoxButtons::Ok, os::BoxIcon::None);
  if (fatal) {
    g_closing = true;
    shell.Terminate();
  }
}

void ShowErrorBox(const std::wstring& text, bool fatal) {
  ShowErrorBox(os::SystemAppShell(), text, fatal);
}

bool ProgramIsClosing() { return g_closing; }
void ResetProgramClosingForTest() { g_closing = false; }

}  // namespace quellon
