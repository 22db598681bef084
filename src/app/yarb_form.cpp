// The main window: building and binding, its window messages, closing and
// the end of the program.
#include "app/yarb_form.h"

#include "app/main_window_layout.h"
#include "app/process_values.h"
#include "app/window_messages.h"
#include "install/error_box.h"

namespace quellon::app {

TYARBForm::TYARBForm(ui::Backend& backend, MainWindowEnv env)
    : ui::Form(backend, kMainWindowDesc), env_(std::move(env)) {
  // Each row fills its member as its control is made.
  CreateControls(kMainWindowControls, kMainWindowControlCount);
  actMonitoredAppRefresh->SetHint(L"Refresh (running applications list)");
  btnMonitoredAppRefresh->SetAction(actMonitoredAppRefresh);
  edtLastClosedApp->SetEditLabel(L"Last closed application:");
  dtpStartTime->SetFormat(L"HH:mm:ss");
  tabctrlMain->SetActivePage(tabOptions);
  tabctrlButtons->SetActivePage(PrgBtnPage);
  // The window menu, also the window's context menu, and the tray's menu.
  PopupMenu->AddItem(*actAdvenced);
  PopupMenu->AddItem(*actShowHelp);
  PopupMenu->AddItem(*actShowApp);
  PopupMenu->AddItem(*actCloseProgram);
  SetContextMenu(PopupMenu);
  TrayMenu->AddItem(*actShowApp, true);
  TrayMenu->AddItem(*actCloseProgram);
  TrayIcon->SetMenu(TrayMenu);
  BindHandlers();
}

TYARBForm::~TYARBForm() {
  // FormDestroy runs while this object and its windows are still whole.
  DestroyWindows();
}

void TYARBForm::BindHandlers() {
  btnStart->OnClick = [this] { btnStartClick(btnStart); };
  btnCancel->OnClick = [this] { btnStartClick(btnCancel); };
  timerSec->OnTimer = [this] { Second(); };
  cbPeriodOfTime->OnClick = [this] { cbPeriodOfTimeClick(); };
  cbComputerIdle->OnClick = [this] { cbComputerIdleClick(); };
  cbTime->OnClick = [this] { cbTimeClick(); };
  cbMonitoredApp->OnClick = [this] { cbMonitoredAppClick(); };
  cbNoSound->OnClick = [this] { cbNoSoundClick(); };
  cbxMonitoredApp->OnChange = [this] { cbxMonitoredAppChange(); };
  actCloseProgram->OnExecute = [this] { actCloseProgramExecute(); };
  actAdvenced->OnExecute = [this] { actAdvencedExecute(); };
  actShowHelp->OnExecute = [this] { actShowHelpExecute(); };
  actShowMenu->OnExecute = [this] { actShowMenuExecute(); };
  actMonitoredAppRefresh->OnExecute = [this] { actMonitoredAppRefreshExecute(); };
  actShowApp->OnExecute = [this] { actShowAppExecute(); };
  btnMenu->OnClick = [this] { btnMenuClick(); };
  lblTip1->OnClick = [this] { lblTip1Click(); };
  lblProgramName->OnClick = [this] { lblProgramNameClick(); };
  TrayIcon->OnDblClick = [this] { TrayIconDblClick(); };
  TrayIcon->OnBalloonClick = [this] { TrayIconDblClick(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnMessage = [this](const ui::Message& m, intptr_t& result) {
    switch (m.msg) {
      case kWmQueryEndSession:
        result = WMQueryEndSession() ? 1 : 0;
        return true;
      case kWmEndSession:
        WMEndSession(m.wparam != 0);
        result = 0;
        return true;
      default:
        return false;
    }
  };
  OnDestroy = [this] { FormDestroy(); };
}

// Windows asks whether the logon may end. The position is not saved while
// it ends; the close query decides (the installer's copying refuses).
bool TYARBForm::WMQueryEndSession() {
  FSystemIsClosing = true;
  bool canClose = true;
  FormCloseQuery(canClose);
  return canClose;
}

// The logon ends after all, or one of the programs refused and it goes on:
// then the position is saved again at the end.
void TYARBForm::WMEndSession(bool ending) {
  if (!ending) FSystemIsClosing = false;
}

// Closing is refused only while the installer copies its files.
void TYARBForm::FormCloseQuery(bool& canClose) { canClose = tabctrlMain->ActivePage() != InstallPage3; }

void TYARBForm::FormDestroy() {
  if (FSettings) {
    StopCountdown();
    StopDetectors();
  }
  if (!FSystemIsClosing && InstanceNumber() > 0 && positionRead_) SaveWindowPosition();
}

// ------------------------------------------------------------ presentation

void TYARBForm::NotBuiltYet(const wchar_t* feature) {
  ShowErrorBox(env_.shell, std::wstring(feature) + L" - Function not implemented.", false);
}

// The application list comes with the running-applications list.
void TYARBForm::cbxMonitoredAppChange() {}
// Exit closes the main window, which ends the program.
void TYARBForm::actCloseProgramExecute() { Close(); }
void TYARBForm::actAdvencedExecute() { NotBuiltYet(L"Advanced options"); }
void TYARBForm::actShowHelpExecute() { NotBuiltYet(L"Help"); }
void TYARBForm::actShowMenuExecute() { NotBuiltYet(L"Menu"); }
void TYARBForm::actMonitoredAppRefreshExecute() { NotBuiltYet(L"Running applications list"); }
void TYARBForm::actShowAppExecute() { NotBuiltYet(L"Hide window"); }
void TYARBForm::btnMenuClick() { NotBuiltYet(L"Menu"); }
void TYARBForm::lblTip1Click() { NotBuiltYet(L"Menu"); }
void TYARBForm::lblProgramNameClick() { NotBuiltYet(L"About"); }
void TYARBForm::TrayIconDblClick() { NotBuiltYet(L"Show window"); }

}  // namespace quellon::app
