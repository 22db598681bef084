// ZUB.exe: the process-wide values, the logger, the instance mutex, the
// main window with its controller, and the message loop.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <exception>
#include <memory>
#include <optional>
#include <vector>

#include "actions/other_actions.h"
#include "actions/power_api.h"
#include "actions/screenshot.h"
#include "imaging/resource_png_win32.h"
#include "app/process_values.h"
#include "app/window_actions.h"
#include "app/yarb_form.h"
#include "core/command_line.h"
#include "install/check_at_start.h"
#include "install/error_box.h"
#include "install/system_info.h"
#include "log/logger.h"
#include "os/app_shell.h"
#include "os/clock.h"
#include "os/taskbar.h"
#include "os/win32/handles.h"
#include "os/win32/registry_win32.h"
#include "platform/path_rules.h"
#include "platform/platform_win32.h"
#include "settings/hibernation.h"
#include "settings/settings.h"
#include "ui/win32/win32_backend.h"
#include "util/exception.h"
#include "util/text.h"

namespace {

using namespace quellon;

std::wstring ExecutablePath() {
  wchar_t buf[MAX_PATH + 1] = {};
  DWORD n = GetModuleFileNameW(nullptr, buf, MAX_PATH);
  return std::wstring(buf, n);
}

// The process's arguments as the platform splits them.
std::vector<std::wstring> PlatformArguments() {
  std::vector<std::wstring> args;
  int count = 0;
  win32::UniqueLocal<LPWSTR*> argv(CommandLineToArgvW(GetCommandLineW(), &count));
  if (!argv) return args;
  for (int i = 0; i < count; ++i) args.push_back(argv.get()[i]);
  return args;
}

// The per-user compatibility-layer list names this program's long path.
bool RunsInCompatibilityLayer(os::Registry& registry, const std::wstring& exe) {
  auto key = registry.OpenKey(os::RootKey::CurrentUser,
                              L"SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Layers",
                              os::RegAccess::Read, false);
  if (!key) return false;
  std::wstring longPath = GetLongPath(exe);
  return !longPath.empty() && key.value()->ValueExists(longPath);
}

void StartLogger(const std::wstring& exe) {
  if (!TMsgLogger::RegEnabled(kLoggerAppKey)) return;
  LoggerServices services;
  services.folder = GetSpecialFolder(sfAppData, L"Brightlode");
  services.executablePath = exe;
  services.versionText = GetFileVersionText(exe, true, true);
  CreateLogger(kLogMaxSize, services);
}

BOOL CALLBACK AddWorkArea(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO mi{};
  mi.cbSize = sizeof mi;
  if (GetMonitorInfoW(monitor, &mi)) {
    const RECT& w = mi.rcWork;
    auto& list = *reinterpret_cast<std::vector<ui::Rect>*>(data);
    ui::Rect r{w.left, w.top, w.right - w.left, w.bottom - w.top};
    if (mi.dwFlags & MONITORINFOF_PRIMARY)
      list.insert(list.begin(), r);
    else
      list.push_back(r);
  }
  return TRUE;
}

// The monitors' work areas, the primary first.
std::vector<ui::Rect> MonitorWorkAreas() {
  std::vector<ui::Rect> areas;
  EnumDisplayMonitors(nullptr, nullptr, AddWorkArea, reinterpret_cast<LPARAM>(&areas));
  return areas;
}

int RunMainWindow(HINSTANCE instance, const std::wstring& exe) {
  ui::Win32Backend backend(instance);
  os::Registry& registry = win32::SystemRegistry();
  LogSink* log = Logger();
  const OsVersion version = GetOsVersion();

  app::MainWindowEnv env{registry, os::SystemClock(), os::SystemAppShell(), log};
  env.settings.instanceNumber = InstanceNumber();
  env.settings.exePath = exe;
  env.settings.hibernationQuery = QueryHibernationAllowed;
  env.settings.log = log;
  env.vistaOrLater = quellon::IsVistaOrLater(version);
  env.win7OrLater = quellon::IsWin7OrLater(version);
  env.makeActions = [&](app::TYARBForm& form) -> std::unique_ptr<SystemActions> {
    app::WindowActionsEnv actions{SystemPowerApi(), os::SystemAppShell(), log};
    actions.ntFamily = version.platformId == kPlatformNT;
    actions.win2000OrLater = quellon::IsWin2000OrLater(version);
    actions.mainWindow = [&form] { return form.NativeHandle(); };
    actions.showOptionsPage = [&form] {
      form.SetEnabled(true);
      form.ShowPage(form.tabOptions);
    };
    actions.modemDisconnect = ModemDisconnect;
    actions.blockWindowsUser = BlockWindowsUser;
    actions.turnOffMonitor = TurnOffMonitor;
    return std::make_unique<app::WindowActions>(*form.FSettings, std::move(actions));
  };
  env.checkAtStart = [&](app::TYARBForm& form) {
    StartCheckEnv check{version, [&] { return RunsInCompatibilityLayer(registry, exe); },
                        os::SystemAppShell(), [&form] {
                          ShellExecuteW(reinterpret_cast<HWND>(form.NativeHandle()), L"open",
                                        kMakerWebPage, nullptr, nullptr, SW_SHOWNORMAL);
                        }};
    return CheckAtStart(check);
  };
  env.createTaskbarProgress = [](app::TYARBForm& form) { return os::CreateTaskbarProgress(form.NativeHandle()); };
  env.arguments = PlatformArguments();
  env.paramCount = GetParamCount(ProcessCommandLine());
  env.releaseInstanceMutex = ReleaseInstanceMutex;
  env.takeScreenshot = TakeScreenshot;
  env.loadPicture = [](const wchar_t* name) -> std::optional<imaging::RgbaImage> {
    auto picture = imaging::DecodePngResource(nullptr, name);
    if (!picture) return std::nullopt;  // discarded: the button goes without it
    return std::move(picture).value();
  };
  env.workAreas = MonitorWorkAreas;

  app::TYARBForm form(backend, std::move(env));
  if (!form.FormCreate() || ProgramIsClosing()) return 0;
  form.Show();
  return backend.Run(form);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  InitProcessValues();
  const std::wstring exe = ExecutablePath();
  StartLogger(exe);
  // A second copy of a running instance ends without a word.
  if (!AcquireInstanceMutex()) {
    FreeLogger();
    return 0;
  }

  INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_STANDARD_CLASSES | ICC_DATE_CLASSES | ICC_TAB_CLASSES |
                                            ICC_PROGRESS_CLASS | ICC_UPDOWN_CLASS};
  // Common controls before version 6 do not know the standard-classes bit.
  if (!::InitCommonControlsEx(&icc)) {
    icc.dwICC &= ~static_cast<DWORD>(ICC_STANDARD_CLASSES);
    ::InitCommonControlsEx(&icc);
  }
  win32::ScopedCoInit com;
  SetCurrentDirectoryW(FolderPart(exe).c_str());

  int code = 0;
  try {
    if (InstanceNumber() == 0) {
      // Installing and uninstalling come with the installer's wizard.
      ShowErrorBox(L"FnI0 - Function not implemented.", false);
    } else {
      code = RunMainWindow(instance, exe);
    }
  } catch (const SilentAbort&) {
    code = 1;  // the user has been told
  } catch (const Exception& e) {
    // The window could not be built: say why rather than vanish.
    ::MessageBoxW(nullptr, e.Message().c_str(), L"Error", MB_OK | MB_ICONERROR);
    code = 1;
  } catch (const std::exception& e) {
    ::MessageBoxW(nullptr, Utf8ToWide(e.what()).c_str(), L"Error", MB_OK | MB_ICONERROR);
    code = 1;
  }
  FreeLogger();
  return code;
}
