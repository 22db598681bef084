// The main window on the headless backend over fakes: a fake registry
// holding the installer's records, a clock the test moves, a shell that
// records its boxes, actions that record their calls.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "app/yarb_form.h"
#include "fakes/fake_app_shell.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_registry.h"
#include "fakes/recording_actions.h"
#include "fakes/recording_log.h"
#include "install/error_box.h"
#include "install/special_programs.h"
#include "settings/settings.h"
#include "ui/headless/headless_backend.h"

namespace quellon::test {

// Actions made for the window; they record into the fixture's list.
class ForwardingActions final : public SystemActions {
 public:
  explicit ForwardingActions(RecordingActions& to) : to_(to) {}
  void CloseSystem(bool turnOff) override { to_.CloseSystem(turnOff); }
  void SuspendSystem(bool hibernate) override { to_.SuspendSystem(hibernate); }
  void CloseProgram() override { to_.CloseProgram(); }
  void ModemDisconnect() override { to_.ModemDisconnect(); }
  void BlockWindowsUser() override { to_.BlockWindowsUser(); }
  void TurnOffMonitor() override { to_.TurnOffMonitor(); }

 private:
  RecordingActions& to_;
};

class MainWindowFixture {
 public:
  MainWindowFixture() { (void)WriteSpecPrograms(registry, BuiltInSpecialPrograms()); }
  ~MainWindowFixture() { ResetProgramClosingForTest(); }

  app::MainWindowEnv Env() {
    app::MainWindowEnv env{registry, clock, shell, &log};
    env.settings.log = &log;
    env.makeActions = [this](app::TYARBForm&) { return std::make_unique<ForwardingActions>(actions); };
    env.takeScreenshot = [this](const std::wstring& file) { screenshots.push_back(file); };
    env.workAreas = [this] { return workAreas; };
    return env;
  }
  // A new window; with runFormCreate its normal start-up runs.
  void Create(bool runFormCreate = true) {
    form.reset();
    form = std::make_unique<app::TYARBForm>(backend, Env());
    if (runFormCreate) shown = form->FormCreate();
  }

  void PutUser(const std::wstring& name, uint32_t v) {
    auto k = registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Full, true);
    (void)k.value()->WriteDword(name, v);
  }
  void PutUser(const std::wstring& name, const std::wstring& v) {
    auto k = registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Full, true);
    (void)k.value()->WriteString(name, v);
  }
  std::wstring UserString(const std::wstring& name) {
    auto k = registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Read, false);
    if (!k) return L"<no key>";
    auto v = k.value()->ReadString(name);
    return v ? v.value() : L"<none>";
  }
  int64_t UserDword(const std::wstring& name) {
    auto k = registry.OpenKey(os::RootKey::CurrentUser, kSettingsKeyPath, os::RegAccess::Read, false);
    if (!k) return -1;
    auto v = k.value()->ReadDword(name);
    return v ? static_cast<int64_t>(v.value()) : -1;
  }
  // A second start: position and tip exist, so the user key is kept.
  void Returning() {
    PutUser(L"Position - Left", 100);
    PutUser(L"Position - Top", 80);
    PutUser(L"MenuTip", 3);
  }
  void SetPeriod(int h, int m, int s) { form->dtpStartTime->SetValue(EncodeTime(h, m, s, 0)); }
  // Time passes and the message loop runs: the timer ticks when due.
  void Tick(int64_t ms = 1000) {
    clock.Advance(ms);
    backend.ProcessMessages();
  }
  std::wstring Remaining() const { return form->lblRemainingTime->Caption(); }

  FakeClock clock;
  ui::HeadlessBackend backend{clock};
  FakeRegistry registry;
  FakeAppShell shell;
  RecordingActions actions;
  RecordingLog log;
  std::vector<ui::Rect> workAreas;
  std::unique_ptr<app::TYARBForm> form;
  bool shown = false;
  std::vector<std::wstring> screenshots;
};

}  // namespace quellon::test
