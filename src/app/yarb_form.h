// The main window: its controls, built from the layout table, under the
// names the program's logic uses, and the handlers those controls call.
// The handlers are seams for the watch controller, the presentation and
// the start-up logic; the window itself only shows the options page with
// Begin.
#pragma once
#include "ui/action.h"
#include "ui/button.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/page_control.h"
#include "ui/popup_menu.h"
#include "ui/radio_button.h"
#include "ui/time_picker.h"
#include "ui/timer.h"
#include "ui/tray_icon.h"

namespace quellon::app {

class WatchController;

class TYARBForm : public ui::Form {
 public:
  explicit TYARBForm(ui::Backend& backend);
  ~TYARBForm() override;

  // Controls.
  ui::Label* btnMenu;
  ui::Label* lblTip1;
  ui::Label* lblProgramName;
  ui::PageControl* tabctrlMain;
  ui::TabSheet* tabOptions;
  ui::TabSheet* tabTime;
  ui::TabSheet* PrgPage;
  ui::TabSheet* tabInstall1;
  ui::TabSheet* InstallPage2;
  ui::TabSheet* InstallPage3;
  ui::TabSheet* InstallPage4;
  ui::Label* lblMainEvent;
  ui::RadioButton* cbPeriodOfTime;
  ui::RadioButton* cbComputerIdle;
  ui::RadioButton* cbTime;
  ui::RadioButton* cbMonitoredApp;
  ui::RadioButton* cbNoSound;
  ui::GroupBox* grTime;
  ui::TimePicker* dtpStartTime;
  ui::ComboBox* cbxMonitoredApp;
  ui::Button* btnMonitoredAppRefresh;
  ui::Label* lblRemainingTimeDesc;
  ui::Label* lblRemainingTime;
  ui::Label* lblAppCloseDesc;
  ui::Label* lblAppClose;
  ui::Label* lblMonitoredAppNameDesc;
  ui::Label* lblMonitoredAppName;
  ui::Label* lblMainActionDesc;
  ui::Edit* edtLastClosedApp;
  ui::PageControl* tabctrlButtons;
  ui::TabSheet* PrgBtnPage;
  ui::TabSheet* InstallBtnsPage;
  ui::Button* btnStart;
  ui::Button* btnCancel;
  ui::Timer* timerSec;
  ui::Timer* timerWaitForEvent;
  ui::Action* actCloseProgram;
  ui::Action* actAdvenced;
  ui::Action* actShowHelp;
  ui::Action* actShowMenu;
  ui::Action* actMonitoredAppRefresh;
  ui::Action* actShowApp;
  ui::PopupMenu* PopupMenu;
  ui::PopupMenu* TrayMenu;
  ui::TrayIcon* TrayIcon;

  // The five trigger radio buttons in Tag order (Tags 1 to 5).
  ui::RadioButton* TriggerButton(int tag) const;

  // Handlers. Sender is nullptr when the code presses Begin itself.
  void btnStartClick(ui::Control* sender);
  void Second();
  void cbPeriodOfTimeClick();
  void cbComputerIdleClick();
  void cbTimeClick();
  void cbMonitoredAppClick();
  void cbNoSoundClick();
  void cbxMonitoredAppChange();
  void actCloseProgramExecute();
  void actAdvencedExecute();
  void actShowHelpExecute();
  void actShowMenuExecute();
  void actMonitoredAppRefreshExecute();
  void actShowAppExecute();
  void btnMenuClick();
  void btnMenuMouseEnter();
  void btnMenuMouseLeave();
  void lblTip1Click();
  void lblTip1MouseEnter();
  void lblTip1MouseLeave();
  void lblProgramNameClick();
  void TrayIconDblClick();
  void FormCloseQuery(bool& canClose);
  void FormDestroy();
  void AppMinimize();

  // The controller that runs the handlers above; none: they do nothing.
  void AttachController(WatchController* controller) { controller_ = controller; }
  WatchController* Controller() const { return controller_; }

 private:
  WatchController* controller_ = nullptr;
  void BindControls();
  void BindHandlers();
};

}  // namespace quellon::app
