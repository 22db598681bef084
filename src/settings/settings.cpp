#include "settings/settings.h"

#include <cwchar>
#include <vector>

#include "settings/config.h"
#include "util/text.h"

namespace quellon {

const wchar_t kSettingsKeyPath[] = L"SOFTWARE\\Tarnwick\\YARB";
const wchar_t kRunKeyPath[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

namespace {

const wchar_t* YesNo(bool v) { return v ? L"Y" : L"N"; }

// Removing a value that is already gone is what the caller wanted.
Status DeleteIfPresent(TConfig& cfg, const std::wstring& name) {
  auto st = cfg.DeleteValue(name);
  if (st.Is(ErrorKind::NotFound)) return {};
  return st;
}

}  // namespace

bool ParseCount(const std::wstring& text, uint32_t& value) {
  size_t i = 0;
  while (i < text.size() && text[i] == L' ') ++i;
  if (i < text.size() && text[i] == L'+') ++i;
  if (i >= text.size()) return false;
  uint64_t v = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < L'0' || text[i] > L'9') return false;
    v = v * 10 + static_cast<uint64_t>(text[i] - L'0');
    if (v > 0xFFFFFFFFull) return false;
  }
  value = static_cast<uint32_t>(v);
  return true;
}

TZUBSettings::TZUBSettings(os::Registry& registry, SettingsEnv env)
    : registry_(registry), env_(std::move(env)) {
  FIsHibernationPossible = env_.hibernationQuery ? env_.hibernationQuery() : false;
}

TZUBCommand TZUBSettings::MainAction() const {
  if (FMainAction == TZUBCommand::scmdHibernation && !FIsHibernationPossible)
    return TZUBCommand::scmdSuspend;
  return FMainAction;
}

void TZUBSettings::Log(const std::wstring& line) const {
  if (env_.log) env_.log->LogEvent(line);
}

std::wstring TZUBSettings::AutoStartValueName() const {
  return L"Quellon" + std::to_wstring(env_.instanceNumber);
}

std::wstring TZUBSettings::AutoStartCommandLine(int triggerMode) const {
  std::wstring args;
  if (env_.instanceNumber < 2) {
    args = std::to_wstring(triggerMode);
  } else {
    wchar_t buf[64];
    std::swprintf(buf, 64, L"instance%.2d %d", env_.instanceNumber, triggerMode);
    args = buf;
  }
  std::wstring exe = env_.exePath;
  if (exe.find(L' ') != std::wstring::npos) exe = L"\"" + exe + L"\"";
  return exe + L" " + args;
}

// Reads the values of the open settings key in their fixed order. An error
// ends the load; the values read so far keep their new contents.
Status TZUBSettings::ReadSettingsKey(TConfig& cfg) {
  FAppWindowState = cfg.ReadInt(L"AppWndState", 0, 2, FAppWindowState);
  FAlarm = cfg.ReadInt(L"Alarm", 2, 60, FAlarm);
  FCloseApp = cfg.ReadStr(L"CloseApp", FCloseApp);
  FExactProgramName = cfg.ReadBool(L"ExactProgramName", FExactProgramName);
  FForce = cfg.ReadBool(L"Force", FForce);
  FMainAction = static_cast<TZUBCommand>(
      cfg.ReadInt(L"MainAction", 0, kZUBCommandCount - 1, static_cast<int32_t>(FMainAction)));
  FMinimizeToTray = cfg.ReadBool(L"MinimizeToTray", FMinimizeToTray);
  FScreenshot = cfg.ReadStr(L"Screenshot", FScreenshot);
  FShowWindowsClasses = cfg.ReadBool(L"ShowClassNames", FShowWindowsClasses);
  FWatchInternalWindows = cfg.ReadBool(L"WatchInternalWindows", FWatchInternalWindows);
  FSecToShutdown = cfg.ReadInt(L"Time4", 0, 128, FSecToShutdown);
  std::wstring counter =
      cfg.ReadStr(L"SilenceDetectionCounter", std::to_wstring(FSilenceDetectionCounter));
  if (!ParseCount(counter, FSilenceDetectionCounter))
    return Error{ErrorKind::BadData, 0, L"'" + QuotedValue(counter) + L"' is not a valid integer value"};
  FProgressOnTaskbar = cfg.ReadBool(L"ProgressOnTaskbar", FProgressOnTaskbar);
  return {};
}

bool TZUBSettings::LoadFromRegistry() {
  TConfig cfg(registry_);
  // No settings key: the first start.
  if (!cfg.OpenKeyReadOnly(env_.settingsKey)) return false;
  Status read = ReadSettingsKey(cfg);
  if (read) {
    TConfig run(registry_);
    FAutoStartup = run.OpenKeyReadOnly(env_.runKey).ok() && run.ValueExists(AutoStartValueName());
  } else {
    Log(L"Error LoadFromRegistry - " + read.error().message);
  }
  // A close action without an application to close would do nothing.
  if (FMainAction == TZUBCommand::scmdCloseProgram &&
      (FCloseApp.empty() || FCloseApp == L"?" || FCloseApp == L"WC>>"))
    FMainAction = TZUBCommand::scmdShutdownComputer;
  return read.ok();
}

bool TZUBSettings::SaveToRegistry(int AMainActionIdx) {
  TConfig cfg(registry_);
  if (!cfg.OpenKey(env_.settingsKey, true)) return false;

  const std::wstring instance = std::to_wstring(env_.instanceNumber);
  const std::function<Status()> steps[] = {
      [&] { return cfg.WriteInteger(L"AppWndState", FAppWindowState); },
      [&] { return cfg.WriteInteger(L"Alarm", FAlarm); },
      [&] { return cfg.WriteString(L"CloseApp", FCloseApp); },
      [&] { return cfg.WriteBool(L"ExactProgramName", FExactProgramName); },
      [&] { return cfg.WriteBool(L"Force", FForce); },
      [&] { return cfg.WriteInteger(L"MainAction", static_cast<int32_t>(FMainAction)); },
      [&] { return cfg.WriteBool(L"MinimizeToTray", FMinimizeToTray); },
      [&] { return cfg.WriteString(L"Screenshot", FScreenshot); },
      [&] { return cfg.WriteBool(L"ShowClassNames", FShowWindowsClasses); },
      [&] { return cfg.WriteBool(L"WatchInternalWindows", FWatchInternalWindows); },
      [&] { return cfg.WriteInteger(L"Time4", FSecToShutdown); },
      [&] {
        return cfg.WriteString(L"SilenceDetectionCounter",
                               std::to_wstring(FSilenceDetectionCounter));
      },
      [&] { return cfg.WriteBool(L"ProgressOnTaskbar", FProgressOnTaskbar); },
      // Values of earlier versions.
      [&] { return DeleteIfPresent(cfg, L"CloseProgram-Name"); },
      [&] { return DeleteIfPresent(cfg, L"AutoStartup i" + instance); },
  };
  for (const auto& step : steps) {
    auto st = step();
    if (!st) {
      Log(L"Error SaveToRegistry - " + st.error().message);
      return false;
    }
  }
  cfg.CloseKey();

  if (!cfg.OpenKey(env_.runKey, true)) {
    FAutoStartup = false;
    Log(L"Error - Can't write to registy: " + env_.runKey);
    return true;
  }
  Status st;
  if (FAutoStartup) {
    st = cfg.WriteString(AutoStartValueName(), AutoStartCommandLine(AMainActionIdx));
  } else {
    st = DeleteIfPresent(cfg, AutoStartValueName());
    if (st) st = DeleteIfPresent(cfg, L"Quellon " + instance);
  }
  if (!st) {
    Log(L"Error SaveToRegistry - " + st.error().message);
    return false;
  }
  return true;
}

std::wstring TZUBSettings::LogLine() const {
  return L"Settings (" + std::to_wstring(env_.instanceNumber) + L"): " +
         L"AutoStartup=" + YesNo(FAutoStartup) +
         L", AppWndState=" + std::to_wstring(FAppWindowState) +
         L", MinimizeToTray=" + YesNo(FMinimizeToTray) +
         L", Alarm=" + std::to_wstring(FAlarm) +
         L", ExactAppName=" + YesNo(FExactProgramName) +
         L", MainEvent=" + ZUBCommandIdent(FMainAction) +
         L", Force=" + YesNo(FForce) +
         L", ShowClassNames=" + YesNo(FShowWindowsClasses) +
         L", WatchInternalWindows=" + YesNo(FWatchInternalWindows) +
         L", SilenceDetectionCounter=" + std::to_wstring(FSilenceDetectionCounter) + L".";
}

void TZUBSettings::SaveToLog() const { Log(LogLine()); }

}  // namespace quellon
