#include "app/yarb_form.h"

#include "app/process_values.h"
#include "app/watch_controller.h"

#include "app/main_window_layout.h"

namespace quellon::app {

constexpr unsigned kWmQueryEndSession = 0x0011;

TYARBForm::TYARBForm(ui::Backend& backend) : ui::Form(backend, kMainWindowDesc) {
  CreateControls(kMainWindowControls, kMainWindowControlCount);
  BindControls();
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

void TYARBForm::BindControls() {
  btnMenu = &Get<ui::Label>(L"btnMenu");
  lblTip1 = &Get<ui::Label>(L"lblTip1");
  lblProgramName = &Get<ui::Label>(L"lblProgramName");
  tabctrlMain = &Get<ui::PageControl>(L"tabctrlMain");
  tabOptions = &Get<ui::TabSheet>(L"tabOptions");
  tabTime = &Get<ui::TabSheet>(L"tabTime");
  PrgPage = &Get<ui::TabSheet>(L"PrgPage");
  tabInstall1 = &Get<ui::TabSheet>(L"tabInstall1");
  InstallPage2 = &Get<ui::TabSheet>(L"InstallPage2");
  InstallPage3 = &Get<ui::TabSheet>(L"InstallPage3");
  InstallPage4 = &Get<ui::TabSheet>(L"InstallPage4");
  lblMainEvent = &Get<ui::Label>(L"lblMainEvent");
  cbPeriodOfTime = &Get<ui::RadioButton>(L"cbPeriodOfTime");
  cbComputerIdle = &Get<ui::RadioButton>(L"cbComputerIdle");
  cbTime = &Get<ui::RadioButton>(L"cbTime");
  cbMonitoredApp = &Get<ui::RadioButton>(L"cbMonitoredApp");
  cbNoSound = &Get<ui::RadioButton>(L"cbNoSound");
  grTime = &Get<ui::GroupBox>(L"grTime");
  dtpStartTime = &Get<ui::TimePicker>(L"dtpStartTime");
  cbxMonitoredApp = &Get<ui::ComboBox>(L"cbxMonitoredApp");
  btnMonitoredAppRefresh = &Get<ui::Button>(L"btnMonitoredAppRefresh");
  lblRemainingTimeDesc = &Get<ui::Label>(L"lblRemainingTimeDesc");
  lblRemainingTime = &Get<ui::Label>(L"lblRemainingTime");
  lblAppCloseDesc = &Get<ui::Label>(L"lblAppCloseDesc");
  lblAppClose = &Get<ui::Label>(L"lblAppClose");
  lblMonitoredAppNameDesc = &Get<ui::Label>(L"lblMonitoredAppNameDesc");
  lblMonitoredAppName = &Get<ui::Label>(L"lblMonitoredAppName");
  lblMainActionDesc = &Get<ui::Label>(L"lblMainActionDesc");
  edtLastClosedApp = &Get<ui::Edit>(L"edtLastClosedApp");
  tabctrlButtons = &Get<ui::PageControl>(L"tabctrlButtons");
  PrgBtnPage = &Get<ui::TabSheet>(L"PrgBtnPage");
  InstallBtnsPage = &Get<ui::TabSheet>(L"InstallBtnsPage");
  btnStart = &Get<ui::Button>(L"btnStart");
  btnCancel = &Get<ui::Button>(L"btnCancel");
  timerSec = &Get<ui::Timer>(L"timerSec");
  timerWaitForEvent = &Get<ui::Timer>(L"timerWaitForEvent");
  actCloseProgram = &Get<ui::Action>(L"actCloseProgram");
  actAdvenced = &Get<ui::Action>(L"actAdvenced");
  actShowHelp = &Get<ui::Action>(L"actShowHelp");
  actShowMenu = &Get<ui::Action>(L"actShowMenu");
  actMonitoredAppRefresh = &Get<ui::Action>(L"actMonitoredAppRefresh");
  actShowApp = &Get<ui::Action>(L"actShowApp");
  PopupMenu = &Get<ui::PopupMenu>(L"PopupMenu");
  TrayMenu = &Get<ui::PopupMenu>(L"TrayMenu");
  TrayIcon = &Get<ui::TrayIcon>(L"TrayIcon");
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
  btnMenu->OnMouseEnter = [this] { btnMenuMouseEnter(); };
  btnMenu->OnMouseLeave = [this] { btnMenuMouseLeave(); };
  lblTip1->OnClick = [this] { lblTip1Click(); };
  lblTip1->OnMouseEnter = [this] { lblTip1MouseEnter(); };
  lblTip1->OnMouseLeave = [this] { lblTip1MouseLeave(); };
  lblProgramName->OnClick = [this] { lblProgramNameClick(); };
  TrayIcon->OnDblClick = [this] { TrayIconDblClick(); };
  TrayIcon->OnBalloonClick = [this] { TrayIconDblClick(); };
  OnCloseQuery = [this](bool& canClose) { FormCloseQuery(canClose); };
  OnMessage = [this](const ui::Message& m, intptr_t&) {
    // Windows is ending the logon: the position is not saved at the end.
    if (m.msg == kWmQueryEndSession && controller_) controller_->FSystemIsClosing = true;
    return false;  // the default processing asks the close query
  };
  OnDestroy = [this] { FormDestroy(); };
  OnMinimize = [this] { AppMinimize(); };
}

ui::RadioButton* TYARBForm::TriggerButton(int tag) const {
  for (ui::RadioButton* b : {cbPeriodOfTime, cbComputerIdle, cbTime, cbMonitoredApp, cbNoSound})
    if (b->Tag() == tag) return b;
  return nullptr;
}

// The watch, the triggers and the start-up are the controller's; the
// presentation's handlers are seams its own part fills in.
void TYARBForm::btnStartClick(ui::Control* sender) {
  if (controller_) controller_->btnStartClick(sender);
}
void TYARBForm::Second() {
  if (controller_) controller_->Second();
}
void TYARBForm::cbPeriodOfTimeClick() {
  if (controller_) controller_->cbPeriodOfTimeClick();
}
void TYARBForm::cbComputerIdleClick() {
  if (controller_) controller_->cbComputerIdleClick();
}
void TYARBForm::cbTimeClick() {
  if (controller_) controller_->cbTimeClick();
}
void TYARBForm::cbMonitoredAppClick() {
  if (controller_) controller_->cbMonitoredAppClick();
}
void TYARBForm::cbNoSoundClick() {
  if (controller_) controller_->cbNoSoundClick();
}
void TYARBForm::cbxMonitoredAppChange() {}
void TYARBForm::actAdvencedExecute() {}
void TYARBForm::actShowHelpExecute() {}
void TYARBForm::actShowMenuExecute() {}
void TYARBForm::actMonitoredAppRefreshExecute() {}
void TYARBForm::actShowAppExecute() {}
void TYARBForm::btnMenuClick() {}
void TYARBForm::btnMenuMouseEnter() {}
void TYARBForm::btnMenuMouseLeave() {}
void TYARBForm::lblTip1Click() {}
void TYARBForm::lblTip1MouseEnter() {}
void TYARBForm::lblTip1MouseLeave() {}
void TYARBForm::lblProgramNameClick() {}
void TYARBForm::TrayIconDblClick() {}
// Closing is refused only while the installer copies its files.
void TYARBForm::FormCloseQuery(bool& canClose) { canClose = tabctrlMain->ActivePage() != InstallPage3; }
void TYARBForm::FormDestroy() {
  if (!controller_) return;
  controller_->StopCountdown();
  controller_->StopDetectors();
  if (!controller_->FSystemIsClosing && InstanceNumber() > 0) controller_->SaveWindowPosition();
}
void TYARBForm::AppMinimize() {}

// Exit closes the main window, which ends the program.
void TYARBForm::actCloseProgramExecute() { Close(); }

}  // namespace quellon::app
