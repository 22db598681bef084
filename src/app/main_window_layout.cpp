#include "app/main_window_layout.h"

#include <iterator>

namespace quellon::app {

using ui::ControlKind;
using ui::Font;
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
    // kind, name, parent, caption, {left, top, width, height}, tab order, tag, flags, value, font, shadow
    {kLabel, L"btnMenu", nullptr, L"\u2605", {2, 2, 17, 17}, -1, 0, ui::kFixedSize | ui::kCenter, 0,
     Font::Pixels(15, true)},
    {kLabel, L"lblTip1", nullptr, L"<< click here", {22, 4, 0, 0}, -1, 0, 0, 0, Font::Pixels(13, true)},
    {kLabel, L"lblProgramName", nullptr, L"Quellon", {255, 4, 80, 0}, -1, 0, ui::kRight, 0,
     Font::Pixels(12, true, ui::kRed)},

    {kPages, L"tabctrlMain", nullptr, L"", {0, 34, 339, 185}, 0},
    {kPage, L"tabOptions", L"tabctrlMain", L""},
    {kPage, L"tabTime", L"tabctrlMain", L""},
    {kPage, L"PrgPage", L"tabctrlMain", L""},
    // The installer's pages, filled by the installer and uninstaller.
    {kPage, L"tabInstall1", L"tabctrlMain", L""},
    {kPage, L"InstallPage2", L"tabctrlMain", L""},
    {kPage, L"InstallPage3", L"tabctrlMain", L""},
    {kPage, L"InstallPage4", L"tabctrlMain", L""},

    // Options: the action, the five triggers, the time field, the
    // application box.
    {kLabel, L"lblMainEvent", L"tabOptions", L"", {8, 2, 0, 0}, -1, 0, 0, 0, Font::Pixels(0, true)},
    {kRadio, L"cbPeriodOfTime", L"tabOptions", L"When specified period elapses", {12, 20, 320, 17}, 0, 1,
     ui::kChecked},
    {kRadio, L"cbComputerIdle", L"tabOptions", L"When the computer is idle for specifed period",
     {12, 38, 320, 17}, 1, 2},
    {kRadio, L"cbTime", L"tabOptions", L"At specified time", {12, 56, 320, 17}, 2, 3},
    {kRadio, L"cbMonitoredApp", L"tabOptions", L"When specified application closes", {12, 74, 320, 17}, 3, 4},
    {kRadio, L"cbNoSound", L"tabOptions", L"When applications stop playing sounds", {12, 92, 320, 17}, 4, 5},
    {kGroup, L"grTime", L"tabOptions", L"Time", {8, 114, 112, 62}, 5},
    {ControlKind::TimePicker, L"dtpStartTime", L"grTime", L"", {10, 24, 92, 23}, 0},
    {ControlKind::ComboBox, L"cbxMonitoredApp", L"tabOptions", L"", {128, 138, 146, 21}, 6, 0, ui::kSorted},
    {kButton, L"btnMonitoredAppRefresh", L"tabOptions", L"Refresh", {278, 137, 54, 23}, 7},

    // Counting.
    {kLabel, L"lblRemainingTimeDesc", L"tabTime", L"Time remaining to shutdown:", {0, 22, 339, 16}, -1, 0,
     kFixedCenter},
    {kLabel, L"lblRemainingTime", L"tabTime", L"00:00:00", {0, 42, 339, 42}, -1, 0, kFixedCenter, 0, kBig,
     kBigShadow},
    {kLabel, L"lblAppCloseDesc", L"tabTime", L"Application to be closed:", {0, 96, 339, 16}, -1, 0,
     kFixedCenter},
    {kLabel, L"lblAppClose", L"tabTime", L"", {8, 116, 0, 0}, -1, 0, 0, 0, Font::Pixels(0, true, ui::kMaroon)},

    // Waiting for the application.
    {kLabel, L"lblMonitoredAppNameDesc", L"PrgPage", L"Waiting for closing application:", {0, 14, 339, 16},
     -1, 0, kFixedCenter},
    {kLabel, L"lblMonitoredAppName", L"PrgPage", L"", {8, 34, 0, 0}, -1, 0, 0, 0, kBigMaroon, kBigShadow},
    {kLabel, L"lblMainActionDesc", L"PrgPage", L"", {0, 84, 339, 16}, -1, 0, kFixedCenter},
    {ControlKind::Edit, L"edtLastClosedApp", L"PrgPage", L"", {8, 150, 323, 21}, 0, 0,
     ui::kReadOnly | ui::kHidden},

    // Buttons.
    {kPages, L"tabctrlButtons", nullptr, L"", {0, 219, 339, 38}, 1},
    {kPage, L"PrgBtnPage", L"tabctrlButtons", L""},
    {kPage, L"InstallBtnsPage", L"tabctrlButtons", L""},
    {kButton, L"btnStart", L"PrgBtnPage", L"Begin", {132, 6, 75, 25}, 0, 0, ui::kDefault},
    {kButton, L"btnCancel", L"PrgBtnPage", L"Cancel", {132, 6, 75, 25}, 1, 0, ui::kCancel | ui::kHidden},

    // Timers and actions.
    {ControlKind::Timer, L"timerSec", nullptr, L"", {}, -1, 0, ui::kDisabled, 1000},
    {ControlKind::Timer, L"timerWaitForEvent", nullptr, L"", {}, -1, 0, ui::kDisabled, 700},
    {ControlKind::Action, L"actCloseProgram", nullptr, L"Exit"},
    {ControlKind::Action, L"actAdvenced", nullptr, L"Advanced", {}, -1, 0, 0, kF12},
    {ControlKind::Action, L"actShowHelp", nullptr, L"Help", {}, -1, 0, 0, kF1},
    {ControlKind::Action, L"actShowMenu", nullptr, L"", {}, -1, 0, 0, kF10},
    {ControlKind::Action, L"actMonitoredAppRefresh", nullptr, L"", {}, -1, 0, 0, kF5},
    {ControlKind::Action, L"actShowApp", nullptr, L"Hide window", {}, -1, 0, ui::kDisabled},
    {ControlKind::PopupMenu, L"PopupMenu", nullptr, L""},
    {ControlKind::PopupMenu, L"TrayMenu", nullptr, L""},
    // Hidden until the window goes to the tray; its hint is the caption.
    {ControlKind::TrayIcon, L"TrayIcon", nullptr, L"ZUB"},
};

const size_t kMainWindowControlCount = std::size(kMainWindowControls);

}  // namespace quellon::app
