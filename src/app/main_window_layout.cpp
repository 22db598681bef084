#include "app/main_window_layout.h"

#include <iterator>

#include "app/triggers.h"
#include "app/yarb_form.h"

namespace quellon::app {

using ui::ControlKind;
using ui::Font;
using ui::Row;
using ui::Shadow;
using ui::ShadowPosition;
using namespace ui::keys;

const ui::FormDesc kMainWindowDesc = {
    L"TYARBForm", L"YARBForm", L"ZUB", 339, 257, ui::BorderStyle::Single,
    ui::kSystemMenu | ui::kMinimizeBox, true};

namespace {

constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kRadio = ControlKind::RadioButton;
constexpr ControlKind kPages = ControlKind::PageControl;
constexpr ControlKind kPage = ControlKind::TabSheet;
constexpr ControlKind kGroup = ControlKind::GroupBox;

const Font kBig = Font::Pixels(32, true);
const Font kBigMaroon = Font::Pixels(32, true, ui::kMaroon);
const Shadow kBigShadow = {2, ShadowPosition::RightBottom, ui::kBtnHighlight};

constexpr unsigned kFixedCenter = ui::kFixedSize | ui::kCenter;

}  // namespace

// Client area 339 x 257: a strip of 34 pixels with the menu button, its tip
// and the program's name; the content pages (185 high); the button pages
// (38 high) at the bottom.
const ui::ControlDesc kMainWindowControls[] = {
    Row(kLabel, L"btnMenu").Bind<&TYARBForm::btnMenu>().Caption(L"\u2605").At(2, 2, 17, 17).Flags(ui::kFixedSize | ui::kCenter)
        .Font(Font::Pixels(15, true)),
    Row(kLabel, L"lblTip1").Bind<&TYARBForm::lblTip1>().Caption(L"<< click here").At(22, 4, 0, 0).Font(Font::Pixels(13, true)),
    Row(kLabel, L"lblProgramName").Bind<&TYARBForm::lblProgramName>().Caption(L"Quellon").At(255, 4, 80, 0).Flags(ui::kRight)
        .Font(Font::Pixels(12, true, ui::kRed)),

    Row(kPages, L"tabctrlMain").Bind<&TYARBForm::tabctrlMain>().At(0, 34, 339, 185).TabOrder(0),
    Row(kPage, L"tabOptions").Bind<&TYARBForm::tabOptions>().In(L"tabctrlMain"),
    Row(kPage, L"tabTime").Bind<&TYARBForm::tabTime>().In(L"tabctrlMain"),
    Row(kPage, L"PrgPage").Bind<&TYARBForm::PrgPage>().In(L"tabctrlMain"),
    // The installer's pages, filled by the installer and uninstaller.
    Row(kPage, L"tabInstall1").Bind<&TYARBForm::tabInstall1>().In(L"tabctrlMain"),
    Row(kPage, L"InstallPage2").Bind<&TYARBForm::InstallPage2>().In(L"tabctrlMain"),
    Row(kPage, L"InstallPage3").Bind<&TYARBForm::InstallPage3>().In(L"tabctrlMain"),
    Row(kPage, L"InstallPage4").Bind<&TYARBForm::InstallPage4>().In(L"tabctrlMain"),

    // Options: the action, the five triggers, the time field, the
    // application box.
    Row(kLabel, L"lblMainEvent").Bind<&TYARBForm::lblMainEvent>().In(L"tabOptions").At(8, 2, 0, 0).Font(Font::Pixels(0, true)),
    Row(kRadio, L"cbPeriodOfTime").Bind<&TYARBForm::cbPeriodOfTime>().In(L"tabOptions").Caption(L"When specified period elapses")
        .At(12, 20, 320, 17).TabOrder(0).Tag(trgPeriodOfTime).Flags(ui::kChecked),
    Row(kRadio, L"cbComputerIdle").Bind<&TYARBForm::cbComputerIdle>().In(L"tabOptions").Caption(L"When the computer is idle for specifed period")
        .At(12, 38, 320, 17).TabOrder(1).Tag(trgComputerIdle),
    Row(kRadio, L"cbTime").Bind<&TYARBForm::cbTime>().In(L"tabOptions").Caption(L"At specified time").At(12, 56, 320, 17).TabOrder(2)
        .Tag(trgTime),
    Row(kRadio, L"cbMonitoredApp").Bind<&TYARBForm::cbMonitoredApp>().In(L"tabOptions").Caption(L"When specified application closes")
        .At(12, 74, 320, 17).TabOrder(3).Tag(trgMonitoredApp),
    Row(kRadio, L"cbNoSound").Bind<&TYARBForm::cbNoSound>().In(L"tabOptions").Caption(L"When applications stop playing sounds")
        .At(12, 92, 320, 17).TabOrder(4).Tag(trgNoSound),
    Row(kGroup, L"grTime").Bind<&TYARBForm::grTime>().In(L"tabOptions").Caption(L"Time").At(8, 114, 112, 62).TabOrder(5),
    Row(ControlKind::TimePicker, L"dtpStartTime").Bind<&TYARBForm::dtpStartTime>().In(L"grTime").At(10, 24, 92, 23).TabOrder(0),
    Row(ControlKind::ComboBox, L"cbxMonitoredApp").Bind<&TYARBForm::cbxMonitoredApp>().In(L"tabOptions").At(128, 138, 146, 21).TabOrder(6)
        .Flags(ui::kSorted),
    Row(kButton, L"btnMonitoredAppRefresh").Bind<&TYARBForm::btnMonitoredAppRefresh>().In(L"tabOptions").Caption(L"Refresh").At(278, 137, 54, 23)
        .TabOrder(7),

    // Counting.
    Row(kLabel, L"lblRemainingTimeDesc").Bind<&TYARBForm::lblRemainingTimeDesc>().In(L"tabTime").Caption(L"Time remaining to shutdown:")
        .At(0, 22, 339, 16).Flags(kFixedCenter),
    Row(kLabel, L"lblRemainingTime").Bind<&TYARBForm::lblRemainingTime>().In(L"tabTime").Caption(L"00:00:00").At(0, 42, 339, 42)
        .Flags(kFixedCenter).Font(kBig).Shadow(kBigShadow),
    Row(kLabel, L"lblAppCloseDesc").Bind<&TYARBForm::lblAppCloseDesc>().In(L"tabTime").Caption(L"Application to be closed:").At(0, 96, 339, 16)
        .Flags(kFixedCenter),
    Row(kLabel, L"lblAppClose").Bind<&TYARBForm::lblAppClose>().In(L"tabTime").At(8, 116, 0, 0).Font(Font::Pixels(0, true, ui::kMaroon)),

    // Waiting for the application.
    Row(kLabel, L"lblMonitoredAppNameDesc").Bind<&TYARBForm::lblMonitoredAppNameDesc>().In(L"PrgPage").Caption(L"Waiting for closing application:")
        .At(0, 14, 339, 16).Flags(kFixedCenter),
    Row(kLabel, L"lblMonitoredAppName").Bind<&TYARBForm::lblMonitoredAppName>().In(L"PrgPage").At(8, 34, 0, 0).Font(kBigMaroon).Shadow(kBigShadow),
    Row(kLabel, L"lblMainActionDesc").Bind<&TYARBForm::lblMainActionDesc>().In(L"PrgPage").At(0, 84, 339, 16).Flags(kFixedCenter),
    Row(ControlKind::Edit, L"edtLastClosedApp").Bind<&TYARBForm::edtLastClosedApp>().In(L"PrgPage").At(8, 150, 323, 21).TabOrder(0)
        .Flags(ui::kReadOnly | ui::kHidden),

    // Buttons.
    Row(kPages, L"tabctrlButtons").Bind<&TYARBForm::tabctrlButtons>().At(0, 219, 339, 38).TabOrder(1),
    Row(kPage, L"PrgBtnPage").Bind<&TYARBForm::PrgBtnPage>().In(L"tabctrlButtons"),
    Row(kPage, L"InstallBtnsPage").Bind<&TYARBForm::InstallBtnsPage>().In(L"tabctrlButtons"),
    Row(kButton, L"btnStart").Bind<&TYARBForm::btnStart>().In(L"PrgBtnPage").Caption(L"Begin").At(132, 6, 75, 25).TabOrder(0)
        .Flags(ui::kDefault),
    Row(kButton, L"btnCancel").Bind<&TYARBForm::btnCancel>().In(L"PrgBtnPage").Caption(L"Cancel").At(132, 6, 75, 25).TabOrder(1)
        .Flags(ui::kCancel | ui::kHidden),

    // Timers and actions.
    Row(ControlKind::Timer, L"timerSec").Bind<&TYARBForm::timerSec>().Flags(ui::kDisabled).Interval(1000),
    Row(ControlKind::Timer, L"timerWaitForEvent").Bind<&TYARBForm::timerWaitForEvent>().Flags(ui::kDisabled).Interval(700),
    Row(ControlKind::Action, L"actCloseProgram").Bind<&TYARBForm::actCloseProgram>().Caption(L"Exit"),
    Row(ControlKind::Action, L"actAdvenced").Bind<&TYARBForm::actAdvenced>().Caption(L"Advanced").ShortCut(kF12),
    Row(ControlKind::Action, L"actShowHelp").Bind<&TYARBForm::actShowHelp>().Caption(L"Help").ShortCut(kF1),
    Row(ControlKind::Action, L"actShowMenu").Bind<&TYARBForm::actShowMenu>().ShortCut(kF10),
    Row(ControlKind::Action, L"actMonitoredAppRefresh").Bind<&TYARBForm::actMonitoredAppRefresh>().ShortCut(kF5),
    Row(ControlKind::Action, L"actShowApp").Bind<&TYARBForm::actShowApp>().Caption(L"Hide window").Flags(ui::kDisabled),
    Row(ControlKind::PopupMenu, L"PopupMenu").Bind<&TYARBForm::PopupMenu>(),
    Row(ControlKind::PopupMenu, L"TrayMenu").Bind<&TYARBForm::TrayMenu>(),
    // Hidden until the window goes to the tray; its hint is the caption.
    Row(ControlKind::TrayIcon, L"TrayIcon").Bind<&TYARBForm::TrayIcon>().Caption(L"ZUB"),
};

const size_t kMainWindowControlCount = std::size(kMainWindowControls);

}  // namespace quellon::app
