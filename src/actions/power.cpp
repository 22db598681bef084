#include "actions/power.h"

#include "install/error_box.h"

namespace quellon {

const wchar_t kShutdownFailureText[] =
    L"Could not shut the system down. Report this to: \"support@tarnwick.example\"";

namespace {

void Log(PowerContext& ctx, const std::wstring& line) {
  if (ctx.log) ctx.log->LogEvent(line);
}

void ShowOptions(PowerContext& ctx) {
  if (ctx.showOptionsPage) ctx.showOptionsPage();
}

}  // namespace

uint32_t CloseSystemFlags(bool turnOff, bool force, bool ntFamily) {
  uint32_t flags = force ? kEwxForce : 0;
  if (!turnOff)
    flags |= kEwxReboot;
  else
    flags |= ntFamily ? kEwxPowerOff : kEwxShutdown;
  return flags;
}

Status SetPrivileges(PowerContext& ctx) { return ctx.api.EnableShutdownPrivilege(); }

void CloseSystem(PowerContext& ctx, bool turnOff) {
  const uint32_t flags = CloseSystemFlags(turnOff, ctx.force, ctx.ntFamily);
  if (ctx.ntFamily) {
    if (Status privileges = SetPrivileges(ctx); !privileges) {
      Log(ctx, L"Error - SetPrivileges not possible: " + privileges.error().SystemText());
      ShowErrorBox(ctx.shell, std::wstring(L"SPNP - ") + kShutdownFailureText, true);
    }
  }
  Status exited = ctx.api.ExitWindowsWithFlags(flags, kShutdownReasonPlanned);
  if (exited) return;
  Log(ctx, L"Error - ExitWindowsEx failed: " + exited.error().SystemText());
  ShowErrorBox(ctx.shell, ctx.force ? kShutdownFailureText : L"System shutdown aborted.", false);
  ShowOptions(ctx);
}

void ReportSuspendFailure(PowerContext& ctx, int code, bool hibernate) {
  ctx.shell.ShowMessageBox(L"The system could not be hibernated / switched to standby mode.",
                           L"Error" + std::to_wstring(code), os::BoxButtons::Ok, os::BoxIcon::None,
                           ctx.mainWindow);
  if (hibernate && ctx.hibernationPossible) *ctx.hibernationPossible = false;
  ShowOptions(ctx);
}

void SuspendSystem(PowerContext& ctx, bool hibernate) {
  if (hibernate && !(ctx.hibernationPossible && *ctx.hibernationPossible)) {
    ShowErrorBox(ctx.shell, L"\"Hibernate\" option is disabled in your system!", false);
    return;
  }
  if (ctx.ntFamily) {
    if (!SetPrivileges(ctx)) {
      ReportSuspendFailure(ctx, 0, hibernate);
      return;
    }
  }
  // SetSystemPowerState's first argument means standby when TRUE.
  if (ctx.win2000OrLater && ctx.api.HasSetSuspendState()) {
    if (!ctx.api.SetSuspendState(hibernate, true, false) &&
        !ctx.api.SetSystemPowerState(!hibernate, true))
      ReportSuspendFailure(ctx, 1, hibernate);
    return;
  }
  if (!ctx.api.SetSystemPowerState(!hibernate, true)) ReportSuspendFailure(ctx, 2, hibernate);
}

}  // namespace quellon
